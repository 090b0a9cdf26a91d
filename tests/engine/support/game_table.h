#pragma once
// An engine on a recording window with a scripted die: the table that the engine tests
// play on.

#include "board_diagram.h"
#include "recording_view.h"
#include "scripted_random.h"

#include "engine/engine.h"

#include <string>

namespace bramlow::test {

inline const std::string silberTurn = "Es spielt Spieler Silber";
inline const std::string goldTurn = "Es spielt Spieler Gold";

struct GameTable {
    RecordingView view;
    ScriptedRandom random;
    Engine engine{view, random};

    // Draws every cell of `diagram` through drucke, then forgets the log.
    void setPosition(const Diagram& diagram);

    // `player` ("Es spielt Spieler Silber") is to move and rolls `face` with a real click
    // on the die; the log starts after the roll.
    void rollFor(const std::string& player, int face);

    // The same and then picks up the piece on `feld`; the log starts after the pick-up.
    void pickUpFor(const std::string& player, int face, const std::string& feld);

    // A click on the cell named `feld` ("b34", "s13", "g21").
    void click(const std::string& feld);

    Diagram position() const { return diagramOf(engine); }
    std::string prompt() const { return view.text(TextBox::ausgabe2); }
    std::string player() const { return view.text(TextBox::ausgabe1); }
};

} // namespace bramlow::test
