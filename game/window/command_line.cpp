#include "command_line.h"

#include "network/host_address.h"
#include "network/join_code.h"

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

bool readHost(const QString& value, CommandLine& into)
{
    if (value.isEmpty()) {
        into.hostPort = network::defaultPort;
        return true;
    }
    bool number = false;
    const uint port = value.toUInt(&number);
    if (number && port >= 1 && port <= 65535)
        into.hostPort = quint16(port);
    return number && port >= 1 && port <= 65535;
}

bool readSide(const QString& value, CommandLine& into)
{
    into.hostPlaysGold = value == QLatin1String("gold");
    return value == QLatin1String("gold") || value == QLatin1String("silber");
}

bool readCode(const QString& value, CommandLine& into)
{
    into.code = value;
    return network::joinCodeError(value).isEmpty();
}

bool readJoin(const QString& value, CommandLine& into)
{
    const network::HostAddress address = network::parseHostAddress(value);
    into.joinHost = address.host;
    into.joinPort = address.port;
    return address.error.isEmpty();
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

// --help and --version take no value.
bool readHelp(const QString& value, CommandLine& into)
{
    into.help = true;
    return value.isEmpty();
}

bool readVersion(const QString& value, CommandLine& into)
{
    into.version = true;
    return value.isEmpty();
}

// A new option is one more row here and one more member of CommandLine.
const Option kOptions[] = {
    {QLatin1String("--computer"), readComputer,
     QLatin1String("--computer=silber, --computer=gold, --computer=beide und --computer=keiner")},
    {QLatin1String("--host"), readHost, QLatin1String("--host und --host=PORT mit einem Port von 1 bis 65535")},
    {QLatin1String("--side"), readSide, QLatin1String("--side=silber und --side=gold")},
    {QLatin1String("--code"), readCode, QLatin1String("sechs Ziffern, etwa --code=042917")},
    {QLatin1String("--join"), readJoin, QLatin1String("--join=RECHNER und --join=RECHNER:PORT")},
    {QLatin1String("--level"), readLevel, QLatin1String("--level=leicht, --level=mittel und --level=stark")},
    {QLatin1String("--help"), readHelp, QLatin1String("--help ohne Wert")},
    {QLatin1String("--version"), readVersion, QLatin1String("--version ohne Wert")},
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

} // namespace

// The options of QGuiApplication and of the X11 platform.
bool takesValue(const QString& argument)
{
    static const QStringList withValue = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                          "-qwindowgeometry", "-geometry", "-qwindowicon", "-qwindowtitle",
                                          "-title", "-display", "-style", "-stylesheet", "-session", "-name"};
    return withValue.contains(argument);
}

QList<QPair<QString, QString>> knownOptions()
{
    QList<QPair<QString, QString>> options;
    for (const Option& option : kOptions)
        options.append({option.name, option.allowed});
    return options;
}

QString usageText()
{
    QString text = QStringLiteral("Aufruf: bramlow [OPTION …] [PARTIE.bramlow]\n"
                                  "Brettspiel mit Würfel für zwei Spieler.\n\nOptionen:\n");
    for (const Option& option : kOptions)
        text += QStringLiteral("  %1: %2\n").arg(option.name, option.allowed);
    return text + QStringLiteral("\nDazu gelten Qts übliche Optionen wie -platform. Mehr in „man bramlow“.\n");
}

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
        // "--name" alone has the empty value, which only --host accepts (its usual port).
        const QString value = argument.mid(option->name.size() + 1);
        if (!option->read(value, result)) {
            result.error = QStringLiteral("Bramlow: ungültiger Wert „%1“ für %2. Erlaubt sind %3.")
                               .arg(value, option->name, option->allowed);
            return result;
        }
    }
    if (result.hostPort && !result.joinHost.isEmpty())
        result.error = QStringLiteral("Bramlow: --host und --join schließen einander aus.");
    else if (!result.joinHost.isEmpty() && result.code.isEmpty())
        result.error = QStringLiteral("Bramlow: --join braucht den Code der Partie, etwa --code=042917.");
    return result;
}

} // namespace bramlow
