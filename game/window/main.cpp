#include "window/about/about_texts.h"
#include "command_line.h"
#include "engine/random_source.h"
#include "game_app.h"
#include "window/media/fatal_error.h"
#include "window/media/program_folder.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt aborts when no platform can start, as where no display is reachable; a player who
// starts the game from a terminal gets a German message and status 1 instead of a crash.
void reportNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    // Qt has named its cause in the lines before.
    std::fprintf(stderr, "Bramlow kann kein Fenster öffnen: keine Anzeige erreichbar (DISPLAY=„%s“).\n", display.constData());
    std::_Exit(1);
}

} // namespace

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
    if (commandLine.help || commandLine.version) {
        const QString text = commandLine.help ? bramlow::usageText()
                                              : QStringLiteral("Bramlow %1\n").arg(bramlow::programVersionText());
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    qtHandler = qInstallMessageHandler(reportNoDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    bramlow::GameApp game(bramlow::programFolder());
    if (commandLine.computer)
        game.options().setComputerForThisRun(*commandLine.computer);
    if (commandLine.level)
        game.options().levels().setLevelForThisRun(*commandLine.level);
    // Read at start only: on, this run's dice differ from every other's.
    if (game.options().freshDiceOn())
        bramlow::seedProcessRandomSource(std::random_device{}());
    QObject::connect(&game, &bramlow::GameApp::noWindowLeft, &app, &QCoreApplication::quit);
    game.start();
    if (commandLine.recordFile)
        game.recordMenu()->loadFile(*commandLine.recordFile);
    if (commandLine.hostPort) {
        const QString error = game.network().open(*commandLine.hostPort,
                                                  commandLine.hostPlaysGold ? bramlow::Player::gold : bramlow::Player::silber,
                                                  commandLine.code);
        if (!error.isEmpty())
            bramlow::reportFatalErrorAndExit(error, bramlow::NetworkPlay::joinFailedExitCode, game.mainWindow());
    } else if (!commandLine.joinHost.isEmpty()) {
        game.network().join({commandLine.joinHost, commandLine.joinPort}, commandLine.code, true);
    }
    return app.exec();
}
