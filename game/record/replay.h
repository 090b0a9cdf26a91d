#pragma once
// Replays a record through a game's handlers, the draws supplied from the record, and checks
// every line against what the game does: the starting player and the face that each draw
// gives, the phase each click needs, whether a click was taken or refused, the check values.
// The first line that does not match stops the replay with a German message naming it.
// Replay on the engine alone (engine_game.h) first, and on the window only a record that
// passed there, so that a bad record never leaves a half-loaded game on screen.

#include "record/played_game.h"
#include "record/record_format.h"

#include <cstddef>

namespace bramlow {

struct ReplayResult {
    bool ok = false;
    RecordError error;
};

// Plays one action on `game` as it stands, its draw supplied from the action, after checking
// it against the game (a peer's action over the network is checked so, like a click). Empty
// when it matched, else the German reason, without "Zeile": nothing was clicked when the
// action could not be taken, but a click taken or refused otherwise than the action says
// has happened.
std::string playRecordedAction(const RecordAction& action, PlayedGame& game);

// Resets `game` to the record's start state, then plays entries[0 .. count) (all by default).
ReplayResult replayRecord(const Record& record, PlayedGame& game, std::size_t count = static_cast<std::size_t>(-1));

} // namespace bramlow
