// The command line: a table of argument lists and what each chooses, and the real program
// ending with status 2 and a German message for a bad value.

#include "window/command_line.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <optional>

namespace bramlow {
namespace {

struct Case {
    const char* name;
    QStringList arguments;
    std::optional<std::pair<bool, bool>> computer; // silber, gold
    QString error;                                 // a part of the message, or empty
    std::optional<ComputerLevel> level = std::nullopt;
};

TEST(CommandLine, ReadsEachOptionAndNamesABadValue)
{
    const QString badComputer = QStringLiteral("ungültiger Wert „%1“ für --computer. Erlaubt sind --computer=silber");
    const Case cases[] = {
        {"nothing chosen", {}, std::nullopt, {}},
        {"gold", {"--computer=gold"}, std::pair(false, true), {}},
        {"keiner", {"--computer=keiner"}, std::pair(false, false), {}},
        {"the last one counts", {"--computer=silber", "--computer=beide"}, std::pair(true, true), {}},
        {"Qt's and look-alikes are left alone", {"-platform", "offscreen", "--computerx=rot", "--comp", "computer=rot"}, std::nullopt, {}},
        {"a wrong word", {"--computer=rot"}, std::nullopt, badComputer.arg("rot")},
        {"case matters", {"--computer=Silber"}, std::nullopt, badComputer.arg("Silber")},
        {"no value", {"--computer"}, std::nullopt, badComputer.arg("")},
        {"the first bad one stops", {"--computer=gold", "--computer=", "--computer=x"}, std::nullopt, badComputer.arg("")},
        {"a level", {"--level=stark"}, std::nullopt, {}, ComputerLevel::Stark},
        {"a level beside the sides", {"--level=mittel", "--computer=gold", "--level=leicht"}, std::pair(false, true), {}, ComputerLevel::Leicht},
        {"a level's name in capitals", {"--level=Stark"}, std::nullopt, QStringLiteral("„Stark“ für --level. Erlaubt sind --level=leicht")},
    };
    for (const Case& c : cases) {
        const CommandLine read = readCommandLine(c.arguments);
        EXPECT_TRUE(c.error.isEmpty() ? read.error.isEmpty() : read.error.contains(c.error)) << c.name << ": " << read.error.toStdString();
        if (!c.error.isEmpty())
            continue;
        ASSERT_EQ(read.computer.has_value(), c.computer.has_value()) << c.name;
        if (c.computer)
            EXPECT_EQ(std::pair(read.computer->silber, read.computer->gold), *c.computer) << c.name;
        EXPECT_EQ(read.level, c.level) << c.name;
    }
}

TEST(CommandLine, TheProgramEndsWithStatusTwoBeforeItNeedsADisplay)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BRAMLOW_PROGRAM_DIR "/bramlow"), {QStringLiteral("--computer=rot")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("ungültiger Wert „rot“ für --computer")));
}

} // namespace
} // namespace bramlow
