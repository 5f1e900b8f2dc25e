#include "metering/MeterLoop.h"

#include "core/ResourceIds.h"
#include "log/ProtokollFile.h"
#include "settings/SettingsStore.h"
#include "support/FakeSources.h"
#include "support/MeteringWorld.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

namespace {

// What a face of the meter is told, in order.
class CRecordingFace : public MeterObserver {
public:
    void OnConnectionStarted() override { events.push_back("started"); }
    void OnConnectionEnded(const LogEntry& ended) override { events.push_back("ended " + ended.connectionName); }
    void OnLogChanged() override { events.push_back("log"); }
    void OnNotice(const MeterNotice& notice) override { notices.push_back(notice); }
    std::vector<std::string> events;
    std::vector<MeterNotice> notices;
};

struct MeterLoopTest : ::testing::Test {
    MeterLoopTest() {
        world.settings.Write(Setting::kDfueNetzwerk, 1);
        world.settings.Write(Setting::kVorlaufzeit, 0);
        CTariffBuilder(world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
        loop.ReadSettings(); // as after the options
        loop.AddObserver(face);
    }
    // Beats as the timer does, for that long.
    void BeatFor(uint64_t milliseconds) {
        for (uint64_t t = 0; t < milliseconds; t += CMeterLoop::kBeatMs) {
            loop.Beat();
            world.clock.Advance(CMeterLoop::kBeatMs);
        }
    }
    void Connect(const std::string& name) { dialUp.links = {{name, "ttyS0", "ppp0"}}; }
    std::vector<std::string> NoticeTexts(MeterNotice::Kind kind) {
        std::vector<std::string> texts;
        for (const MeterNotice& notice : face.notices) {
            if (notice.kind == kind) {
                texts.push_back(notice.text);
            }
        }
        return texts;
    }

    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    CFakeDialUp dialUp;
    CFakeModemLine modem;
    CMeterLoop loop{world.services, dialUp, modem, nullptr};
    CRecordingFace face;
};

// The end is told with its figures, in the singular for one unit; the start only when wanted.
TEST_F(MeterLoopTest, ConnectionsEndsAreToldWithTheirFiguresAndStartsOnlyWhenWanted) {
    Connect("T-Online");
    BeatFor(30000);
    dialUp.links.clear();
    BeatFor(1000);
    world.settings.Write(Setting::kNotifyStart, 1);
    Connect("Arcor");
    BeatFor(125000);
    dialUp.links.clear();
    BeatFor(1000);
    EXPECT_EQ(face.events, (std::vector<std::string>{"started", "ended T-Online", "log", "started", "ended Arcor", "log"}));
    EXPECT_EQ(NoticeTexts(MeterNotice::Kind::ConnectionEnded),
              (std::vector<std::string>{"T-Online: 00:00:30, 1 unit, 0.12", "Arcor: 00:02:05, 3 units, 0.36"}));
    EXPECT_EQ(NoticeTexts(MeterNotice::Kind::ConnectionStarted),
              (std::vector<std::string>{"Arcor is connected, metered with the tariff (Default tariff)."}));
    world.settings.Write(Setting::kNotifyEnd, 0);
    Connect("T-Online");
    BeatFor(1000);
    dialUp.links.clear();
    BeatFor(1000);
    EXPECT_EQ(NoticeTexts(MeterNotice::Kind::ConnectionEnded).size(), 2u);
}

// Each budget threshold passed by a unit is told once; the program's end logs a running connection.
TEST_F(MeterLoopTest, ABudgetPassedIsToldOnceAndTheProgramsEndLogsTheConnection) {
    world.settings.Write(Setting::kBudgetLimit, 2000);
    Connect("T-Online");
    BeatFor(70000); // 0.24: past the limit of 0.20, and heading for more
    const std::vector<std::string> warnings = NoticeTexts(MeterNotice::Kind::BudgetWarning);
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.back().find("more than your monthly budget of 0.20"), std::string::npos) << warnings.back();
    BeatFor(120000);
    EXPECT_EQ(NoticeTexts(MeterNotice::Kind::BudgetWarning), warnings);
    loop.EndProgram(false);
    EXPECT_FALSE(loop.Station().Meter().IsRunning());
    CProtokollFile log(world.dir.Path());
    ASSERT_TRUE(log.OpenRecordFile());
    EXPECT_EQ(log.GetRecordCount(), 1u);
    EXPECT_EQ(loop.Reading().counterCosts[CMeterStation::kTotal], CMoney(4800));
}

} // namespace
