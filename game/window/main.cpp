#include "computer_argument.h"
#include "game_app.h"
#include "record/record_argument.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Read before Qt starts, so that a bad value is reported even where no display is.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bramlow::ComputerArgument computer = bramlow::readComputerArgument(arguments);
    if (!computer.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", computer.error.toLocal8Bit().constData());
        return 2;
    }

    QApplication app(argc, argv);
    bramlow::GameApp game(QCoreApplication::applicationDirPath());
    if (computer.sides)
        game.options().setComputerForThisRun(*computer.sides);
    QObject::connect(&game, &bramlow::GameApp::noWindowLeft, &app, &QCoreApplication::quit);
    game.start();
    if (const auto record = bramlow::recordFileArgument(QCoreApplication::arguments().mid(1)))
        game.recordMenu()->loadFile(*record);
    return app.exec();
}
