// A wave file's bytes take the player's path through the real decoder, converted to the
// format the game asks its audio device for.

#include "window/media/wave_decoder.h"

#include <SDL.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    bramlow::decodeWave(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), {48000, AUDIO_S16SYS, 2});
    return 0;
}
