#pragma once
// A game that records and replays: the window (game/window) or the engine alone (engine_game.h).
// Its handlers are the window's: a person's click, the computer, a network peer and a replay
// all act through them, and the game records each action itself (game_recorder.h).

#include "engine/draw_feed.h"
#include "engine/engine.h"
#include "engine/field_name.h"
#include "engine/window_view.h"
#include "record/record_format.h"

#include <string>

namespace bramlow {

class PlayedGame {
public:
    virtual ~PlayedGame() = default;

    virtual void neu_but_Click() = 0;
    virtual void wuerfel_Click() = 0;
    virtual void Image1_Click() = 0;
    virtual void cellClick(const Cell& cell) = 0;

    // Back to the state after loading (the welcome), then `start` laid over it; the cells
    // keep their pictures until the record's new game sets all of them.
    virtual void resetTo(const StartState& start) = 0;

    virtual const Engine& engine() const = 0;
    virtual std::string text(TextBox box) const = 0;
    virtual std::string message() const = 0;
    virtual bool image1Enabled() const = 0;
    // The face the die shows (6 before the first roll).
    virtual int dieFace() const = 0;
    virtual DrawFeed& draws() = 0;
    virtual const DrawFeed& draws() const = 0;
};

// The face a die picture shows: 3 for "wuerfel3.bmp", 0 for any other name.
inline int faceOfDiePicture(const std::string& file)
{
    if (file.size() == 12 && file.compare(0, 7, "wuerfel") == 0 && file.compare(8, 4, ".bmp") == 0 && file[7] >= '1' &&
        file[7] <= '6')
        return file[7] - '0';
    return 0;
}

} // namespace bramlow
