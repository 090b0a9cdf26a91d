#include "window/media/wave_decoder.h"

#include "window/media/wave_guard.h"

#include <SDL.h>

#include <algorithm>
#include <memory>

namespace bramlow {

int AudioFormat::bytesPerFrame() const
{
    return int(SDL_AUDIO_BITSIZE(sdlFormat)) / 8 * channels;
}

namespace {

struct WaveBufferFree {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

std::optional<std::vector<unsigned char>> convert(const SDL_AudioSpec& source, const Uint8* data, Uint32 length,
                                                  const AudioFormat& target)
{
    if (source.format == target.sdlFormat && source.channels == target.channels && source.freq == target.frequency)
        return std::vector<unsigned char>(data, data + length);

    // SDL_AudioCVT rather than SDL_AudioStream: the stream of SDL 2.26 keeps the last
    // resampler block back even after a flush, which cuts the end off every resampled cue.
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, target.sdlFormat, Uint8(target.channels),
                          target.frequency) < 0)
        return std::nullopt;
    const std::int64_t working = std::int64_t(length) * std::max(1, cvt.len_mult);
    if (working > kMaxConversionBytes)
        return std::nullopt;
    std::vector<unsigned char> buffer(std::size_t(working), 0);
    std::copy(data, data + length, buffer.begin());
    cvt.buf = buffer.data();
    cvt.len = int(length);
    if (SDL_ConvertAudio(&cvt) != 0)
        return std::nullopt;
    buffer.resize(std::size_t(cvt.len_cvt));
    return buffer;
}

} // namespace

std::optional<std::vector<unsigned char>> decodeWave(QByteArray bytes, const AudioFormat& target)
{
    if (bytes.size() > kMaxWaveFileBytes ||
        !clampRiffChunkSizes({reinterpret_cast<unsigned char*>(bytes.data()), std::size_t(bytes.size())}))
        return std::nullopt;

    SDL_RWops* memory = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    if (!memory)
        return std::nullopt;
    SDL_AudioSpec source{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(memory, 1, &source, &raw, &length))
        return std::nullopt;
    std::unique_ptr<Uint8, WaveBufferFree> samples(raw);

    if (length == 0) // a sound of no length is silence, in whichever format it was written
        return std::vector<unsigned char>();
    const AudioFormat sourceFormat{source.freq, source.format, source.channels};
    if (source.freq < kMinSampleRate || source.freq > kMaxSampleRate || sourceFormat.bytesPerSecond() <= 0 ||
        length / sourceFormat.bytesPerSecond() >= kMaxSoundSeconds)
        return std::nullopt;
    return convert(source, samples.get(), length, target);
}

} // namespace bramlow
