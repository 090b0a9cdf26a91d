#include "command_line.h"
#include "game_app.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Read before Qt starts, so that a bad value is reported even where no display is.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bramlow::CommandLine commandLine = bramlow::readCommandLine(arguments);
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", commandLine.error.toLocal8Bit().constData());
        return 2;
    }

    QApplication app(argc, argv);
    bramlow::GameApp game(QCoreApplication::applicationDirPath());
    if (commandLine.computer)
        game.options().setComputerForThisRun(*commandLine.computer);
    QObject::connect(&game, &bramlow::GameApp::noWindowLeft, &app, &QCoreApplication::quit);
    game.start();
    return app.exec();
}
