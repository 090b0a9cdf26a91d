#include "computer_argument.h"
#include "engine/random_source.h"
#include "game_app.h"
#include "level_argument.h"

#include <QApplication>

#include <cstdio>
#include <random>

int main(int argc, char* argv[])
{
    // Read before Qt starts, so that a bad value is reported even where no display is.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bramlow::ComputerArgument computer = bramlow::readComputerArgument(arguments);
    const bramlow::LevelArgument level = bramlow::readLevelArgument(arguments);
    for (const QString& error : {computer.error, level.error}) {
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 2;
        }
    }

    QApplication app(argc, argv);
    bramlow::GameApp game(QCoreApplication::applicationDirPath());
    if (computer.sides)
        game.options().setComputerForThisRun(*computer.sides);
    if (level.level)
        game.options().levels().setLevelForThisRun(*level.level);
    if (game.options().freshDiceOn())
        bramlow::seedProcessRandomSource(std::random_device{}());
    QObject::connect(&game, &bramlow::GameApp::noWindowLeft, &app, &QCoreApplication::quit);
    game.start();
    return app.exec();
}
