#pragma once

#include <string>

class CStringTable;
class Clock;
class SettingsStore;
class SoundPlayer;

// What the metering core needs from the world outside it. The programs fill it with the machine's
// clock, the settings file and libcanberra; tests and the simulator with stand-ins.
struct Services {
    const Clock& clock;
    SettingsStore& settings;
    const CStringTable& strings;
    SoundPlayer& sound;
    std::string userName; // the logged-on user, empty when the system cannot name one
};
