#include "bramlow_window.h"

#include "text_box_widget.h"
#include "window/media/fatal_error.h"
#include "window/media/picture_box.h"
#include "window/media/picture_loader.h"
#include "window/media/program_files.h"
#include "window/media/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace bramlow {

namespace {

QFont namedFont(const char* family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

void setColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
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
    , engine_(*this, random)
{
    setObjectName(QStringLiteral("Bramlow"));
    buildForm();
    buildMenus();

    const QString icon = programFile(programDir_, QStringLiteral("bramlow.png"));
    if (QFileInfo::exists(icon))
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
    setCentralWidget(form);

    // Created first, so that it lies behind every cell.
    image2_ = new PictureBox(form, false);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(twipsRect(0, 0, 9000, 8760));
    buildBoardView(form);

    const QFont buttonFont = namedFont("Arial", 9.75);
    neuBut_ = new QPushButton(QStringLiteral("neues Spiel"), form);
    neuBut_->setObjectName(QStringLiteral("Neu_but"));
    neuBut_->setGeometry(twipsRect(9240, 360, 1335, 615));
    ende_ = new QPushButton(QStringLiteral("Ende"), form);
    ende_->setObjectName(QStringLiteral("ende"));
    ende_->setGeometry(twipsRect(11040, 360, 1215, 615));
    for (QPushButton* button : {neuBut_, ende_}) {
        button->setFont(buttonFont);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::StrongFocus);
    }

    image1_ = new PictureBox(form, true);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(twipsRect(9120, 1440, 3120, 2400));

    buildMessagePanel(form);

    wuerfel_ = new PictureBox(form, true);
    wuerfel_->setObjectName(QStringLiteral("wuerfel"));
    wuerfel_->setGeometry(twipsRect(9960, 7440, 1485, 1110));

    speicher_ = new TextBoxWidget(form);
    speicher_->setObjectName(QStringLiteral("speicher"));
    speicher_->setGeometry(twipsRect(7920, 7920, 855, 375));
    speicher2_ = new TextBoxWidget(form);
    speicher2_->setObjectName(QStringLiteral("speicher2"));
    speicher2_->setGeometry(twipsRect(9000, 7200, 855, 375));
    for (TextBoxWidget* storage : {speicher_, speicher2_}) {
        storage->setText("Text1");
        storage->hide();
    }

    setTabOrder(neuBut_, ende_);
    setTabOrder(ende_, ausgabe1_);
    setTabOrder(ausgabe1_, ausgabe2_);
    neuBut_->setFocus();

    connect(neuBut_, &QPushButton::clicked, this, &BramlowWindow::neu_but_Click);
    connect(ende_, &QPushButton::clicked, this, &BramlowWindow::ende_Click);
    connect(wuerfel_, &PictureBox::clicked, this, &BramlowWindow::wuerfel_Click);
    connect(image1_, &PictureBox::clicked, this, &BramlowWindow::Image1_Click);
}

void BramlowWindow::buildBoardView(QWidget* form)
{
    auto addCell = [&](std::array<PictureBox*, 100>& array, const char* name, int index, int row, int column) {
        auto* cell = new PictureBox(form, false, index);
        cell->setObjectName(QString::fromLatin1(name));
        // s(18) was drawn five twips larger than its neighbours.
        const int extent = (array.data() == s_.data() && index == 18) ? cellTwips + 5 : cellTwips;
        cell->setGeometry(twipsRect(squareLeft(column), squareTop(row), extent, extent));
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
            connect(cell, &PictureBox::clicked, this, &BramlowWindow::b_Click);
    for (PictureBox* cell : s_)
        if (cell)
            connect(cell, &PictureBox::clicked, this, &BramlowWindow::s_Click);
    for (PictureBox* cell : g_)
        if (cell)
            connect(cell, &PictureBox::clicked, this, &BramlowWindow::g_Click);
}

void BramlowWindow::buildMessagePanel(QWidget* form)
{
    frame2_ = new QGroupBox(QStringLiteral("Meldungen"), form);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(twipsRect(9120, 3960, 3255, 3135));
    // The classic desktop colour of an inactive window border.
    QPalette framePalette = frame2_->palette();
    framePalette.setColor(QPalette::Window, QColor(192, 192, 192));
    frame2_->setPalette(framePalette);
    frame2_->setAutoFillBackground(true);

    const QFont boxFont = namedFont("Times New Roman", 14.25);
    const QColor blue(0, 0, 255);
    ausgabe1_ = new TextBoxWidget(frame2_);
    ausgabe1_->setObjectName(QStringLiteral("ausgabe1"));
    ausgabe1_->setGeometry(twipsRect(120, 360, 3015, 1215));
    setColours(ausgabe1_, QColor(255, 0, 0), blue);
    ausgabe2_ = new TextBoxWidget(frame2_);
    ausgabe2_->setObjectName(QStringLiteral("ausgabe2"));
    ausgabe2_->setGeometry(twipsRect(120, 1800, 3015, 1095));
    setColours(ausgabe2_, ausgabe2_->palette().color(QPalette::HighlightedText), blue);
    for (TextBoxWidget* box : {ausgabe1_, ausgabe2_})
        box->setFont(boxFont);

    ausgabe11_ = new QLabel(frame2_);
    ausgabe11_->setObjectName(QStringLiteral("ausgabe11"));
    ausgabe11_->setGeometry(twipsRect(120, 2640, 2775, 375));
    ausgabe11_->setAlignment(Qt::AlignCenter);
    ausgabe11_->setTextFormat(Qt::PlainText);
    ausgabe11_->setFont(namedFont("Arial", 9.75));
    QPalette labelPalette = ausgabe11_->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    ausgabe11_->setPalette(labelPalette);
}

void BramlowWindow::buildMenus()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("menuDate"));
    QAction* neu = datei->addAction(QStringLiteral("neues Spiel"));
    neu->setObjectName(QStringLiteral("menuNeu"));
    neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* ende = datei->addAction(QStringLiteral("Ende"));
    ende->setObjectName(QStringLiteral("menuEnde"));
    ende->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("menuH"));
    QAction* about = hilfe->addAction(QStringLiteral("Hilfe"));
    about->setObjectName(QStringLiteral("menuHilfe"));
    about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

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
    wuerfel_->setPictureAndRefresh(loadPictureOrExit(programDir_, QStringLiteral("wuerfel6.bmp")));
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

void BramlowWindow::setText(TextBox box, const std::string& text) { textBox(box)->setText(text); }

void BramlowWindow::setMessage(const std::string& caption)
{
    ausgabe11_->setText(QString::fromStdString(caption));
}

void BramlowWindow::setCellPicture(CellArray array, std::int16_t index, const std::string& file)
{
    // The engine only names cells that exist; any other index has no picture to change.
    if (PictureBox* target = cell(array, index))
        target->setPictureAndRefresh(loadPictureOrExit(programDir_, QString::fromStdString(file)));
}

void BramlowWindow::setDiePicture(const std::string& file)
{
    wuerfel_->setPictureAndRefresh(loadPictureOrExit(programDir_, QString::fromStdString(file)));
}

void BramlowWindow::setImage1Enabled(bool enabled) { image1_->setEnabled(enabled); }

void BramlowWindow::setDieVisible(bool visible) { wuerfel_->setVisible(visible); }

void BramlowWindow::Play(const std::string& datei) { sound_.Play(datei); }

void BramlowWindow::neu_but_Click() { engine_.neu_but_Click(); }

void BramlowWindow::menuNeu_Click() { neu_but_Click(); }

// Ends the event loop at once: no window is closed, so no close handler runs and no
// question is asked, while main() still returns normally and releases the audio device
// and the control library in order (std::exit would skip those destructors).
void BramlowWindow::ende_Click() { QCoreApplication::exit(0); }

void BramlowWindow::menuEnde_Click() { ende_Click(); }

void BramlowWindow::menuHilfe_Click() { emit aboutRequested(); }

void BramlowWindow::wuerfel_Click() { engine_.wuerfel_Click(); }

void BramlowWindow::Image1_Click() { engine_.Image1_Click(); }

void BramlowWindow::b_Click(int index) { engine_.b_Click(static_cast<std::int16_t>(index)); }

void BramlowWindow::s_Click(int index) { engine_.s_Click(static_cast<std::int16_t>(index)); }

void BramlowWindow::g_Click(int index) { engine_.g_Click(static_cast<std::int16_t>(index)); }

} // namespace bramlow
