#pragma once
// What must hold after every action of any game, checked by the random session of the tests
// and by the long campaign (bench/engine/engine_campaign.cpp): known texts, and no prompt but
// after a win; every cell holds a code legal for its grid and square colour; each player has
// eight pieces; exactly one piece is lifted while a destination is asked for, and none
// otherwise; speicher names it and speicher2 holds the code it had before. Also the list of
// all fields, which the invariants walk and the tests click through.

#include "engine/engine.h"
#include "engine/field_name.h"

#include <set>
#include <string>
#include <vector>

namespace bramlow::test {

// All 96 field names in the order of the position diagrams in engine_table.h:
// Gold's target row, board rows 8 down to 1 each between Silber's two cells, Gold's start row.
inline const std::vector<std::string> allFields = [] {
    std::vector<std::string> all;
    for (int k = 1; k <= 8; ++k)
        all.push_back(fieldName('g', 2, k));
    for (int row = 8; row >= 1; --row) {
        all.push_back(fieldName('s', 1, row));
        for (int col = 1; col <= 8; ++col)
            all.push_back(fieldName('b', row, col));
        all.push_back(fieldName('s', 2, row));
    }
    for (int k = 1; k <= 8; ++k)
        all.push_back(fieldName('g', 1, k));
    return all;
}();

// The texts of the window that hold the game's state.
struct StateTexts {
    std::string ausgabe1, ausgabe2, speicher, speicher2;
};

// The code of a piece at rest on `cell`: what speicher2 keeps when it is lifted from there.
inline CellCode atRest(const Cell& cell, bool silber)
{
    if (cell.letter != 'b')
        return silber ? SILBER_HOME : GOLD_HOME;
    return isOddSquare(cell) ? (silber ? SILBER_ODD : GOLD_ODD) : (silber ? SILBER_EVEN : GOLD_EVEN);
}

// Empty, or a piece at rest (at home only its owner's), or lifted (never in a target row).
inline bool legalOn(const Cell& cell, CellCode code)
{
    if (cell.letter != 'b') {
        const bool silber = cell.letter == 's';
        return code == (silber ? SILBER_HOME_EMPTY : GOLD_HOME_EMPTY) || code == atRest(cell, silber) ||
               (cell.first == 1 && code == (silber ? SILBER_SELECTED : GOLD_SELECTED));
    }
    return code == (isOddSquare(cell) ? EMPTY_ODD : EMPTY_EVEN) || code == atRest(cell, true) ||
           code == atRest(cell, false) || code == SILBER_SELECTED || code == GOLD_SELECTED;
}

// The first rule the position and the texts break, or an empty string.
inline std::string invariantViolation(const Engine& engine, const StateTexts& t)
{
    static const std::string win = "Glückwunsch!\r\nGewonnen hat Spieler ";
    static const std::set<std::string> prompts = {"Bitte neues Spiel wählen!", "Bitte wuerfeln!",
                                                  "Welche Figur bewegen?", "Wohin bewegen?", ""};
    static const std::set<std::string> players = {"Willkommen bei Bramlow", "Es spielt Spieler Silber",
                                                  "Es spielt Spieler Gold", win + "Silber", win + "Gold"};
    if (!prompts.contains(t.ausgabe2) || !players.contains(t.ausgabe1) ||
        (t.ausgabe2.empty() && !t.ausgabe1.starts_with(win)))
        return "texts \"" + t.ausgabe1 + "\", \"" + t.ausgabe2 + "\"";
    int silber = 0, gold = 0, lifted = 0;
    for (const std::string& name : allFields) {
        const Cell cell = *cellNamed(name);
        const CellCode code = engine.lese(name);
        if (!legalOn(cell, code))
            return name + " holds code " + std::to_string(code);
        silber += isSilberPiece(code);
        gold += isGoldPiece(code);
        const bool isSilber = code == SILBER_SELECTED;
        if (!isSilber && code != GOLD_SELECTED)
            continue;
        ++lifted;
        if (t.speicher != name || t.speicher2 != std::to_string(atRest(cell, isSilber)))
            return name + " is lifted; speicher \"" + t.speicher + "\", speicher2 \"" + t.speicher2 + "\"";
    }
    if (silber != 8 || gold != 8 || lifted != (t.ausgabe2 == "Wohin bewegen?" ? 1 : 0))
        return std::to_string(silber) + " Silber, " + std::to_string(gold) + " Gold, " + std::to_string(lifted) +
               " lifted at \"" + t.ausgabe2 + "\"";
    return {};
}

} // namespace bramlow::test
