#pragma once

#include "core/Services.h"
#include "core/SimulatedClock.h"
#include "core/SoundPlayer.h"
#include "core/StringTable.h"
#include "settings/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

// Remembers what was played instead of playing it.
class CRecordingSoundPlayer : public SoundPlayer {
public:
    void Play(const std::string& file) override { played.push_back(file); }
    std::vector<std::string> played;
};

// Everything the metering core needs, simulated: a clock that moves when told, settings in memory,
// a data directory of its own, the shipped texts and a sound player that only listens.
struct MeteringWorld {
    explicit MeteringWorld(const CDateTime& start, uint64_t startTick = 1000000);

    std::string TariffPath() const { return dir.File("Fernzahl.tff"); }

    CTempDir dir;
    CSimulatedClock clock;
    CMemorySettingsStore settings{dir.Path()};
    CStringTable strings;
    CRecordingSoundPlayer sound;
    Services services{clock, settings, strings, sound, "anna"};
};
