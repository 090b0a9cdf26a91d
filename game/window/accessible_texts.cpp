#include "accessible_texts.h"

#include <cctype>

namespace bramlow {

namespace {

QString squareOf(CellArray array, int index)
{
    const int first = index / 10;
    const int second = index % 10;
    switch (array) {
    case CellArray::b:
        // Odd squares are the pale ones, even squares (b11 among them) the dark ones.
        return (first + second) % 2 == 1 ? QStringLiteral("helles Feld") : QStringLiteral("dunkles Feld");
    case CellArray::s:
        return first == 1 ? QStringLiteral("Startfeld von Silber") : QStringLiteral("Zielfeld von Silber");
    case CellArray::g:
        return first == 1 ? QStringLiteral("Startfeld von Gold") : QStringLiteral("Zielfeld von Gold");
    }
    return {};
}

QString contentOf(CellCode code)
{
    if (code == SILBER_SELECTED)
        return QStringLiteral("Silber-Figur, ausgewählt");
    if (code == GOLD_SELECTED)
        return QStringLiteral("Gold-Figur, ausgewählt");
    if (isSilberPiece(code))
        return QStringLiteral("Silber-Figur");
    if (isGoldPiece(code))
        return QStringLiteral("Gold-Figur");
    return code == UNUSED_CELL ? QString() : QStringLiteral("leer");
}

char letterOf(CellArray array)
{
    switch (array) {
    case CellArray::b: return 'b';
    case CellArray::s: return 's';
    case CellArray::g: return 'g';
    }
    return '?';
}

} // namespace

QString cellAccessibleName(CellArray array, int index, CellCode code)
{
    QString name = QStringLiteral("%1%2, %3").arg(QLatin1Char(letterOf(array))).arg(index).arg(squareOf(array, index));
    if (const QString content = contentOf(code); !content.isEmpty())
        name += QStringLiteral(", ") + content;
    return name;
}

QString cellAccessibleDescription(CellArray array, int index)
{
    const int first = index / 10;
    const int second = index % 10;
    switch (array) {
    case CellArray::b:
        return QStringLiteral("Spielbrett, Reihe %1 von unten, Spalte %2 von links").arg(first).arg(second);
    case CellArray::s:
        return QStringLiteral("%1 neben Reihe %2").arg(first == 1 ? QStringLiteral("Startreihe links") : QStringLiteral("Zielreihe rechts")).arg(second);
    case CellArray::g:
        return QStringLiteral("%1 Spalte %2").arg(first == 1 ? QStringLiteral("Startreihe unter") : QStringLiteral("Zielreihe über")).arg(second);
    }
    return {};
}

CellCode codeOfCellPicture(const std::string& file)
{
    // Two digits and ".bmp", the way the engine names cell pictures.
    if (file.size() != 6 || file.compare(2, 4, ".bmp") != 0 || !std::isdigit(static_cast<unsigned char>(file[0]))
        || !std::isdigit(static_cast<unsigned char>(file[1])))
        return UNUSED_CELL;
    return static_cast<CellCode>((file[0] - '0') * 10 + (file[1] - '0'));
}

QString dieAccessibleName(const std::string& file)
{
    // "wuerfel" and one digit, then ".bmp".
    const QString face = file.size() > 7 ? QString(QLatin1Char(file[7])) : QString();
    return QStringLiteral("Würfel: %1").arg(face);
}

} // namespace bramlow
