#pragma once
// Turns each handler call of a game into its record line. The game calls `before` as a
// handler starts and `after` when it has returned; `after` gives the lines to append (the
// action, and a check value after a change of turn), or none when the call changed nothing
// the record keeps (a die clicked outside the roll phase, a cell while no piece is to be
// chosen or placed). A new game starts a new record, which the journal then replaces.
//
//   const auto before = recorder.before(game);
//   engine.wuerfel_Click();
//   for (const RecordEntry& line : recorder.after(Handler::wuerfel, {}, before, game)) ...

#include "record/played_game.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bramlow {

enum class Handler : std::uint8_t { neu, wuerfel, image1, cell };

class GameRecorder {
public:
    struct Before {
        std::string player; // ausgabe1
        std::string phase;  // ausgabe2
        StartState state;
        std::uint64_t draws = 0;
    };

    static Before before(const PlayedGame& game);
    std::vector<RecordEntry> after(Handler handler, const Cell& cell, const Before& before, const PlayedGame& game);

    const Record& record() const { return record_; }
    // Nothing recorded yet, or the record was cleared: no game to continue.
    bool empty() const { return record_.entries.empty(); }
    void clear() { record_ = {}; }

private:
    Record record_;
};

// The game on screen has been won: no player's turn, and the win's empty prompt.
bool isWon(const PlayedGame& game);

// A cell click was taken (a piece picked up, moved, or the winner announced once more) when
// it changed the phase or the player's text; refused, it changed neither.
bool clickTaken(const std::string& playerBefore, const std::string& phaseBefore, const PlayedGame& game);

} // namespace bramlow
