#pragma once
// Plays wave files from the program's directory, synchronously, through one SDL audio
// device that stays open for the player's lifetime.

#include <QString>

#include <chrono>

#include <memory>
#include <string>

namespace bramlow {

class SoundPlayer {
public:
    explicit SoundPlayer(QString programDir);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Reads `datei` (a bare name such as "gut.wav") anew, plays it and returns when at most
    // its last 30 ms are still to be heard, so that a sound played next follows it without
    // a gap and never over it, even after a repaint in between. Never fails: a missing,
    // unreadable, special, too large or malformed file gives the default sound or silence;
    // no audio device gives silence at once. Each file's bytes are decoded once. Does not
    // run the Qt event loop.
    void Play(const std::string& datei);

    // False when no audio device could be opened: every Play is then silent at once.
    bool hasDevice() const;

private:
    // Returns once the device holds at most `lead` of sound not yet taken.
    void waitUntilQueuedAtMost(std::chrono::milliseconds lead);

    struct Device;
    QString programDir_;
    std::unique_ptr<Device> device_;
};

} // namespace bramlow
