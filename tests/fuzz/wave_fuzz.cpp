// A wave file's bytes take the player's path through the real decoder: the bytes are a
// file in memory (memfd), converted to the format the game asks its audio device for.

#include "window/media/wave_decoder.h"

#include <SDL.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const int file = memfd_create("wave", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(file);
    if (file < 0 || ftruncate(file, 0) != 0 || pwrite(file, data, size, 0) != ssize_t(size))
        std::abort();
    bramlow::decodeWaveFile(path, {48000, AUDIO_S16SYS, 2});
    return 0;
}
