#include "window/media/program_files.h"

namespace bramlow {

QString programFile(const QString& programDir, const QString& bareName)
{
    // One separator always, even after a trailing one: "/opt/b/" gives "/opt/b//gut.wav",
    // which names the same file. An empty directory must not fall back to the working
    // directory, so it yields "/name", never "name".
    return programDir + QLatin1Char('/') + bareName;
}

} // namespace bramlow
