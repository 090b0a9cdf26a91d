// One WebSocket frame's bytes from a peer, read as the network layer reads them.

#include "network/network_message.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    using namespace bramlow::network;
    const ParsedMessage parsed = parseMessage(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // A refusal always says why; a message read writes itself back to the same message.
    if (const QString* error = std::get_if<QString>(&parsed)) {
        if (error->isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = encodeMessage(std::get<Message>(parsed));
    const ParsedMessage again = parseMessage(written);
    if (!std::holds_alternative<Message>(again) || encodeMessage(std::get<Message>(again)) != written)
        std::abort();
    return 0;
}
