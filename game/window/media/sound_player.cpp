#include "window/media/sound_player.h"

#include "window/media/bounded_file.h"
#include "window/media/program_files.h"
#include "window/media/wave_decoder.h"

#include <QApplication>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace bramlow {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

// 240 frames at 48 kHz are exactly 5 ms: the device takes the queue one such buffer at a
// time.
constexpr int kWantedFrequency = 48000;
constexpr int kWantedFrames = 240;
// Play returns when this much of its sound is still to be played. What the window does
// before the next Play (a repaint, on a real display a round trip to the X server, on a
// busy machine a lost time slice) must fit in it, or the device runs dry between two
// cues; a single buffer period is too short for that. Sounds still never overlap: the
// next one is queued behind the rest.
constexpr milliseconds kLead{30};
// Play looks at the queue this often once it should be nearly empty: a sound that follows
// at once is queued well within one buffer period.
constexpr microseconds kDrainPoll{100};
// A fresh PulseAudio or PipeWire stream can take long to start its first sound; the
// device is started on silence so that the first real cue is not the one that waits.
constexpr int kWarmUpMs = 40;
// How much longer than the sound itself Play waits for a device that has stalled.
constexpr milliseconds kStallMargin{1000};
// The game has six cues. A cache that outgrows this many is emptied, so that a file
// replaced again and again cannot fill the memory.
constexpr std::size_t kMaxCues = 16;

void playDesktopDefaultSound()
{
    // The window system's bell is the desktop's own default sound, at no extra cost.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

} // namespace

struct SoundPlayer::Device {
    SDL_AudioDeviceID id = 0;
    AudioFormat format;
    milliseconds bufferTime{0};
    // When the device took the last sound in full: its last buffer is heard until a
    // buffer period later.
    Clock::time_point lastTaken;
    // Each wave decoded once, kept by the exact bytes of its file, a broken one as nothing.
    struct Cue {
        QByteArray bytes;
        std::optional<std::vector<unsigned char>> samples;
    };
    std::vector<Cue> cues;

    const std::optional<std::vector<unsigned char>>& decoded(const QByteArray& bytes)
    {
        for (const Cue& cue : cues) {
            if (cue.bytes == bytes)
                return cue.samples;
        }
        if (cues.size() >= kMaxCues)
            cues.clear();
        cues.push_back({bytes, decodeWave(bytes, format)});
        return cues.back().samples;
    }

    milliseconds timeOf(std::int64_t bytes) const
    {
        const std::int64_t perSecond = std::max<std::int64_t>(1, format.bytesPerSecond());
        return milliseconds((bytes * 1000 + perSecond - 1) / perSecond);
    }
};

SoundPlayer::SoundPlayer(QString programDir)
    : programDir_(std::move(programDir))
{
    // SDL would otherwise take over SIGINT and SIGTERM, and the program would no longer
    // end on Ctrl+C.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "bramlow: kein Audiosystem (%s), das Spiel bleibt stumm.\n", SDL_GetError());
        return;
    }

    SDL_AudioSpec wanted{};
    wanted.freq = kWantedFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kWantedFrames;
    SDL_AudioSpec obtained{};
    // Any rate, format and channel count the device prefers, but SDL keeps our buffer size
    // and rebuffers itself: with a changed buffer size SDL 2.26 frees a bad pointer when
    // its dummy driver's device is closed, and the program would abort on exit.
    constexpr int allowedChanges =
        SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE;
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, allowedChanges);
    if (id == 0) {
        std::fprintf(stderr, "bramlow: kein Audiogerät (%s), das Spiel bleibt stumm.\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }

    device_ = std::make_unique<Device>();
    device_->id = id;
    device_->format = AudioFormat{obtained.freq, obtained.format, obtained.channels};
    device_->bufferTime = device_->timeOf(std::int64_t(obtained.samples) * device_->format.bytesPerFrame());

    const std::size_t warmUpBytes =
        std::size_t(device_->format.bytesPerSecond() * kWarmUpMs / 1000 / device_->format.bytesPerFrame()) *
        std::size_t(device_->format.bytesPerFrame());
    const std::vector<unsigned char> silence(warmUpBytes, obtained.silence);
    SDL_QueueAudio(id, silence.data(), Uint32(silence.size()));
    SDL_PauseAudioDevice(id, 0);
}

SoundPlayer::~SoundPlayer()
{
    if (device_) {
        // Let the rest of the last sound be heard before the device goes.
        waitUntilQueuedAtMost(milliseconds(0));
        std::this_thread::sleep_until(device_->lastTaken + device_->bufferTime);
        SDL_CloseAudioDevice(device_->id);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SoundPlayer::hasDevice() const
{
    return device_ != nullptr;
}

void SoundPlayer::Play(const std::string& datei)
{
    if (!device_)
        return;

    const QString path = programFile(programDir_, QString::fromUtf8(datei.data(), qsizetype(datei.size())));
    // The file as it is now; bytes decoded before are not decoded again.
    const FileBytes file = readRegularFile(path, kMaxWaveFileBytes);
    static const std::optional<std::vector<unsigned char>> broken;
    const auto& samples = file.fault == FileFault::none ? device_->decoded(file.bytes) : broken;
    if (!samples) {
        playDesktopDefaultSound();
        return;
    }
    if (samples->empty())
        return;
    if (SDL_QueueAudio(device_->id, samples->data(), Uint32(samples->size())) != 0)
        return;
    waitUntilQueuedAtMost(kLead);
}

void SoundPlayer::waitUntilQueuedAtMost(milliseconds lead)
{
    const SDL_AudioDeviceID id = device_->id;
    const milliseconds queued = device_->timeOf(SDL_GetQueuedAudioSize(id));
    const Clock::time_point deadline = Clock::now() + queued + 2 * device_->bufferTime + kStallMargin;

    // The queue shrinks one device buffer at a time: sleep until it should be down to the
    // lead, then look again at short intervals.
    for (Uint32 left = SDL_GetQueuedAudioSize(id);; left = SDL_GetQueuedAudioSize(id)) {
        const milliseconds leftTime = device_->timeOf(left);
        if (left == 0)
            device_->lastTaken = Clock::now();
        if (leftTime <= lead)
            return;
        if (Clock::now() >= deadline) {
            // A stalled device: drop what it did not take, so later cues do not pile up.
            SDL_ClearQueuedAudio(id);
            return;
        }
        std::this_thread::sleep_for(std::max<microseconds>(kDrainPoll, leftTime - lead));
    }
}

} // namespace bramlow
