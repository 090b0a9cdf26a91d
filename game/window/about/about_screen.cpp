#include "window/about/about_screen.h"

#include "window/about/about_texts.h"
#include "window/about/clickable_frame.h"
#include "window/about/label_sizing.h"
#include "window/media/picture_box.h"
#include "window/media/picture_loader.h"
#include "window/media/program_files.h"
#include "window/media/twips.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace bramlow {

namespace {

QFont arial(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

struct LabelDesign {
    const char* name;
    QRect twips; // Left, Top, Width, Height within Frame1
    qreal points;
    bool bold;
    Qt::Alignment alignment;
    bool sizedToText;
    bool wordWrap;
    QString text; // the design-time caption; load steps set the others
};

bool producesCharacter(const QKeyEvent& event)
{
    // Tab moves the focus and Delete edits; neither is a typed character here.
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !event.text().isEmpty();
    }
}

} // namespace

AboutScreen::AboutScreen(const QString& programDir, QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QString::fromUtf16(kAboutCaption));
    setFixedSize(twipsToPixels(9330), twipsToPixels(4530));

    // The program icon is a nicety: without it the screen simply has none of its own.
    if (const QPixmap icon = loadOptionalPicture(programDir, QStringLiteral("bramlow.png")); !icon.isNull())
        setWindowIcon(QIcon(icon));

    buildControls();
    Form_Load(programDir);

    if (mainWindow_ && mainWindow_->isVisible())
        move(mainWindow_->frameGeometry().center() - rect().center());
}

void AboutScreen::buildControls()
{
    auto* frame = new ClickableFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(240, 120, 8880, 3570));
    connect(frame, &ClickableFrame::clicked, this, &QWidget::close);

    auto* logo = new PictureBox(frame, /*border=*/true);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(twipsRect(120, 240, 3255, 2505));

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    const LabelDesign labels[] = {
        {"lblCompanyProduct", {2760, 240, 6045, 435}, 18, true, centred, true, false,
         QString::fromUtf16(kMakerFirstLine)},
        {"lblProductName", {2760, 960, 5955, 1050}, 32.25, true, centred, true, true, {}},
        {"lblPlatform", {3480, 2340, 5235, 360}, 15.75, true, right, true, false, QString::fromUtf16(kPlatformLine)},
        {"lblVersion", {5580, 2700, 3195, 285}, 12, true, right, true, false, {}},
        {"lblCopyright", {4560, 3060, 4215, 255}, 8.25, false, right, false, false,
         QString::fromUtf16(kMakerSecondLine)},
        {"lblCompany", {4560, 3270, 4215, 255}, 8.25, false, right, false, false, QString::fromUtf16(kMakerThirdLine)},
    };
    for (const LabelDesign& design : labels) {
        auto* label = new QLabel(design.text, frame);
        label->setObjectName(QString::fromLatin1(design.name));
        label->setFont(arial(design.points, design.bold));
        label->setAlignment(design.alignment);
        label->setWordWrap(design.wordWrap);
        const QRect designed = twipsRect(design.twips.x(), design.twips.y(), design.twips.width(), design.twips.height());
        label->setGeometry(designed);
        // Where the label is sized to its text, the load steps resize it with the text.
        label->setProperty("designedGeometry", designed);
        label->setProperty("sizedToText", design.sizedToText);
        if (design.sizedToText)
            sizeLabelToText(label, designed);
    }

    auto* button = new QPushButton(QString::fromUtf16(kBackToGame), this);
    button->setObjectName(QStringLiteral("Command1"));
    // Designed for a smaller system font: where the caption would be clipped, the button
    // grows to both sides and keeps its centre.
    QRect buttonRect = twipsRect(3960, 3960, 1455, 495);
    if (const int needed = button->sizeHint().width(); needed > buttonRect.width())
        buttonRect.adjust(-(needed - buttonRect.width() + 1) / 2, 0, (needed - buttonRect.width()) / 2, 0);
    button->setGeometry(buttonRect);
    button->setAutoDefault(true);
    button->setDefault(true);
    button->setFocus();
    connect(button, &QPushButton::clicked, this, &AboutScreen::Command1_Click);

    // Keys reach the window before any control: the button with the focus would take
    // Enter and Space for itself.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void AboutScreen::Form_Load(const QString& programDir)
{
    const auto setCaption = [this](const char* name, const QString& text) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(name));
        label->setText(text);
        if (label->property("sizedToText").toBool())
            sizeLabelToText(label, label->property("designedGeometry").toRect());
    };
    setCaption("lblVersion", programVersionText());
    setCaption("lblProductName", QString::fromUtf16(kProductName));

    auto* logo = findChild<PictureBox*>(QStringLiteral("imgLogo"));
    logo->setPictureAndRefresh(loadPictureOrExit(programDir, QStringLiteral("bramlow.bmp"), mainWindow_));
}

void AboutScreen::done(int)
{
    close();
}

void AboutScreen::keyPressEvent(QKeyEvent* event)
{
    if (!Form_KeyPress(*event))
        QDialog::keyPressEvent(event);
}

bool AboutScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && Form_KeyPress(static_cast<const QKeyEvent&>(*event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool AboutScreen::Form_KeyPress(const QKeyEvent& event)
{
    if (!producesCharacter(event))
        return false;
    close();
    return true;
}

void AboutScreen::Command1_Click()
{
    bringBackMainWindow();
    close();
}

void AboutScreen::closeEvent(QCloseEvent* event)
{
    // QDialog's own closeEvent would reject() and go round again; the unload runs here,
    // once, and never cancels the closing.
    Form_Unload();
    event->accept();
}

void AboutScreen::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    bringBackMainWindow();
    emit closed();
}

void AboutScreen::bringBackMainWindow()
{
    if (!mainWindow_)
        return;
    mainWindow_->repaint();
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

} // namespace bramlow
