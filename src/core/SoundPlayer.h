#pragma once

#include <string>

// Plays the user's signal sounds. Playing never blocks; a sound of the program that is still
// playing is not interrupted (the new one is dropped); a file that cannot be played, or an empty
// name, gives the desktop's bell instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const std::string& file) = 0;
};
