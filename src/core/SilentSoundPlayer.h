#pragma once

#include "core/SoundPlayer.h"

// Plays nothing: for the simulator, the command line and benchmarks.
class CSilentSoundPlayer : public SoundPlayer {
public:
    void Play(const std::string&) override {}
};
