#pragma once
// The command line's game to continue: `bramlow FILE.bramlow` loads the saved game once the
// window is up, as a double-click on the file in a file manager does.

#include <QString>
#include <QStringList>

#include <optional>

namespace bramlow {

// The first argument that is no option, among `arguments` as Qt leaves them (without the
// program's name and without Qt's own options); nothing when there is none.
std::optional<QString> recordFileArgument(const QStringList& arguments);

} // namespace bramlow
