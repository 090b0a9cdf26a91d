#pragma once
// The fixed numbers of the network protocol, in one place.

#include <QtGlobal>

#include <chrono>

namespace bramlow::network {

// Raised whenever a message changes meaning; a peer of another version is refused.
constexpr int protocolVersion = 1;
constexpr quint16 defaultPort = 47474;
// The WebSocket subprotocol path; the server answers nothing else.
constexpr char resourcePath[] = "/bramlow";
// One JSON message a frame, never more than this many bytes.
constexpr qint64 maxMessageBytes = 64 * 1024;
// Longer than any action of the game; keeps a hostile peer's strings small.
constexpr int maxLineChars = 200;
constexpr int maxTextChars = 500;
// More messages than this within one second is a flood: a game sends a handful.
constexpr int maxMessagesPerSecond = 200;
// Numbers of actions and draws stay far below this in any game.
constexpr int maxSequenceNumber = 1000000;
// Wrong codes before the host shuts its door, and for how long.
constexpr int wrongCodesBeforeLock = 3;
constexpr std::chrono::milliseconds lockTime{30000};

// How often the line is probed, and how long a silent peer counts as still there.
struct LinkTiming {
    std::chrono::milliseconds pingInterval{5000};
    std::chrono::milliseconds silenceLimit{15000};
};

} // namespace bramlow::network
