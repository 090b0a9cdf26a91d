#pragma once
// Every picture and sound is a file in the program's own directory (the directory of the
// running executable, never the working directory). One separator joins directory and
// bare file name.

#include <QString>

namespace bramlow {

QString programFile(const QString& programDir, const QString& bareName);

} // namespace bramlow
