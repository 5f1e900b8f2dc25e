#include "log/ProtokollFile.h"
#include "metering/Checkpoint.h"
#include "metering/MeterLoop.h"
#include "metering/ZaehlerFile.h"
#include "platform/CheckpointFile.h"
#include "settings/SettingsStore.h"
#include "support/FakeSources.h"
#include "support/LogBuilder.h"
#include "support/MeteringWorld.h"
#include "support/TariffBuilder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const DialUpLink kLink{"T-Online", "ttyS0", "ppp0", "boot-1 ppp 4242 ppp0 7"};

// What a face hears: the connection's starts and ends, and the notices.
class CListeningFace : public MeterObserver {
public:
    void OnConnectionStarted() override { ++started; }
    void OnConnectionEnded(const LogEntry&) override { ++ended; }
    void OnNotice(const MeterNotice& notice) override {
        notices += notice.kind == MeterNotice::Kind::ConnectionStarted ? "started;"
                   : notice.kind == MeterNotice::Kind::ConnectionEnded ? "ended;"
                   : notice.kind == MeterNotice::Kind::Recovery        ? "recovered;"
                                                                       : "other;";
    }
    int started = 0;
    int ended = 0;
    std::string notices;
};

// One data folder and one link, with meters that come and go on it as the programs do: a meter's
// start, its beats every 500 ms, its end (a signal, Exit, a crash), the time between with no meter.
struct Machine {
    explicit Machine(const CDateTime& start) : world(start) {
        world.settings.Write(Setting::kDfueNetzwerk, 1);
        world.settings.Write(Setting::kVorlaufzeit, 0);
        world.settings.Write(Setting::kNotifyStart, 1);
        world.settings.Write(Setting::kNotifyEnd, 1);
    }
    void StartMeter() {
        meter = std::make_unique<CMeterLoop>(world.services, dialUp, modem, &checkpoint);
        meter->AddObserver(face);
        meter->ReportStart();
    }
    void Beat(uint64_t milliseconds) {
        for (uint64_t t = 0; t < milliseconds; t += CMeterLoop::kBeatMs) {
            meter->Beat();
            world.clock.Advance(CMeterLoop::kBeatMs);
        }
    }
    // SIGTERM, SIGHUP, Exit, a switch to the other face: the program's own end.
    void StopMeter() {
        meter->EndProgram(false);
        meter.reset();
    }
    // kill -9, a crash: the meter is gone with what its checkpoint last said.
    void KillMeter() { meter.reset(); }
    void Idle(uint64_t milliseconds) { world.clock.Advance(milliseconds); }
    int64_t MonthlyCosts() const {
        return meter->Station().GetCounter(CMeterStation::kMonthly).GetStateAtEnd().costs.GetValue();
    }

    MeteringWorld world;
    CFakeDialUp dialUp;
    CFakeModemLine modem;
    CCheckpointFile checkpoint{world.dir.Path()};
    CListeningFace face;
    std::unique_ptr<CMeterLoop> meter;
};

CounterState StoredCounter(const std::string& directory, uint8_t number) {
    CZaehlerFile file(directory);
    file.OpenRecordFile();
    EXPECT_TRUE(file.FindFirst(0, number));
    return file.State();
}

// A 9 s call across a stop: one unit of 0.12, once, however the meter was stopped in between.
TEST(Resume, StoppedOrKilledMeterGoesOnWithTheSameLinkAsOneConnection) {
    for (const bool killed : {false, true}) {
        Machine machine(CDateTime::FromDate(2026, 12, 7, 10, 0, 0));
        CTariffBuilder(machine.world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
        machine.dialUp.links = {kLink};
        machine.StartMeter();
        machine.Beat(4000); // the first unit at the start: 0.12
        killed ? machine.KillMeter() : machine.StopMeter();
        EXPECT_TRUE(ReadLog(machine.world.dir.Path()).empty()) << "nothing logged while the link is up";
        EXPECT_TRUE(machine.checkpoint.Read());
        machine.Idle(3000);
        machine.StartMeter();
        EXPECT_TRUE(machine.meter->Station().Meter().IsRunning());
        machine.Beat(2000); // 9 s since the start
        machine.dialUp.links.clear();
        machine.Beat(1000);

        const std::vector<LogEntry> log = ReadLog(machine.world.dir.Path());
        ASSERT_EQ(log.size(), 1u) << (killed ? "kill -9" : "stop");
        EXPECT_EQ(log[0].units, 1);
        EXPECT_EQ(log[0].costs.GetValue(), 1200);
        EXPECT_EQ(log[0].duration.GetTotalSeconds(), 9);
        EXPECT_EQ(log[0].start, CDateTime::FromDate(2026, 12, 7, 10, 0, 0));
        EXPECT_EQ(log[0].connectionName, "T-Online");
        const CounterState monthly = StoredCounter(machine.world.dir.Path(), CZaehlerFile::kMonthly);
        EXPECT_EQ(monthly.connections, 1);
        EXPECT_EQ(monthly.units, 1);
        EXPECT_EQ(monthly.costs.GetValue(), 1200);
        EXPECT_EQ(monthly.duration.GetTotalSeconds(), 9);
        // One start told, by the first meter; one end, by the last; no recovery.
        EXPECT_EQ(machine.face.notices, "started;ended;");
        EXPECT_EQ(machine.face.ended, 1);
        EXPECT_FALSE(machine.checkpoint.Read());
    }
}

// A call that runs from one rate into another while no meter runs, stopped once and killed once:
// each unit of the time between is charged at the rate of its own moment, and the minimum charge is
// due once, as for a connection metered without a break.
TEST(Resume, TimeBetweenMetersIsChargedUnitByUnitAtTheRateOfEachUnitsMoment) {
    const auto tariff = [](const std::string& path) {
        CTariffBuilder(path)
            .WithOptions({.minimumCharge = true})
            .WithZoneEveryDay({.last = 40, .seconds = 60, .price = 1200, .minimumCharge = 5000, .initialPeriod = 30})
            .WithZoneEveryDay({.first = 41, .seconds = 30, .price = 600, .minimumCharge = 5000, .initialPeriod = 30});
    };
    const CDateTime start = CDateTime::FromDate(2026, 12, 7, 10, 10, 0);
    Machine unbroken(start);
    Machine restarted(start);
    for (Machine* machine : {&unbroken, &restarted}) {
        tariff(machine->world.TariffPath());
        machine->dialUp.links = {kLink};
        machine->StartMeter();
        machine->Beat(90000);
    }
    unbroken.Beat(20 * 60000);
    restarted.StopMeter();
    restarted.Idle(8 * 60000); // into the second rate with no meter
    restarted.StartMeter();
    restarted.Beat(2 * 60000);
    restarted.KillMeter();
    restarted.Idle(10 * 60000);
    restarted.StartMeter();
    for (Machine* machine : {&unbroken, &restarted}) {
        machine->Beat(3 * 60000);
        EXPECT_EQ(machine->MonthlyCosts(), machine->meter->Station().Meter().MakeLogEntry().costs.GetValue());
        machine->dialUp.links.clear();
        machine->Beat(1000);
    }

    const std::vector<LogEntry> expected = ReadLog(unbroken.world.dir.Path());
    const std::vector<LogEntry> log = ReadLog(restarted.world.dir.Path());
    ASSERT_EQ(expected.size(), 1u);
    ASSERT_EQ(log.size(), 1u);
    // Worked out: 1470 s from 10:10:00. The unit at 0 s lies in the initial period of 30 s and is
    // free; units of 60 s at 0.12 begin at 30, 90, 150, 210 and 270 s (0.60); the unit at 330 s
    // (10:15:30) is of the second rate: 30 s at 0.06, up to the one at 1440 s, 38 units (2.28). The
    // minimum charge of 0.50 is paid once, out of which the first units are paid: 2.88 in all.
    EXPECT_EQ(log[0].units, 5 + 38);
    EXPECT_EQ(log[0].costs.GetValue(), 28800);
    EXPECT_EQ(log[0].duration.GetTotalSeconds(), 1470);
    EXPECT_EQ(log[0].units, expected[0].units);
    EXPECT_EQ(log[0].costs, expected[0].costs);
    EXPECT_EQ(log[0].duration.GetTotalSeconds(), expected[0].duration.GetTotalSeconds());
    for (uint8_t counter = CZaehlerFile::kDaily; counter <= CZaehlerFile::kTotal; ++counter) {
        const CounterState a = StoredCounter(unbroken.world.dir.Path(), counter);
        const CounterState b = StoredCounter(restarted.world.dir.Path(), counter);
        EXPECT_EQ(b.connections, 1);
        EXPECT_EQ(b.units, a.units);
        EXPECT_EQ(b.costs, a.costs);
        EXPECT_EQ(b.duration.GetTotalSeconds(), a.duration.GetTotalSeconds());
    }
    EXPECT_EQ(restarted.face.notices, unbroken.face.notices);
}

// The link went down while no meter ran, or another came up in its place (pppd dialled again):
// the connection is logged once, ended when its checkpoint last saw it, as recovery does.
TEST(Resume, ConnectionWhoseLinkIsGoneIsLoggedOnceEndedWhenLastSeen) {
    for (const bool replaced : {false, true}) {
        Machine machine(CDateTime::FromDate(2026, 12, 7, 10, 0, 0));
        CTariffBuilder(machine.world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
        machine.dialUp.links = {kLink};
        machine.StartMeter();
        machine.Beat(70000);
        machine.StopMeter();
        machine.dialUp.links.clear();
        if (replaced) {
            DialUpLink again = kLink;
            again.identity = "boot-1 ppp 4242 ppp0 8";
            machine.dialUp.links = {again};
        }
        machine.Idle(60000);
        machine.StartMeter();
        EXPECT_EQ(machine.meter->Station().Meter().IsRunning(), false);
        machine.Beat(1000);
        machine.dialUp.links.clear();
        machine.Beat(1000);

        const std::vector<LogEntry> log = ReadLog(machine.world.dir.Path());
        ASSERT_EQ(log.size(), replaced ? 2u : 1u);
        EXPECT_EQ(log[0].duration.GetTotalSeconds(), 70);
        EXPECT_EQ(log[0].units, 2);
        EXPECT_EQ(machine.face.notices, replaced ? "started;recovered;started;ended;" : "started;recovered;");
        EXPECT_EQ(StoredCounter(machine.world.dir.Path(), CZaehlerFile::kTotal).connections, replaced ? 2 : 1);
    }
}

// A connection on a link nothing can tell from another (no identity), or whose checkpoint cannot
// be written, is logged at the program's end as before: nothing is left that no meter could resume.
TEST(Resume, ConnectionThatCannotBeFoundAgainIsLoggedAtTheProgramsEnd) {
    Machine machine(CDateTime::FromDate(2026, 12, 7, 10, 0, 0));
    CTariffBuilder(machine.world.TariffPath()).WithZoneEveryDay({.seconds = 60, .price = 1200});
    DialUpLink anonymous = kLink;
    anonymous.identity.clear();
    machine.dialUp.links = {anonymous};
    machine.StartMeter();
    machine.Beat(5000);
    machine.StopMeter();
    EXPECT_EQ(ReadLog(machine.world.dir.Path()).size(), 1u);
    EXPECT_FALSE(machine.checkpoint.Read());
}

// The run's state goes into the checkpoint's text and comes back the same; a checkpoint written
// before there was one (no [Run]) stays readable and has none; a [Run] cut short is damage.
TEST(Resume, CheckpointKeepsTheRunAndReadsOneWithout) {
    CCheckpoint checkpoint;
    checkpoint.record.start = CDateTime::FromDate(2026, 12, 7, 10, 0, 0);
    checkpoint.record.duration = CTimeSpan::FromSeconds(95);
    checkpoint.record.units = 2;
    checkpoint.record.costs = CMoney(2400);
    checkpoint.record.connectionName = "T-Online";
    for (CounterState& counter : checkpoint.counters) {
        counter = CounterState{}.Plus(CounterFigures::Of(checkpoint.record));
    }
    const std::string without = checkpoint.ToText();
    checkpoint.run =
        CCheckpoint::Run{"boot ppp 1 ppp0 3", "/data/Fern\xe4.tff", "", 9000000000ull, 120, 60, CMoney(300), 30};
    const std::string with = checkpoint.ToText();
    const std::optional<CCheckpoint> read = CCheckpoint::Parse(with);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->run, checkpoint.run);
    ASSERT_TRUE(CCheckpoint::Parse(without));
    EXPECT_FALSE(CCheckpoint::Parse(without)->run);
    const size_t cut = with.find("UnitEnd");
    ASSERT_NE(cut, std::string::npos);
    EXPECT_FALSE(CCheckpoint::Parse(std::string(with).erase(cut, with.find('\n', cut) - cut + 1)));
}

} // namespace
