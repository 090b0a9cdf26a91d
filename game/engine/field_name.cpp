#include "engine/field_name.h"

namespace bramlow {

std::string Cell::name() const { return fieldName(letter, first, second); }

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
