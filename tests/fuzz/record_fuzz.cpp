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

// A message names the line it gives ("Zeile N: …"), or none for the file as a whole.
bool named(const RecordError& error)
{
    return !error.message.empty() && (error.line == 0 || error.message.starts_with("Zeile " + std::to_string(error.line) + ": "));
}

RecordEntries actionsOf(const Record& record)
{
    RecordEntries actions;
    for (const RecordEntry& entry : record.entries)
        if (std::holds_alternative<RecordAction>(entry))
            actions.push_back(entry);
    return actions;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Small limits, so that each kind of refusal is within the fuzzer's reach.
    const RecordLimits saved{1 << 16, 2000};
    RecordLimits journal = saved;
    journal.dropUnfinishedLastLine = true;
    const ParsedRecord asSaved = parseRecord(bytes, saved), parsed = parseRecord(bytes, journal);
    // The journal's reader takes all that the saved game's takes, and reads it alike, but for
    // a last line without its line end, which it drops as cut off while being written; what
    // is read, written again, reads back the same.
    const bool lastLineEnded = bytes.empty() || bytes.back() == '\n';
    if (!named(asSaved.error) && !asSaved.record)
        std::abort();
    if (!parsed.record && (!named(parsed.error) || (asSaved.record && lastLineEnded)))
        std::abort();
    if (!parsed.record)
        return 0;
    if ((asSaved.record && lastLineEnded && asSaved.record != parsed.record) ||
        parseRecord(recordText(*parsed.record), {std::size_t(-1), std::size_t(-1)}).record != parsed.record)
        std::abort();

    NoDraws none;
    EngineGame game(none);
    const ReplayResult result = replayRecord(*parsed.record, game);
    const std::size_t line = result.error.line;
    if (!result.ok && (!named(result.error) || line < 3 || line > lineOfEntry(parsed.record->entries.size())))
        std::abort();
    if (!result.ok)
        return 0;
    // A record that replays is the game's own: the game records the same actions again, and
    // what it records replays to the same game.
    const Record& again = game.recorder().record();
    EngineGame second(none);
    if (actionsOf(again) != actionsOf(*parsed.record) || again.start != parsed.record->start ||
        !replayRecord(again, second).ok || snapshotOf(second) != snapshotOf(game) || second.message() != game.message() ||
        second.dieFace() != game.dieFace() || second.image1Enabled() != game.image1Enabled())
        std::abort();
    return 0;
}
