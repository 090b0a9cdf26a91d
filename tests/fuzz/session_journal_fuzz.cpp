// The network journal's bytes, read as a program coming back into its game reads them.

#include "network/session_journal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    using namespace bramlow::network;
    const ParsedSessionJournal parsed =
        parseSessionJournal(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // A refusal always says why; what is read holds together.
    if (!parsed.seat)
        return parsed.error.isEmpty() ? (std::abort(), 0) : 0;
    const SessionState& state = parsed.state;
    if (state.checks.size() != std::size_t(state.actions.size()) || state.gameBegins > state.actions.size()
        || (!state.openSecret.isEmpty() && state.openSecret.size() != 32))
        std::abort();
    for (const AgreedDrawRecord& draw : state.draws)
        if (draw.afterActions > state.actions.size() || draw.hostValue.size() != 32 || draw.guestValue.size() != 32)
            std::abort();
    return 0;
}
