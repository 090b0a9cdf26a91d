#pragma once
// The six sound cues of the game, synthesised (mono, kSampleRate, floats in [-1, 1]).

#include "synthesis.h"

#include <string>
#include <vector>

namespace bramlow::assets {

Samples cellTick();       // gut.wav: every cell change, 96 in a row at set-up, so 45 ms
Samples dieRattle();      // wuerfeln.wav: shaken in the cup, thrown, bouncing to rest
Samples turnEnd();        // ende.wav: a soft falling two-note chime
Samples refusal();        // schlecht.wav: a low double buzz
Samples knockOut();       // schlagen.wav: a punchy thump with a metal clang
Samples winnerFanfare();  // winner.wav: a short brass fanfare

struct SoundCue {
    std::string file;
    Samples (*make)();
};

const std::vector<SoundCue>& soundCues();

} // namespace bramlow::assets
