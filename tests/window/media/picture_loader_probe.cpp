// Loads one picture the way the game does: picture_loader_probe <programDir> <bareName>.
// Prints the picture's size and exits 0, unless the loader ends the process first.
#include "window/media/picture_loader.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_loader_probe <programDir> <bareName>\n");
        return 2;
    }
    const QPixmap picture = bramlow::loadPictureOrExit(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    std::printf("%dx%d\n", picture.width(), picture.height());
    return 0;
}
