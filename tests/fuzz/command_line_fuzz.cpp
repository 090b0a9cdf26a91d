// The command line's bytes, one argument per NUL-separated piece, decoded as main() does.

#include "window/command_line.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    QStringList arguments;
    for (const QByteArray& piece : QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0'))
        arguments << QString::fromLocal8Bit(piece);
    const bramlow::CommandLine read = bramlow::readCommandLine(arguments);
    // A mistake is always named; without one, the computer's sides are chosen exactly when
    // the option is given.
    bool computerGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (bramlow::takesValue(arguments[i]))
            ++i; // the value of one of Qt's options
        else if (arguments[i] == QLatin1String("--computer") || arguments[i].startsWith(QLatin1String("--computer=")))
            computerGiven = true;
    }
    if (read.error.isEmpty() ? read.computer.has_value() != computerGiven : !read.error.startsWith("Bramlow: "))
        std::abort();
    return 0;
}
