#pragma once
// What must hold after every action of any game, checked by the random session of the tests
// and by the long campaign (bench/engine/engine_campaign.cpp): known texts, and no prompt but
// after a win; every cell holds a code legal for its grid and square colour; each player has
// eight pieces; exactly one piece is lifted while a destination is asked for, and none
// otherwise; speicher names it and speicher2 holds the code it had before.

#include "engine/engine.h"
#include "engine/field_name.h"

#include <string>
#include <utility>
#include <vector>

namespace bramlow::test {

// The texts of the window that hold the game's state.
struct StateTexts {
    std::string ausgabe1, ausgabe2, speicher, speicher2;
};

// The code a piece of the owner of `lifted` shows at rest on `cell`: what speicher2 keeps.
inline CellCode codeAtRest(const Cell& cell, CellCode lifted)
{
    const bool silber = lifted == SILBER_SELECTED;
    if (cell.letter != 'b')
        return silber ? SILBER_HOME : GOLD_HOME;
    if (isOddSquare(cell))
        return silber ? SILBER_ODD : GOLD_ODD;
    return silber ? SILBER_EVEN : GOLD_EVEN;
}

inline bool legalOn(const Cell& cell, CellCode code)
{
    if (cell.letter == 's')
        return code == SILBER_HOME_EMPTY || code == SILBER_HOME || (cell.first == 1 && code == SILBER_SELECTED);
    if (cell.letter == 'g')
        return code == GOLD_HOME_EMPTY || code == GOLD_HOME || (cell.first == 1 && code == GOLD_SELECTED);
    if (code == SILBER_SELECTED || code == GOLD_SELECTED)
        return true;
    return isOddSquare(cell) ? code == EMPTY_ODD || code == SILBER_ODD || code == GOLD_ODD
                             : code == EMPTY_EVEN || code == SILBER_EVEN || code == GOLD_EVEN;
}

// The 96 cells with their names.
inline const std::vector<std::pair<Cell, std::string>> namedCells = [] {
    std::vector<std::pair<Cell, std::string>> all;
    for (const char letter : {'b', 's', 'g'}) {
        for (int first = 1; first <= (letter == 'b' ? 8 : 2); ++first) {
            for (int second = 1; second <= 8; ++second)
                all.emplace_back(*cellAt(letter, first, second), fieldName(letter, first, second));
        }
    }
    return all;
}();

// The first rule the position and the texts break, or an empty string.
inline std::string invariantViolation(const Engine& engine, const StateTexts& texts)
{
    static const std::string winner = "Glückwunsch!\r\nGewonnen hat Spieler ";
    const std::string& prompt = texts.ausgabe2;
    const std::string& player = texts.ausgabe1;
    if (prompt != "Bitte neues Spiel wählen!" && prompt != "Bitte wuerfeln!" && prompt != "Welche Figur bewegen?" &&
        prompt != "Wohin bewegen?" && !prompt.empty())
        return "unknown prompt \"" + prompt + "\"";
    const bool won = player == winner + "Silber" || player == winner + "Gold";
    if (player != "Willkommen bei Bramlow" && player != "Es spielt Spieler Silber" &&
        player != "Es spielt Spieler Gold" && !won)
        return "unknown player text \"" + player + "\"";
    if (prompt.empty() && !won)
        return "no prompt, but nobody has won";
    int silber = 0, gold = 0, lifted = 0;
    for (const auto& [cell, name] : namedCells) {
        const CellCode code = engine.lese(name);
        if (!legalOn(cell, code))
            return name + " holds code " + std::to_string(code);
        silber += isSilberPiece(code);
        gold += isGoldPiece(code);
        if (code != SILBER_SELECTED && code != GOLD_SELECTED)
            continue;
        ++lifted;
        if (texts.speicher != name || texts.speicher2 != std::to_string(codeAtRest(cell, code)))
            return name + " is lifted, speicher \"" + texts.speicher + "\", speicher2 \"" + texts.speicher2 + "\"";
    }
    if (silber != 8 || gold != 8)
        return std::to_string(silber) + " Silber and " + std::to_string(gold) + " Gold pieces";
    if (lifted != (prompt == "Wohin bewegen?" ? 1 : 0))
        return std::to_string(lifted) + " pieces lifted at \"" + prompt + "\"";
    return {};
}

} // namespace bramlow::test
