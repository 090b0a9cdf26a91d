// The command line: a table of argument lists and what each chooses, and the real program
// ending with status 2 and a German message for a bad value.

#include "window/command_line.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace bramlow {
namespace {

// What a command line chooses, in one word: whom the computer plays ("silber", "gold",
// "beide", "keiner"), "nichts" when it does not choose, or the message of a mistake.
std::string chosen(const QStringList& arguments)
{
    const CommandLine read = readCommandLine(arguments);
    if (!read.error.isEmpty())
        return read.error.toStdString();
    if (!read.computer)
        return "nichts";
    const char* const sides[2][2] = {{"keiner", "gold"}, {"silber", "beide"}};
    return sides[read.computer->silber][read.computer->gold];
}

TEST(CommandLine, ReadsEachOptionAndNamesABadValue)
{
    const auto bad = [](const char* value) {
        return "Bramlow: ungültiger Wert „" + std::string(value) + "“ für --computer. Erlaubt sind "
               "--computer=silber, --computer=gold, --computer=beide und --computer=keiner.";
    };
    const std::pair<QStringList, std::string> cases[] = {
        {{}, "nichts"},
        {{"--computer=gold"}, "gold"},
        {{"--computer=keiner"}, "keiner"},
        {{"--computer=silber", "--computer=beide"}, "beide"}, // the last one counts
        {{"-platform", "offscreen", "--computerx=rot", "--comp", "computer=rot"}, "nichts"}, // Qt's and look-alikes
        {{"--computer=rot"}, bad("rot")},
        {{"--computer=Silber"}, bad("Silber")},
        {{"--computer"}, bad("")},
        {{"--computer=gold", "--computer=", "--computer=x"}, bad("")}, // the first bad one stops
    };
    for (const auto& [arguments, expected] : cases)
        EXPECT_EQ(chosen(arguments), expected) << arguments.join(' ').toStdString();
}

TEST(CommandLine, ReadsTheComputersLevel)
{
    EXPECT_EQ(readCommandLine({"--level=stark"}).level, ComputerLevel::Stark);
    EXPECT_EQ(readCommandLine({"--level=mittel", "--computer=gold", "--level=leicht"}).level, ComputerLevel::Leicht);
    EXPECT_TRUE(readCommandLine({"--level=Stark"}).error.contains(QStringLiteral("„Stark“ für --level. Erlaubt sind --level=leicht")));
}

TEST(CommandLine, TakesOneSavedGameButNotTheValueOfAQtOption)
{
    EXPECT_EQ(readCommandLine({"-platform", "xcb", "--computer=gold", "partie.bramlow"}).recordFile, "partie.bramlow");
    EXPECT_EQ(readCommandLine({"-style", "fusion", "-reverse"}).recordFile, std::nullopt);
    EXPECT_TRUE(readCommandLine({"a.bramlow", "b.bramlow"}).error.contains("nur eine Partie"));
}

// Run where no display is, as from a terminal without a desktop: a bad value, the usage and
// the version need none, and the game itself says in German that it cannot open its window.
TEST(CommandLine, TheProgramAnswersInGermanWhereNoDisplayIs)
{
    const struct {
        const char* argument;
        int status;
        const char* says;
    } runs[] = {
        {"--computer=rot", 2, "ungültiger Wert „rot“ für --computer"},
        {"--help", 0, "  --level: --level=leicht, --level=mittel und --level=stark\n"},
        {"--version", 0, "Bramlow Version "},
        {"--help=ja", 2, "ungültiger Wert „ja“ für --help"},
        {"--computer=gold", 1, "Bramlow kann kein Fenster öffnen: keine Anzeige erreichbar"},
    };
    for (const auto& run : runs) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(BRAMLOW_PROGRAM_DIR "/bramlow"), {QString::fromUtf8(run.argument)});
        ASSERT_TRUE(program.waitForFinished(60000)) << run.argument;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << run.argument;
        EXPECT_EQ(program.exitCode(), run.status) << run.argument;
        const QString output = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        EXPECT_TRUE(output.contains(QString::fromUtf8(run.says))) << run.argument << "\n" << output.toStdString();
    }
}

} // namespace
} // namespace bramlow
