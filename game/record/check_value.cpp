#include "record/check_value.h"

namespace bramlow {

GameSnapshot snapshotOf(const PlayedGame& game)
{
    GameSnapshot snapshot;
    std::size_t i = 0;
    for (const char letter : {'b', 's', 'g'}) {
        const int rows = letter == 'b' ? 8 : 2;
        for (int first = 1; first <= rows; ++first)
            for (int second = 1; second <= 8; ++second)
                snapshot.cells[i++] = game.engine().lese(*cellAt(letter, first, second));
    }
    const TextBox boxes[] = {TextBox::ausgabe1, TextBox::ausgabe2, TextBox::speicher, TextBox::speicher2};
    for (std::size_t box = 0; box < 4; ++box)
        snapshot.texts[box] = game.text(boxes[box]);
    return snapshot;
}

std::uint32_t checkValue(const GameSnapshot& snapshot)
{
    std::uint32_t hash = 2166136261u;
    const auto add = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 16777619u;
    };
    for (const CellCode code : snapshot.cells)
        add(static_cast<unsigned char>(code));
    // A zero byte after each text keeps "ab" + "c" apart from "a" + "bc".
    for (const std::string& text : snapshot.texts) {
        for (const char c : text)
            add(static_cast<unsigned char>(c));
        add(0);
    }
    return hash;
}

} // namespace bramlow
