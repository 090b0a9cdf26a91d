#include "bramlow_window.h"

#include "accessible_texts.h"
#include "announcement.h"
#include "board_keyboard.h"
#include "engine/game_texts.h"
#include "engine_fault.h"
#include "form_accessible.h"
#include "keyboard_choices.h"
#include "main_window_form.h"
#include "message_label.h"
#include "move_marks.h"
#include "picture_box_accessible.h"
#include "play_menu.h"
#include "rules_window.h"
#include "text_box_widget.h"
#include "window/media/fatal_error.h"
#include "window/media/picture_box.h"
#include "window/media/picture_loader.h"
#include "window/media/program_files.h"
#include "window/media/twips.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolTip>

#include <algorithm>
#include <iterator>
#include <span>

namespace bramlow {

namespace {

QFont namedFont(const char* family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

bool isColour(QRgb colour) { return qAlpha(colour) != 0; }

// A text box's colours are its text and its box; a label's and a frame's are their text
// and their area.
void applyColours(QWidget* widget, const ControlDesign& design)
{
    const bool textBox = design.kind == ControlKind::TextBox;
    QPalette palette = widget->palette();
    if (design.foreground == kDesktopHighlightedText)
        palette.setColor(QPalette::Text, palette.color(QPalette::HighlightedText));
    else if (isColour(design.foreground))
        palette.setColor(textBox ? QPalette::Text : QPalette::WindowText, QColor(design.foreground));
    if (isColour(design.background))
        palette.setColor(textBox ? QPalette::Base : QPalette::Window, QColor(design.background));
    widget->setPalette(palette);
    if (!textBox && isColour(design.background))
        widget->setAutoFillBackground(true);
}

// Creates the control `design` describes, on `form` or in its Frame2.
void createControl(const ControlDesign& design, QWidget* form)
{
    QWidget* parent = form;
    if (design.container == Container::Frame2)
        parent = form->findChild<QGroupBox*>(QStringLiteral("Frame2"));
    const QString caption = QString::fromUtf8(design.caption);
    QWidget* control = nullptr;
    switch (design.kind) {
    case ControlKind::Picture:
    case ControlKind::FramedPicture:
        control = new PictureBox(parent, design.kind == ControlKind::FramedPicture);
        break;
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::StrongFocus);
        control = button;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new TextBoxWidget(parent);
        if (design.caption)
            box->setText(design.caption);
        control = box;
        break;
    }
    case ControlKind::Frame:
        control = new QGroupBox(caption, parent);
        break;
    case ControlKind::Label:
        control = new MessageLabel(parent);
        break;
    }
    control->setObjectName(QString::fromLatin1(design.name));
    control->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    if (design.fontFamily)
        control->setFont(namedFont(design.fontFamily, design.points));
    if (design.foreground != kDesktopColour || design.background != kDesktopColour)
        applyColours(control, design);
    if (design.hidden)
        control->hide();
}

template <typename Control>
Control* designedControl(QWidget* form, const char* name)
{
    return form->findChild<Control*>(QString::fromLatin1(name));
}

// Board view: a 10 x 10 grid of squares, screen row R counted from 0 at the bottom and
// screen column C from 0 at the left; neighbouring cells overlap by 30 twips.
constexpr int squareLeft(int column) { return 360 + 840 * column; }
constexpr int squareTop(int row) { return 7800 - 840 * row; }
constexpr int cellTwips = 870;

} // namespace

QSize BramlowWindow::formSize()
{
    return {twipsToPixels(formWidthTwips), twipsToPixels(formHeightTwips)};
}

BramlowWindow::BramlowWindow(const QString& programDir, RandomSource& random)
    : programDir_(programDir)
    , sound_(programDir)
    , draws_(random)
    , engine_(*this, draws_)
{
    setObjectName(QStringLiteral("Bramlow"));
    PictureBoxAccessible::install();
    FormAccessible::install();
    buildForm();
    buildMenus();

    if (const QPixmap icon = loadOptionalPicture(programDir_, QStringLiteral("bramlow.png")); !icon.isNull())
        setWindowIcon(QIcon(icon));

    // The window opens with its form at the designed size; the auto-size control keeps
    // the layout in proportion from there.
    resize(formSize().width(), formSize().height() + menuBar()->sizeHint().height());

    Form_Load();
}

BramlowWindow::~BramlowWindow()
{
    // No Sizechanged while the form's children are being torn down.
    centralWidget()->removeEventFilter(this);
}

void BramlowWindow::buildForm()
{
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("bramlowForm"));
    setCentralWidget(form);

    // The first control, Image2, lies behind every cell of the board view.
    const std::span<const ControlDesign> controls = mainWindowControls();
    createControl(controls.front(), form);
    buildBoardView(form);
    for (const ControlDesign& design : controls.subspan(1))
        createControl(design, form);

    image2_ = designedControl<PictureBox>(form, "Image2");
    neuBut_ = designedControl<QPushButton>(form, "Neu_but");
    ende_ = designedControl<QPushButton>(form, "ende");
    image1_ = designedControl<PictureBox>(form, "Image1");
    frame2_ = designedControl<QGroupBox>(form, "Frame2");
    ausgabe1_ = designedControl<TextBoxWidget>(form, "ausgabe1");
    ausgabe2_ = designedControl<TextBoxWidget>(form, "ausgabe2");
    ausgabe11_ = designedControl<QLabel>(form, "ausgabe11");
    wuerfel_ = designedControl<PictureBox>(form, "wuerfel");
    speicher_ = designedControl<TextBoxWidget>(form, "speicher");
    speicher2_ = designedControl<TextBoxWidget>(form, "speicher2");

    ausgabe1_->setAccessibleName(QStringLiteral("Spieler am Zug"));
    ausgabe2_->setAccessibleName(QStringLiteral("Aufforderung"));
    image1_->setAccessibleName(QStringLiteral("Logo: Zug beenden"));
    image1_->setAccessibleDescription(QStringLiteral("Beendet den Zug, ohne eine Figur zu bewegen."));
    wuerfel_->setAccessibleDescription(QStringLiteral("Würfelt für den Spieler am Zug."));

    moveMarks_ = new MoveMarks(form);
    moveMarks_->setGeometry(QRect(QPoint(), formSize()));
    new AnnouncementLine(form);

    // The keyboard layer comes last, so that its frame lies in front of every control.
    std::vector<PictureBox*> stops;
    for (const auto* array : {&b_, &s_, &g_})
        std::copy_if(array->begin(), array->end(), std::back_inserter(stops), [](PictureBox* c) { return c; });
    stops.insert(stops.end(), {wuerfel_, image1_});
    keyboard_ = new BoardKeyboard(form, std::move(stops), wuerfel_);
    keyboard_->setObjectName(QStringLiteral("boardKeyboard"));
    keyboard_->setGeometry(QRect(QPoint(), formSize()));

    setTabOrder(neuBut_, ende_);
    setTabOrder(ende_, ausgabe1_);
    setTabOrder(ausgabe1_, ausgabe2_);
    // After the window's own keyboard order, the board.
    setTabOrder(ausgabe2_, keyboard_);
    neuBut_->setFocus();

    connect(neuBut_, &QPushButton::clicked, this, &BramlowWindow::neu_but_Click);
    connect(ende_, &QPushButton::clicked, this, &BramlowWindow::ende_Click);
    // A person's click goes through the gate of the sides; the computer and a peer call the
    // handlers themselves.
    connect(wuerfel_, &PictureBox::clicked, this, [this] { if (personMayAct()) wuerfel_Click(); });
    connect(image1_, &PictureBox::clicked, this, [this] { if (personMayAct()) Image1_Click(); });
}

void BramlowWindow::buildBoardView(QWidget* form)
{
    auto addCell = [&](std::array<PictureBox*, 100>& array, const char* name, int index, int row, int column) {
        auto* cell = new PictureBox(form, false, index);
        cell->setObjectName(QString::fromLatin1(name));
        // s(18) was drawn five twips larger than its neighbours.
        const int extent = (array.data() == s_.data() && index == 18) ? cellTwips + 5 : cellTwips;
        cell->setGeometry(twipsRect(squareLeft(column), squareTop(row), extent, extent));
        const CellArray which = *name == 'b' ? CellArray::b : *name == 's' ? CellArray::s : CellArray::g;
        PictureBoxAccessible::setQuietName(cell, cellAccessibleName(which, index, UNUSED_CELL));
        cell->setAccessibleDescription(cellAccessibleDescription(which, index));
        array[static_cast<std::size_t>(index)] = cell;
    };
    for (int t = 1; t <= 8; ++t)
        for (int u = 1; u <= 8; ++u)
            addCell(b_, "b", 10 * t + u, t, u);
    for (int u = 1; u <= 8; ++u) {
        addCell(s_, "s", 10 + u, u, 0);
        addCell(s_, "s", 20 + u, u, 9);
        addCell(g_, "g", 10 + u, 0, u);
        addCell(g_, "g", 20 + u, 9, u);
    }
    for (PictureBox* cell : b_)
        if (cell)
            connect(cell, &PictureBox::clicked, this, [this](int i) { if (personMayAct()) b_Click(i); });
    for (PictureBox* cell : s_)
        if (cell)
            connect(cell, &PictureBox::clicked, this, [this](int i) { if (personMayAct()) s_Click(i); });
    for (PictureBox* cell : g_)
        if (cell)
            connect(cell, &PictureBox::clicked, this, [this](int i) { if (personMayAct()) g_Click(i); });
}

void BramlowWindow::buildMenus()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("menuDate"));
    QAction* neu = datei->addAction(QStringLiteral("&neues Spiel"));
    neu->setObjectName(QStringLiteral("menuNeu"));
    neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* ende = datei->addAction(QStringLiteral("&Ende"));
    ende->setObjectName(QStringLiteral("menuEnde"));
    ende->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("menuH"));
    QAction* about = hilfe->addAction(QStringLiteral("&Hilfe"));
    about->setObjectName(QStringLiteral("menuHilfe"));
    about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    QAction* rules = hilfe->addAction(QStringLiteral("&Spielregeln"));
    rules->setObjectName(QStringLiteral("menuSpielregeln"));
    rules->setShortcut(QKeySequence(Qt::Key_F1));
    connect(rules, &QAction::triggered, this, [this] { RulesWindow::showFor(programDir_, this); });

    addPlayMenu(*this, *menuBar());

    connect(neu, &QAction::triggered, this, &BramlowWindow::menuNeu_Click);
    connect(ende, &QAction::triggered, this, &BramlowWindow::menuEnde_Click);
    connect(about, &QAction::triggered, this, &BramlowWindow::menuHilfe_Click);
}

void BramlowWindow::Form_Load()
{
    QWidget* form = centralWidget();
    QString cause;
    trellAutoSize1_ = AutoSizeControl::create(programDir_, form, cause);
    if (!trellAutoSize1_) {
        reportFatalErrorAndExit(QStringLiteral("Die Steuerelement-Bibliothek „%1“ kann nicht geladen werden: %2\nBramlow wird beendet.")
                                    .arg(programFile(programDir_, QLatin1String(controlLibraryName)), cause),
                                controlLibraryExitCode);
    }
    // The control takes no clicks and no focus from the buttons it overlaps.
    trellAutoSize1_->widget()->setFocusPolicy(Qt::NoFocus);
    trellAutoSize1_->widget()->lower();

    // Init records the layout as designed: the form must have exactly its designed size
    // now, although the window has not been laid out yet.
    form->resize(formSize());
    trellAutoSize1_->Init();
    form->installEventFilter(this);

    image1_->setPictureAndRefresh(loadPictureOrExit(programDir_, QStringLiteral("bramlow.bmp")));
    setDiePicture("wuerfel6.bmp");
    image2_->setPictureAndRefresh(loadPictureOrExit(programDir_, QStringLiteral("bramlow.bmp")));
    setWindowTitle(QStringLiteral("Bramlow"));
    engine_.Main();
}

void BramlowWindow::Form_Resize()
{
    trellAutoSize1_->Sizechanged();
}

bool BramlowWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void BramlowWindow::changeEvent(QEvent* event)
{
    // Qt keeps the form's size when the window is minimised or restored, so no resize
    // event follows; the control is told all the same.
    if (event->type() == QEvent::WindowStateChange && trellAutoSize1_)
        Form_Resize();
    QMainWindow::changeEvent(event);
}

PictureBox* BramlowWindow::cell(CellArray array, int index) const
{
    if (index < 0 || index >= 100)
        return nullptr;
    const auto i = static_cast<std::size_t>(index);
    switch (array) {
    case CellArray::b: return b_[i];
    case CellArray::s: return s_[i];
    case CellArray::g: return g_[i];
    }
    return nullptr;
}

TextBoxWidget* BramlowWindow::textBox(TextBox box) const
{
    switch (box) {
    case TextBox::ausgabe1: return ausgabe1_;
    case TextBox::ausgabe2: return ausgabe2_;
    case TextBox::speicher: return speicher_;
    case TextBox::speicher2: return speicher2_;
    }
    return ausgabe1_;
}

std::string BramlowWindow::text(TextBox box) const { return textBox(box)->text(); }

void BramlowWindow::setText(TextBox box, const std::string& text)
{
    textBox(box)->setText(text, !replaying_);
    narration_.textWritten(box, text);
    if (box == TextBox::ausgabe2)
        showWhatReacts();
    // A replay shows again what was played before: a win in it is no new win.
    if (!replaying_)
        emit textWritten(box);
}

void BramlowWindow::setMessage(const std::string& caption)
{
    narration_.messageShown(caption);
    if (replaying_)
        deferred_.message = caption;
    else
        ausgabe11_->setText(QString::fromStdString(caption));
}

void BramlowWindow::setCellPicture(CellArray array, std::int16_t index, const std::string& file)
{
    // The engine only names cells that exist; any other index has no picture to change.
    if (!deferPicture(array, index, file) && cell(array, index))
        showPicture(array, index, file, loadPictureOrExit(programDir_, QString::fromStdString(file), boxParent()));
}

void BramlowWindow::setDiePicture(const std::string& file)
{
    if (const int face = faceOfDiePicture(file))
        dieFace_ = face;
    if (!deferPicture(CellArray::b, 0, file))
        showPicture(CellArray::b, 0, file, loadPictureOrExit(programDir_, QString::fromStdString(file), boxParent()));
}

void BramlowWindow::showPicture(CellArray array, int index, const std::string& file, const QPixmap& picture)
{
    PictureBox* target = index == 0 ? wuerfel_ : cell(array, index);
    target->setPictureAndRefresh(picture);
    if (index == 0) {
        target->setAccessibleName(dieAccessibleName(file));
        narration_.dieShown(file);
    } else {
        PictureBoxAccessible::setQuietName(target, cellAccessibleName(array, index, codeOfCellPicture(file)));
        narration_.cellShown(array, index, codeOfCellPicture(file));
    }
    keyboard_->stopChanged(target);
    shownPictures_[{array, index}] = file;
}

void BramlowWindow::setImage1Enabled(bool enabled)
{
    if (replaying_) {
        deferred_.image1Enabled = enabled;
        return;
    }
    image1_->setEnabled(enabled);
    // The tooltip says what a click does only while it does it, also when it shows now.
    image1_->setToolTip(enabled ? QStringLiteral("Zug beenden") : QString());
    if (!enabled && QToolTip::isVisible())
        QToolTip::hideText();
    showWhatReacts();
}

void BramlowWindow::setDieVisible(bool visible)
{
    if (replaying_)
        deferred_.dieVisible = visible;
    else
        wuerfel_->setVisible(visible);
}

void BramlowWindow::Play(const std::string& datei)
{
    narration_.soundPlayed(datei);
    if (soundOn_)
        sound_.Play(datei);
}

// The box of a fatal error opens over the game once the window shows; during the load
// steps there is nothing to open it over.
QWidget* BramlowWindow::boxParent() { return isVisible() ? this : nullptr; }

// A pointing hand over whatever a click acts on now: the die in the roll phase, the logo
// while it is enabled, every cell while a piece or a destination is to be chosen.
void BramlowWindow::showWhatReacts()
{
    const std::string& phase = ausgabe2_->text();
    const std::array<bool, 3> reacts{phase == prompt::select || phase == prompt::destination, phase == prompt::roll,
                                     image1_->isEnabled()};
    // The 98 cursors are set again only when one of them changes.
    if (replaying_ || reacts == pointing_)
        return;
    pointing_ = reacts;
    const auto point = [](QWidget* control, bool reacts) {
        if (reacts)
            control->setCursor(Qt::PointingHandCursor);
        else
            control->unsetCursor();
    };
    for (const auto* array : {&b_, &s_, &g_}) {
        for (PictureBox* cell : *array)
            if (cell)
                point(cell, reacts[0]);
    }
    point(wuerfel_, reacts[1]);
    point(image1_, reacts[2]);
}

// Every handler calls the engine through here: an exception escaping it is a fault of the
// program, reported in a German box before the program ends, never an abort without a word.
// Every action lands in the game record (window_record.cpp), and whoever clicked, what the
// click changed is announced to a screen reader afterwards (not while a replay rebuilds it).
template <typename Call>
void BramlowWindow::guarded(Handler handler, const Cell& cell, Call&& call)
{
    const auto before = GameRecorder::before(*this);
    moveMarks_->clear();
    narration_.begin(ausgabe1_->text());
    try {
        call();
    } catch (...) {
        reportEngineFaultAndExit(boxParent());
    }
    noteAction(handler, cell, before);
    if (!replaying_)
        announce(narration_.sentence());
    keyboard_->setChoices(keyboardChoices(*this));
}

void BramlowWindow::markLastMove()
{
    if (const auto move = narration_.move())
        moveMarks_->mark({cell(move->first.array, move->first.index), cell(move->second.array, move->second.index)});
}

void BramlowWindow::rollByKey()
{
    if (wuerfel_->isVisible() && personMayAct())
        wuerfel_Click();
}

void BramlowWindow::endTurnByKey()
{
    if (image1_->isEnabled() && personMayAct())
        Image1_Click();
}

void BramlowWindow::neu_but_Click()
{
    if (drawGate_ && !drawGate_(Handler::neu))
        return;
    // Input waits while the 96 cells are set up to their sounds; the cursor says so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    guarded(Handler::neu, {}, [this] {
        narration_.newGame();
        engine_.neu_but_Click();
    });
}

void BramlowWindow::menuNeu_Click() { neu_but_Click(); }

// Ends the event loop at once: no window is closed, so no close handler runs and no
// question is asked, while main() still returns normally and releases the audio device
// and the control library in order (std::exit would skip those destructors).
void BramlowWindow::ende_Click() { QCoreApplication::exit(0); }

void BramlowWindow::menuEnde_Click() { ende_Click(); }

void BramlowWindow::menuHilfe_Click() { emit aboutRequested(); }

void BramlowWindow::wuerfel_Click()
{
    if (drawGate_ && !drawGate_(Handler::wuerfel))
        return;
    guarded(Handler::wuerfel, {}, [this] { engine_.wuerfel_Click(); });
}

void BramlowWindow::Image1_Click()
{
    // A disabled Image1 raises no click, whoever asks.
    if (image1Enabled())
        guarded(Handler::image1, {}, [this] { engine_.Image1_Click(); });
}

void BramlowWindow::b_Click(int index)
{
    const Cell cell = cellWithIndex('b', static_cast<std::int16_t>(index)).value_or(Cell{});
    guarded(Handler::cell, cell, [=, this] { engine_.b_Click(static_cast<std::int16_t>(index)); });
}

void BramlowWindow::s_Click(int index)
{
    const Cell cell = cellWithIndex('s', static_cast<std::int16_t>(index)).value_or(Cell{});
    guarded(Handler::cell, cell, [=, this] { engine_.s_Click(static_cast<std::int16_t>(index)); });
}

void BramlowWindow::g_Click(int index)
{
    const Cell cell = cellWithIndex('g', static_cast<std::int16_t>(index)).value_or(Cell{});
    guarded(Handler::cell, cell, [=, this] { engine_.g_Click(static_cast<std::int16_t>(index)); });
}

} // namespace bramlow
