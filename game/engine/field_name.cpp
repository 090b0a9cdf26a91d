#include "engine/field_name.h"

namespace bramlow {

namespace {

bool isCellDigit(char c) { return c >= '1' && c <= '8'; }

} // namespace

bool isGridLetter(char letter) { return letter == 'b' || letter == 's' || letter == 'g'; }

std::string Cell::name() const { return fieldName(letter, first, second); }

std::optional<Cell> cellNamed(const std::string& feld)
{
    if (feld.size() != 3 || !isGridLetter(feld[0]) || !isCellDigit(feld[1]) || !isCellDigit(feld[2]))
        return std::nullopt;
    const Cell cell{feld[0], static_cast<std::int16_t>(feld[1] - '0'), static_cast<std::int16_t>(feld[2] - '0')};
    // The home areas have two rows only.
    if (cell.letter != 'b' && cell.first > 2)
        return std::nullopt;
    return cell;
}

std::optional<Cell> cellWithIndex(char letter, std::int16_t index)
{
    if (index < 11 || index > 88)
        return std::nullopt;
    return cellNamed(fieldName(letter, index / 10, index % 10));
}

std::string fieldName(char letter, int first, int second)
{
    return std::string(1, letter) + std::to_string(first) + std::to_string(second);
}

} // namespace bramlow
