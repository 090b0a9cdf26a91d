#include "engine/field_name.h"

namespace bramlow {

namespace {

bool isCellDigit(char c) { return c >= '1' && c <= '8'; }

} // namespace

std::string Cell::name() const { return fieldName(letter, first, second); }

std::optional<Cell> cellNamed(const std::string& feld)
{
    if (feld.size() != 3 || !isCellDigit(feld[1]) || !isCellDigit(feld[2]))
        return std::nullopt;
    return cellAt(feld[0], feld[1] - '0', feld[2] - '0');
}

std::optional<Cell> cellAt(char letter, int first, int second)
{
    if (!isGridLetter(letter) || first < 1 || first > 8 || second < 1 || second > 8)
        return std::nullopt;
    // The home areas have two rows only.
    if (letter != 'b' && first > 2)
        return std::nullopt;
    return Cell{letter, static_cast<std::int16_t>(first), static_cast<std::int16_t>(second)};
}

std::optional<Cell> cellWithIndex(char letter, std::int16_t index)
{
    if (index < 11 || index > 88)
        return std::nullopt;
    return cellAt(letter, index / 10, index % 10);
}

std::string fieldName(char letter, int first, int second)
{
    // Every name the game builds has single digits: three characters, built in place.
    if (first >= 0 && first <= 9 && second >= 0 && second <= 9)
        return {letter, static_cast<char>('0' + first), static_cast<char>('0' + second)};
    return std::string(1, letter) + std::to_string(first) + std::to_string(second);
}

} // namespace bramlow
