// A game record's bytes, read as a saved game and as the journal are, and what the reader
// accepts replayed on the engine alone: a record that reads well but plays wrong is
// exercised too.

#include "record/check_value.h"
#include "record/engine_game.h"
#include "record/replay.h"

#include <cstdlib>
#include <string>

namespace {

using namespace bramlow;

// Every draw of a replay comes from the record; asking the game's own generator is a fault.
struct NoDraws final : RandomSource {
    float next() override { std::abort(); }
};

// The message names the line it gives: "Zeile N: …", or no line for the file as a whole.
void requireNamed(const RecordError& error)
{
    if (error.message.empty() || (error.line > 0 && !error.message.starts_with("Zeile " + std::to_string(error.line) + ": ")))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Small limits, so that each kind of refusal is within the fuzzer's reach.
    RecordLimits limits;
    limits.maxBytes = 1 << 16;
    limits.maxLines = 2000;
    RecordLimits journal = limits;
    journal.dropUnfinishedLastLine = true;
    const ParsedRecord saved = parseRecord(bytes, limits);
    const ParsedRecord parsed = parseRecord(bytes, journal);
    if (!saved.record)
        requireNamed(saved.error);
    if (!parsed.record) {
        requireNamed(parsed.error);
        // The journal's reader accepts all that the saved game's does.
        if (saved.record)
            std::abort();
        return 0;
    }
    if (saved.record && saved.record != parsed.record)
        std::abort();
    // What is read, written again, reads back as the same record.
    RecordLimits unbounded;
    unbounded.maxBytes = std::size_t(-1);
    unbounded.maxLines = std::size_t(-1);
    if (parseRecord(recordText(*parsed.record), unbounded).record != parsed.record)
        std::abort();

    NoDraws none;
    EngineGame game(none);
    const ReplayResult result = replayRecord(*parsed.record, game);
    if (!result.ok) {
        requireNamed(result.error);
        if (result.error.line < 3 || result.error.line > lineOfEntry(parsed.record->entries.size()))
            std::abort();
        return 0;
    }
    // A record that replays is the game's own: the game records the same actions again,
    // and what it records replays to the same game.
    RecordEntries actions;
    for (const RecordEntry& entry : parsed.record->entries)
        if (std::holds_alternative<RecordAction>(entry))
            actions.push_back(entry);
    const Record& again = game.recorder().record();
    RecordEntries recorded;
    for (const RecordEntry& entry : again.entries)
        if (std::holds_alternative<RecordAction>(entry))
            recorded.push_back(entry);
    if (recorded != actions || again.start != parsed.record->start)
        std::abort();
    EngineGame second(none);
    if (!replayRecord(again, second).ok || snapshotOf(second) != snapshotOf(game) || second.message() != game.message() ||
        second.dieFace() != game.dieFace() || second.image1Enabled() != game.image1Enabled())
        std::abort();
    return 0;
}
