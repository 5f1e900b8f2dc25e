#pragma once

#include "core/SoundPlayer.h"

struct ca_context;

// Plays signal sounds through libcanberra, the desktop's event-sound library. The context is made
// on the first sound, so a program that never signals never talks to the sound server; without
// one, playing fails quietly.
class CCanberraSoundPlayer : public SoundPlayer {
public:
    CCanberraSoundPlayer() = default;
    ~CCanberraSoundPlayer() override;
    CCanberraSoundPlayer(const CCanberraSoundPlayer&) = delete;
    CCanberraSoundPlayer& operator=(const CCanberraSoundPlayer&) = delete;

    void Play(const std::string& file) override;

private:
    bool IsPlaying();

    ca_context* m_context = nullptr;
    bool m_failed = false;
};
