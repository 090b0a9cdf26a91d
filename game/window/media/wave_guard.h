#pragma once
// A wave file is a RIFF image: "RIFF", size, "WAVE", then chunks of id, size, data. A
// hostile file may declare sizes far beyond its real length; a decoder trusting them
// would allocate gigabytes or read past the end.

#include <cstddef>
#include <span>

namespace bramlow {

// Lowers every declared size that runs past the end of `image` to the bytes actually
// present (the RIFF size and the chunk whose data is cut short; chunks after it are
// unreachable anyway). Returns false when `image` is no RIFF/WAVE image at all.
bool clampRiffChunkSizes(std::span<unsigned char> image);

} // namespace bramlow
