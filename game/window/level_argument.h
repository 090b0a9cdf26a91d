#pragma once
// The command line's choice of the computer's level for one run: --level=leicht|mittel|stark.

#include "engine/computer_player.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace bramlow {

struct LevelArgument {
    std::optional<ComputerLevel> level; // nothing when the command line does not choose
    QString error;                      // a German message for a bad value, else empty
};

// Reads the last --level option among `arguments` (the command line without the program's
// name); every other argument is left alone.
LevelArgument readLevelArgument(const QStringList& arguments);

} // namespace bramlow
