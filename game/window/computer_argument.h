#pragma once
// The command line's choice of who the computer plays for one run:
// --computer=silber|gold|beide|keiner. "beide" is the demo.

#include <QString>
#include <QStringList>

#include <optional>

namespace bramlow {

struct ComputerSides {
    bool silber = false;
    bool gold = false;
};

struct ComputerArgument {
    std::optional<ComputerSides> sides; // nothing when the command line does not choose
    QString error;                      // a German message for a bad value, else empty
};

// Reads the last --computer option among `arguments` (the command line without the
// program's name); every other argument is left to Qt or ignored, as before.
ComputerArgument readComputerArgument(const QStringList& arguments);

} // namespace bramlow
