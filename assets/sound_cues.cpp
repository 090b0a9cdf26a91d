#include "sound_cues.h"

#include "noise.h"
#include "wave_encoding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace bramlow::assets {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A die striking the cup wall or the table: a bright knock over a short woody body tone.
Samples impact(double brightness, double body, unsigned seed)
{
    Samples hit = knock(brightness, 6.0, 0.005, 0.05, seed);
    mixIn(hit, decayingTone(body, 0.010, 0.05), 0.0, 0.08);
    return hit;
}

// A brass-like note: harmonics that brighten during the attack, a little vibrato once held.
Samples brassNote(double frequency, double seconds, double release)
{
    Samples out = silence(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double vibrato = t > 0.12 ? 0.004 * std::sin(kTwoPi * 5.5 * (t - 0.12)) : 0.0;
        phase += kTwoPi * frequency * (1.0 + vibrato) / kSampleRate;
        const double brightness = 0.30 + 0.45 * std::min(1.0, t / 0.04);
        double value = 0.0;
        double weight = 1.0;
        for (int n = 1; n <= 12 && n * frequency < 15000.0; ++n) {
            value += weight * std::sin(n * phase);
            weight *= brightness;
        }
        out[i] = static_cast<float>(value);
    }
    fade(out, 0.025, release);
    return out;
}

// A low buzz: a softened sawtooth, sagging slightly in pitch.
Samples buzz(double frequency, double seconds)
{
    Samples out = silence(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        phase += kTwoPi * frequency * (1.0 - 0.08 * t / seconds) / kSampleRate;
        double value = 0.0;
        for (int n = 1; n <= 14; ++n)
            value += std::sin(n * phase) / n;
        out[i] = static_cast<float>(value);
    }
    lowPass(out, 700.0);
    fade(out, 0.010, 0.045);
    return out;
}

// A mallet on a wooden bar: the fundamental plus the bar's high fourth partial.
Samples malletNote(double frequency, double seconds)
{
    Samples out = decayingTone(frequency, 0.16, seconds);
    mixIn(out, decayingTone(frequency * 3.93, 0.03, seconds), 0.0, 0.22);
    mixIn(out, decayingTone(frequency * 2.0, 0.06, seconds), 0.0, 0.12);
    return out;
}

} // namespace

Samples cellTick()
{
    constexpr double length = 0.045;
    Samples tick = silence(length);
    mixIn(tick, knock(2600.0, 5.0, 0.004, length, 3u), 0.0, 3.0);
    mixIn(tick, decayingTone(1320.0, 0.008, length), 0.0, 0.5);
    mixIn(tick, decayingTone(3050.0, 0.004, length), 0.0, 0.2);
    tick.resize(sampleIndex(length));
    lowPass(tick, 7000.0);
    finish(tick, 0.42, 0.0015, 0.015);
    return tick;
}

Samples dieRattle()
{
    Samples rattle = silence(0.70);
    NoiseSequence chance(42u);
    unsigned seed = 100u;
    // Shaken in the cup: quick, irregular, bright clicks.
    for (double t = 0.008; t < 0.34; t += chance.between(0.020, 0.042))
        mixIn(rattle, impact(chance.between(2200.0, 3800.0), chance.between(520.0, 700.0), ++seed), t,
              chance.between(0.40, 0.85));
    // Thrown on the table: bounces ever closer and softer, then it rolls to rest.
    constexpr std::array<double, 7> bounces{0.400, 0.490, 0.555, 0.600, 0.632, 0.654, 0.670};
    double gain = 1.0;
    for (const double t : bounces) {
        mixIn(rattle, impact(chance.between(1300.0, 1900.0), chance.between(260.0, 340.0), ++seed), t, gain);
        gain *= 0.72;
    }
    rattle.resize(sampleIndex(0.70));
    finish(rattle, 0.70, 0.002, 0.020);
    return rattle;
}

Samples turnEnd()
{
    Samples chime = silence(0.60);
    mixIn(chime, malletNote(783.99, 0.45), 0.0, 1.0);   // G5
    mixIn(chime, malletNote(523.25, 0.46), 0.14, 1.0);  // C5
    chime.resize(sampleIndex(0.60));
    finish(chime, 0.60, 0.002, 0.060);
    return chime;
}

Samples refusal()
{
    Samples refused = silence(0.42);
    mixIn(refused, buzz(110.0, 0.16), 0.0);
    mixIn(refused, buzz(98.0, 0.19), 0.21);
    refused.resize(sampleIndex(0.42));
    finish(refused, 0.62, 0.003, 0.020);
    return refused;
}

Samples knockOut()
{
    constexpr double length = 0.50;
    Samples hit = silence(length);
    // Falling-pitch thump.
    double phase = 0.0;
    for (std::size_t i = 0; i < hit.size(); ++i) {
        const double t = double(i) / kSampleRate;
        phase += kTwoPi * (48.0 + 150.0 * std::exp(-t / 0.035)) / kSampleRate;
        hit[i] = static_cast<float>(std::sin(phase) * std::exp(-t / 0.11));
    }
    mixIn(hit, knock(3400.0, 1.2, 0.010, 0.06, 9u), 0.0, 2.0);
    // The struck piece rings like a small metal plate.
    mixIn(hit, decayingTone(523.0, 0.14, length), 0.004, 0.22);
    mixIn(hit, decayingTone(1387.0, 0.09, length), 0.004, 0.15);
    mixIn(hit, decayingTone(2291.0, 0.06, length), 0.004, 0.10);
    hit.resize(sampleIndex(length));
    for (float& s : hit)
        s = static_cast<float>(std::tanh(1.8 * s));
    finish(hit, 0.80, 0.003, 0.060);
    return hit;
}

Samples winnerFanfare()
{
    struct Note {
        double at;
        double frequency;
        double length;
        double release;
    };
    constexpr std::array<Note, 9> notes{{
        {0.00, 392.00, 0.13, 0.03},  // G4
        {0.14, 523.25, 0.13, 0.03},  // C5
        {0.28, 659.26, 0.13, 0.03},  // E5
        {0.42, 783.99, 0.28, 0.06},  // G5
        {0.72, 659.26, 0.12, 0.03},  // E5
        {0.86, 523.25, 0.66, 0.30},  // final chord, C major
        {0.86, 659.26, 0.66, 0.30},
        {0.86, 783.99, 0.66, 0.30},
        {0.86, 1046.50, 0.66, 0.30},
    }};
    Samples fanfare = silence(1.56);
    for (const Note& note : notes)
        mixIn(fanfare, brassNote(note.frequency, note.length, note.release), note.at, note.at > 0.8 ? 0.55 : 1.0);
    // A little room around the brass.
    const Samples dry = fanfare;
    mixIn(fanfare, dry, 0.071, 0.22);
    mixIn(fanfare, dry, 0.133, 0.12);
    lowPass(fanfare, 6500.0);
    fanfare.resize(sampleIndex(1.56));
    finish(fanfare, 0.75, 0.003, 0.080);
    return fanfare;
}

const std::vector<SoundCue>& soundCues()
{
    static const std::vector<SoundCue> cues{
        {"gut.wav", &cellTick},        {"wuerfeln.wav", &dieRattle}, {"ende.wav", &turnEnd},
        {"schlecht.wav", &refusal},    {"schlagen.wav", &knockOut},  {"winner.wav", &winnerFanfare},
    };
    return cues;
}

} // namespace bramlow::assets
