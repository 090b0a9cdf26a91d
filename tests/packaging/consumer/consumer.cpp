// Puts the control from the installed package on a form, doubles the form and checks
// that the button followed; prints which libTrellAuto it ran with. Argument: the prefix
// that library must come from. Exit status 0 only when everything holds.

#include <trellauto/trell_auto_size.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>

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

    QString library;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (maps.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : maps.readAll().split('\n')) {
            if (line.contains("libTrellAuto.so"))
                library = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        }
    }

    const QRect geometry = button->geometry();
    std::printf("button %d,%d %dx%d at %.2f pt; library %s\n", geometry.x(), geometry.y(),
                geometry.width(), geometry.height(), button->font().pointSizeF(),
                qPrintable(library));
    const bool doubled = geometry == QRect(60, 80, 200, 60) && button->font().pointSizeF() == 20.0;
    const bool fromPrefix = library.startsWith(QString::fromLocal8Bit(argv[1]) + QLatin1Char('/'));
    return doubled && fromPrefix ? 0 : 1;
}
