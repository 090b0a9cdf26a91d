#pragma once
// What the command line chooses for one run, read before Qt starts so that a mistake is
// reported even where no display is. Options the game does not know (Qt's own, such as
// -platform) are left to Qt, as are the values of Qt's options; the one argument without a
// leading "-" is a saved game to load.

#include "engine/computer_player.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace bramlow {

struct ComputerSides {
    bool silber = false;
    bool gold = false;
};

struct CommandLine {
    // --computer=silber|gold|beide|keiner; nothing when the command line does not choose.
    // "beide" is the demo.
    std::optional<ComputerSides> computer;
    // --level=leicht|mittel|stark: how well the computer plays.
    std::optional<ComputerLevel> level;

    // FILE.bramlow: a saved game, loaded once the window is up (a double-click in a file
    // manager). Nothing when none is given.
    std::optional<QString> recordFile;

    // Network play. --host[=PORT] opens a game on PORT (47474 without one), --side=silber|gold
    // is the host's own side (Silber without it), --code=NNNNNN the join code (the host draws
    // one without it), --join=HOST[:PORT] joins a game and needs --code.
    std::optional<quint16> hostPort;
    bool hostPlaysGold = false;
    QString code;
    QString joinHost;
    quint16 joinPort = 0;

    // --help: the usage, and nothing else; --version: the version, and nothing else.
    bool help = false;
    bool version = false;

    // A German message for the first bad value, else empty; the program then ends with
    // status 2 and the rest of the struct means nothing.
    QString error;
};

// Reads `arguments` (the command line without the program's name). An option given twice
// counts the last time.
CommandLine readCommandLine(const QStringList& arguments);

// True for Qt's own options that take the next argument as their value ("-platform xcb"):
// that argument is Qt's, never one of the game's.
bool takesValue(const QString& argument);

// Every option the reader knows, each with its good values as the error message lists
// them ("--computer=silber, --computer=gold, …"), so the manual pages can be held to it.
QList<QPair<QString, QString>> knownOptions();

// What --help prints: how to call the game and every option with its good values.
QString usageText();

} // namespace bramlow
