#pragma once
// The game record: a game as the actions that made it, one readable UTF-8 line each, so that
// it replays to the same window anywhere. The journal, saved games, undo and network play
// all use it. Writing is `recordLine`/`recordText`; reading a whole record from bytes in
// memory is `parseRecord`, bounded in size and lines and linear in time, which tells a
// damaged or hostile record by a German message that names its line. Parsing checks only the
// form of each line; whether the actions are a game the rules allow is for replay.h.
//
//   Bramlow-Partie 1
//   anfang logo aus würfel 6 meldung "" speicher "Text1" speicher2 "Text1"
//   neu 0.7312509 Gold                 a new game; the draw chose Gold to start
//   wurf Gold 0.2051 2                 Gold rolled: the draw and the face it gives
//   nimm g13 ja                        a click in "Welche Figur bewegen?": picked up or refused
//   setze b33 nein                     a click in "Wohin bewegen?": moved or refused
//   logo                               the turn ended by a click on the logo
//   prüfwert 5c1e08a2                  the check value (check_value.h) at this point
//
// The "anfang" line holds what a new game leaves as it was on screen (the logo's switch, the
// die's face, the message line, the picked-up piece's two texts): the state the first "neu"
// was clicked in.

#include "engine/field_name.h"
#include "engine/player.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace bramlow {

inline constexpr int recordVersion = 1;
inline const std::string recordHeader = "Bramlow-Partie 1";

// What a new game leaves as it was: the first game of a record starts from here.
struct StartState {
    bool image1Enabled = false;
    int dieFace = 6;
    std::string message;
    std::string speicher = "Text1";
    std::string speicher2 = "Text1";
    bool operator==(const StartState&) const = default;
};

enum class ActionKind : std::uint8_t { newGame, roll, pickUp, destination, logo };

struct RecordAction {
    ActionKind kind = ActionKind::logo;
    float draw = 0.0f;             // newGame, roll
    Player player = Player::silber; // newGame: who starts; roll: who rolled
    int face = 0;                   // roll
    Cell cell;                      // pickUp, destination
    bool accepted = false;          // pickUp, destination
    bool operator==(const RecordAction&) const = default;
};

// One line after the two first ones: an action, or a check value.
struct CheckLine {
    std::uint32_t value = 0;
    bool operator==(const CheckLine&) const = default;
};
using RecordEntry = std::variant<RecordAction, CheckLine>;
using RecordEntries = std::vector<RecordEntry>;

struct Record {
    StartState start;
    std::vector<RecordEntry> entries; // entries[i] stands on line i + 3
    bool operator==(const Record&) const = default;
};

// The line number of entries[i], for messages.
constexpr std::size_t lineOfEntry(std::size_t i) { return i + 3; }

// Without the line end.
std::string recordLine(const RecordAction& action);
std::string recordLine(const CheckLine& check);
std::string startLine(const StartState& start);
// The whole record, every line ending in "\n".
std::string recordText(const Record& record);

struct RecordLimits {
    std::size_t maxBytes = 4 * 1024 * 1024;
    std::size_t maxLines = 100000;
    std::size_t maxLineBytes = 200;
    // A last line without its line end is an action cut off while it was written (the
    // journal after a crash): dropped when true, an error when false.
    bool dropUnfinishedLastLine = false;
};

struct RecordError {
    std::size_t line = 0; // 1-based; 0 for the record as a whole
    std::string message;  // German, starting with "Zeile N: " when a line is known
};

struct ParsedRecord {
    std::optional<Record> record;
    RecordError error; // when record is empty
};

ParsedRecord parseRecord(std::string_view bytes, const RecordLimits& limits = {});

// A German message naming `line`: "Zeile 7: <what>".
RecordError errorAt(std::size_t line, const std::string& what);

} // namespace bramlow
