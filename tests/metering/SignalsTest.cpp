#include "support/StationDriver.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

namespace {

// 90 s units without an initial period; every tick checks the signals as the heartbeat does.
struct SignalsTest : ::testing::Test {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    std::unique_ptr<StationDriver> driver;
    std::vector<uint32_t> alarms; // seconds at which an alarm fired
    std::vector<uint32_t> sounds; // seconds at which the unit sound played

    void Configure(std::initializer_list<std::pair<DwordSetting, uint32_t>> values) {
        for (const auto& [setting, value] : values) {
            world.settings.Write(setting, value);
        }
        world.settings.Write(Setting::kDatei1, "alarm.wav");
        world.settings.Write(Setting::kDatei2, "unit.wav");
        CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 90});
        driver = std::make_unique<StationDriver>(world);
    }
    void Check() {
        CZaehlwerk& meter = driver->station.Meter();
        const size_t before = world.sound.played.size();
        if (meter.CheckSignals()) {
            alarms.push_back(meter.GetElapsedSeconds());
        }
        for (size_t i = before; i < world.sound.played.size(); ++i) {
            if (world.sound.played[i] == "unit.wav") {
                sounds.push_back(meter.GetElapsedSeconds());
            }
        }
    }
    void RunSeconds(int seconds) {
        driver->Start();
        Check();
        for (int tick = 1; tick <= seconds * 2; ++tick) {
            world.clock.Advance(500);
            driver->station.ChargeDueUnits();
            Check();
        }
    }
};

TEST_F(SignalsTest, UnitCountAlarmFiresOnceAtTheFifthUnit) {
    Configure({{Setting::kSignalEinh, 1}, {Setting::kAnzEinh, 5}});
    RunSeconds(600);
    EXPECT_EQ(alarms, (std::vector<uint32_t>{360}));
    EXPECT_EQ(world.sound.played, (std::vector<std::string>{"alarm.wav"}));
}

TEST_F(SignalsTest, UnitCountOfZeroAlarmsOnTheFirstTick) {
    Configure({{Setting::kSignalEinh, 1}, {Setting::kAnzEinh, 0}});
    RunSeconds(10);
    EXPECT_EQ(alarms, (std::vector<uint32_t>{0}));
}

TEST_F(SignalsTest, TimeAlarmFiresAtTheFirstTickAfterItsMinutes) {
    Configure({{Setting::kSignalZeit, 1}, {Setting::kZeit, 3}});
    RunSeconds(400);
    EXPECT_EQ(alarms, (std::vector<uint32_t>{180}));
}

TEST_F(SignalsTest, TimeAlarmOfZeroMinutesFiresAtOnce) {
    Configure({{Setting::kSignalZeit, 1}, {Setting::kZeit, 0}});
    RunSeconds(5);
    EXPECT_EQ(alarms, (std::vector<uint32_t>{0}));
}

TEST_F(SignalsTest, TimeAlarmOfAnHourOrMoreFiresToo) {
    Configure({{Setting::kSignalZeit, 1}, {Setting::kZeit, 61}});
    RunSeconds(62 * 60);
    EXPECT_EQ(alarms, (std::vector<uint32_t>{61 * 60}));
}

TEST_F(SignalsTest, PreSignalComesTwentySecondsBeforeEachUnit) {
    Configure({{Setting::kSignal20secVor, 1}});
    RunSeconds(260);
    EXPECT_EQ(sounds, (std::vector<uint32_t>{70, 160, 250}));
}

TEST_F(SignalsTest, UnitSoundAtTheStartAndEveryUnit) {
    Configure({{Setting::kSignalJedeEinh, 1}});
    RunSeconds(200);
    EXPECT_EQ(sounds, (std::vector<uint32_t>{0, 90, 180}));
}

TEST_F(SignalsTest, AlarmSoundComesBeforeTheUnitSoundOfTheSameTick) {
    Configure({{Setting::kSignalJedeEinh, 1}, {Setting::kSignalEinh, 1}, {Setting::kAnzEinh, 2}});
    RunSeconds(100);
    EXPECT_EQ(world.sound.played, (std::vector<std::string>{"unit.wav", "alarm.wav", "unit.wav"}));
    EXPECT_EQ(alarms, (std::vector<uint32_t>{90}));
}

} // namespace
