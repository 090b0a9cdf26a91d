// Puts the control from the installed package on a form, doubles the form and checks
// that the button followed, running with the libTrellAuto of the prefix given as the one
// argument. Exit status 0 only when everything holds; otherwise it says what it saw.

#include <trellauto/trell_auto_size.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;

    QWidget form;
    form.resize(300, 200);
    auto* button = new QPushButton(QStringLiteral("Play"), &form);
    button->setGeometry(30, 40, 100, 30);
    QFont font = button->font();
    font.setPointSizeF(10);
    button->setFont(font);
    auto* autoSize = new TrellAutoSize(&form);
    autoSize->setObjectName(QStringLiteral("TrellAutoSize1"));
    autoSize->Init();
    form.resize(600, 400);
    autoSize->Sizechanged();

    QFile maps(QStringLiteral("/proc/self/maps"));
    maps.open(QIODevice::ReadOnly);
    static const QRegularExpression mapped(QStringLiteral(" (/.*/libTrellAuto\\.so.*)$"), QRegularExpression::MultilineOption);
    const QString library = mapped.match(QString::fromLocal8Bit(maps.readAll())).captured(1);

    if (button->geometry() == QRect(60, 80, 200, 60) && button->font().pointSizeF() == 20.0
        && library.startsWith(QString::fromLocal8Bit(argv[1]) + QLatin1Char('/')))
        return 0;
    const QRect g = button->geometry();
    std::printf("button %d,%d %dx%d at %.2f pt; library %s\n", g.x(), g.y(), g.width(), g.height(),
                button->font().pointSizeF(), qPrintable(library));
    return 1;
}
