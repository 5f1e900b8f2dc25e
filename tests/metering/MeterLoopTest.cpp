#include "metering/MeterLoop.h"

#include "core/ResourceIds.h"
#include "log/ProtokollFile.h"
#include "platform/CheckpointFile.h"
#include "settings/DateTimeText.h"
#include "settings/SettingsStore.h"
#include "support/FakeSources.h"
#include "support/MeteringWorld.h"
#include "support/TariffBuilder.h"
#include "tariffs/TariffLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// What a face of the meter is told, in order.
class CRecordingFace : public MeterObserver {
public:
    void OnConnectionStarted() override { events.push_back("started"); }
    void OnConnectionEnded(const LogEntry& ended) override { events.push_back("ended " + ended.connectionName); }
    void OnLogChanged() override { events.push_back("log"); }
    void OnNotice(const MeterNotice& notice) override { notices.push_back(notice); }
    void OnFileProblem(const std::string& text) override { problems.push_back(text); }
    std::vector<std::string> events;
    std::vector<std::string> problems;
    std::vector<MeterNotice> notices;
};

size_t NoticesOf(const CRecordingFace& face, MeterNotice::Kind kind) {
    return static_cast<size_t>(std::count_if(face.notices.begin(), face.notices.end(),
                                             [kind](const MeterNotice& notice) { return notice.kind == kind; }));
}

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
    void Connect(const std::string& name) { dialUp.links = {{name, "ttyS0", "ppp0", ""}}; }
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
    EXPECT_EQ(face.events,
              (std::vector<std::string>{"started", "ended T-Online", "log", "started", "ended Arcor", "log"}));
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

// A tariff file grown past the limits of a tariff file is not read: its rates as read before go
// on, and the user is told once, with the file and the limit.
TEST_F(MeterLoopTest, ATariffFilePastTheLimitsIsToldOnceAndItsRatesAsReadBeforeApply) {
    Connect("T-Online");
    BeatFor(1000);
    dialUp.links.clear();
    BeatFor(1000);
    std::filesystem::resize_file(world.TariffPath(), CTariffLimits::FileBytes() + 1);
    for (const char* name : {"Arcor", "Mobil"}) {
        Connect(name);
        BeatFor(125000);
        dialUp.links.clear();
        BeatFor(1000);
    }
    EXPECT_EQ(NoticeTexts(MeterNotice::Kind::ConnectionEnded).back(), "Mobil: 00:02:05, 3 units, 0.36");
    const std::vector<std::string> told = NoticeTexts(MeterNotice::Kind::TariffPastLimits);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], world.strings.Format(681, {world.TariffPath(), "65536", "3932160"}));
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

// A record that waits for room (a folder where the log belongs) gets a last try at the program's
// end; one that still cannot be written is told with its figures, to be noted down.
TEST_F(MeterLoopTest, ARecordWaitingAtTheEndIsTriedOnceMoreOrToldLost) {
    for (const bool room : {true, false}) {
        MeteringWorld there{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
        there.settings.Write(Setting::kDfueNetzwerk, 1);
        CMeterLoop ending{there.services, dialUp, modem, nullptr};
        CRecordingFace told;
        ending.AddObserver(told);
        std::filesystem::create_directory(there.dir.File("Fernzahl.log"));
        Connect("T-Online");
        for (int beat = 0; beat < 60; ++beat) {
            ending.Beat();
            there.clock.Advance(CMeterLoop::kBeatMs);
        }
        dialUp.links.clear();
        ending.Beat();
        ending.Beat(); // which tells what waits
        ASSERT_EQ(ending.Station().CountUnlogged(), 1u);
        if (room) {
            std::filesystem::remove(there.dir.File("Fernzahl.log"));
        }
        // Told as waiting, which it does, not as lost.
        for (const std::string& problem : told.problems) {
            EXPECT_EQ(problem.find("lost"), std::string::npos) << problem;
        }
        EXPECT_EQ(NoticesOf(told, MeterNotice::Kind::RecordWaiting), 1u);
        const LogEntry waiting = ending.Station().Unlogged().front();
        told.problems.clear();
        ending.EndProgram(true);
        EXPECT_EQ(ending.Station().CountUnlogged(), room ? 0u : 1u);
        ASSERT_EQ(told.problems.size(), room ? 0u : 1u);
        if (!room) {
            EXPECT_NE(told.problems[0].find("lost now that Fernzahl ends: \"T-Online\", "), std::string::npos)
                << told.problems[0];
            EXPECT_NE(told.problems[0].find(", 00:00:40, 0.12"), std::string::npos) << told.problems[0];
            EXPECT_NE(told.problems[0].find(CDateTimeText().Format(waiting.start)), std::string::npos)
                << told.problems[0] << ": the start as the lists write it";
        }
    }
}

// A checkpoint whose removal fails at a connection's end (a folder made read-only meanwhile) is
// told, so that the user knows why the file stays.
TEST_F(MeterLoopTest, ACheckpointThatCannotBeRemovedIsTold) {
    class CUnremovable : public CCheckpointFile {
    public:
        using CCheckpointFile::CCheckpointFile;
        bool Remove() override { return false; }
    } stuck(world.dir.Path());
    CMeterLoop ending{world.services, dialUp, modem, &stuck};
    CRecordingFace told;
    ending.AddObserver(told);
    Connect("T-Online");
    for (int beat = 0; beat < 20; ++beat) {
        ending.Beat();
        world.clock.Advance(CMeterLoop::kBeatMs);
    }
    dialUp.links.clear();
    ending.Beat();
    ASSERT_EQ(told.problems.size(), 1u);
    EXPECT_NE(told.problems[0].find(stuck.GetPath() + ", which held the state of the connection that ended, could "
                                                      "not be removed"),
              std::string::npos)
        << told.problems[0];
}

} // namespace
