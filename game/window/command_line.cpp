#include "command_line.h"

namespace bramlow {

namespace {

// One "--name=value" option of the game. `read` stores a good value into the result and
// returns false for a bad one; `allowed` lists the good ones for the message.
struct Option {
    QLatin1String name;
    bool (*read)(const QString& value, CommandLine& into);
    QLatin1String allowed;
};

bool readComputer(const QString& value, CommandLine& into)
{
    if (value == QLatin1String("silber"))
        into.computer = ComputerSides{true, false};
    else if (value == QLatin1String("gold"))
        into.computer = ComputerSides{false, true};
    else if (value == QLatin1String("beide"))
        into.computer = ComputerSides{true, true};
    else if (value == QLatin1String("keiner"))
        into.computer = ComputerSides{false, false};
    else
        return false;
    return true;
}

bool readLevel(const QString& value, CommandLine& into)
{
    if (value == QLatin1String("leicht"))
        into.level = ComputerLevel::Leicht;
    else if (value == QLatin1String("mittel"))
        into.level = ComputerLevel::Mittel;
    else if (value == QLatin1String("stark"))
        into.level = ComputerLevel::Stark;
    else
        return false;
    return true;
}

// A new option is one more row here and one more member of CommandLine.
const Option kOptions[] = {
    {QLatin1String("--computer"), readComputer,
     QLatin1String("--computer=silber, --computer=gold, --computer=beide und --computer=keiner")},
    {QLatin1String("--level"), readLevel, QLatin1String("--level=leicht, --level=mittel und --level=stark")},
};

// The option that `argument` gives ("--name" alone or "--name=value"), or none.
const Option* optionOf(const QString& argument)
{
    for (const Option& option : kOptions) {
        if (argument.startsWith(option.name)
            && (argument.size() == option.name.size() || argument.at(option.name.size()) == QLatin1Char('=')))
            return &option;
    }
    return nullptr;
}

// Qt's own options that take the next argument as their value (QGuiApplication and the X11
// platform), so that "-platform xcb" names no saved game "xcb".
bool takesValue(const QString& argument)
{
    static const QStringList withValue = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                          "-qwindowgeometry", "-geometry", "-qwindowicon", "-qwindowtitle",
                                          "-title", "-display", "-style", "-stylesheet", "-session", "-name"};
    return withValue.contains(argument);
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    CommandLine result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (takesValue(argument)) {
            ++i;
            continue;
        }
        if (!argument.startsWith(QLatin1Char('-')) && !argument.isEmpty()) {
            if (result.recordFile) {
                result.error = QStringLiteral("Bramlow: nur eine Partie auf einmal, nicht „%1“ und „%2“.")
                                   .arg(*result.recordFile, argument);
                return result;
            }
            result.recordFile = argument;
            continue;
        }
        const Option* option = optionOf(argument);
        if (!option)
            continue;
        // "--name" alone has the empty value, which no option accepts.
        const QString value = argument.mid(option->name.size() + 1);
        if (!option->read(value, result)) {
            result.error = QStringLiteral("Bramlow: ungültiger Wert „%1“ für %2. Erlaubt sind %3.")
                               .arg(value, option->name, option->allowed);
            return result;
        }
    }
    return result;
}

} // namespace bramlow
