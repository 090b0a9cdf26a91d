// The command line's bytes, one argument per NUL-separated piece, decoded as main() does.

#include "window/command_line.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    QStringList arguments;
    for (const QByteArray& piece : QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0'))
        arguments << QString::fromLocal8Bit(piece);
    const bramlow::CommandLine read = bramlow::readCommandLine(arguments);
    // A mistake is always named; without one, the computer's sides are chosen exactly when
    // the option is given.
    const bool computerGiven = std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
        return argument == QLatin1String("--computer") || argument.startsWith(QLatin1String("--computer="));
    });
    if (read.error.isEmpty() ? read.computer.has_value() != computerGiven : !read.error.startsWith("Bramlow: "))
        std::abort();
    return 0;
}
