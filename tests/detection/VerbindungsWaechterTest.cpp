#include "detection/VerbindungsWaechter.h"

#include "core/ResourceIds.h"
#include "detection/DialUpSource.h"
#include "detection/ModemDevice.h"
#include "detection/ModemLine.h"
#include "support/MeteringWorld.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace {

class CFakeDialUp : public DialUpSource {
public:
    bool IsAvailable() override { return available; }
    // As the real sources: nothing to read while neither pppd nor NetworkManager is there.
    std::optional<std::vector<DialUpLink>> ActiveLinks() override { return available ? links : std::nullopt; }
    bool available = true;
    std::optional<std::vector<DialUpLink>> links = std::vector<DialUpLink>{};
};

class CFakeModem : public ModemLine {
public:
    Reading Read(const std::string& device) override {
        askedDevice = device;
        if (noPermission) {
            return {Status::kNoPermission, group};
        }
        return {carrier ? Status::kCarrier : Status::kNoCarrier, {}};
    }
    std::vector<SerialDevice> ListDevices() override { return {}; }
    bool carrier = false;
    bool noPermission = false;
    std::string group = "dialout";
    std::string askedDevice;
};

struct WaechterTest : ::testing::Test {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 10, 0, 0)};
    CFakeDialUp dialUp;
    CFakeModem modem;

    std::unique_ptr<CVerbindungsWaechter> Watch(bool dialUpOn, bool modemOn) {
        world.settings.Write(Setting::kDfueNetzwerk, dialUpOn);
        world.settings.Write(Setting::kModem, modemOn);
        return std::make_unique<CVerbindungsWaechter>(world.services, dialUp, modem);
    }
    // Polls every 500 ms for the given time; returns the edges seen as "+" and "-" with their poll.
    std::string PollFor(CVerbindungsWaechter& w, int milliseconds) {
        std::string edges;
        for (int t = 0; t < milliseconds; t += 500) {
            world.clock.Advance(500);
            w.Poll();
            edges += w.HasStarted() ? "+" : w.HasEnded() ? "-" : ".";
        }
        return edges;
    }
};

TEST_F(WaechterTest, DialUpLinkGivesOneStartAndOneEnd) {
    auto w = Watch(true, false);
    EXPECT_EQ(PollFor(*w, 1000), "..");
    dialUp.links = std::vector<DialUpLink>{{"T-Online", "ttyS0", "ppp0", ""}};
    EXPECT_EQ(PollFor(*w, 1500), "+..");
    EXPECT_EQ(w->GetState(), CVerbindungsWaechter::kDialUp);
    EXPECT_EQ(w->GetConnectionName(), "T-Online");
    EXPECT_EQ(w->GetDeviceName(), "ttyS0");
    EXPECT_EQ(w->GetStartOffset(), 10);
    dialUp.links->clear();
    EXPECT_EQ(PollFor(*w, 1000), "-.");
}

TEST_F(WaechterTest, TwoLinksStartOnceAndTheLastNamesIt) {
    auto w = Watch(true, false);
    dialUp.links = std::vector<DialUpLink>{{"A", "ttyS0", "ppp0", ""}, {"B", "ttyUSB0", "ppp1", ""}};
    EXPECT_EQ(PollFor(*w, 1000), "+.");
    EXPECT_EQ(w->GetConnectionName(), "B");
    dialUp.links->pop_back(); // names follow the links that remain
    EXPECT_EQ(PollFor(*w, 500), ".");
    EXPECT_EQ(w->GetConnectionName(), "A");
}

TEST_F(WaechterTest, UnreadableSourceCountsAsNoConnection) {
    auto w = Watch(true, false);
    dialUp.links = std::vector<DialUpLink>{{"A", "ttyS0", "ppp0", ""}};
    PollFor(*w, 500);
    dialUp.links = std::nullopt;
    EXPECT_EQ(PollFor(*w, 500), "-");
}

// pppd installed, or NetworkManager started, after the meter: watched from then on.
TEST_F(WaechterTest, DialUpNetworkingThatComesLaterIsWatchedFromThen) {
    dialUp.available = false;
    dialUp.links = std::vector<DialUpLink>{{"A", "ttyS0", "ppp0", ""}};
    auto w = Watch(true, false);
    EXPECT_FALSE(w->IsDialUpAvailable());
    EXPECT_EQ(PollFor(*w, 1000), "..");
    dialUp.available = true;
    EXPECT_TRUE(w->IsDialUpAvailable());
    EXPECT_EQ(PollFor(*w, 1000), "+.");
}

TEST_F(WaechterTest, NeitherSourceSwitchedOnSeesNothing) {
    dialUp.links = std::vector<DialUpLink>{{"A", "ttyS0", "ppp0", ""}};
    modem.carrier = true;
    auto w = Watch(false, false);
    EXPECT_EQ(PollFor(*w, 10000), std::string(20, '.'));
}

TEST_F(WaechterTest, ModemCarrierCountsAfterTheTolerance) {
    auto w = Watch(false, true);
    PollFor(*w, 1000);
    modem.carrier = true; // rises now, at t = 0
    EXPECT_EQ(PollFor(*w, 5000), "........+.");
    EXPECT_EQ(w->GetState(), CVerbindungsWaechter::kModemLine);
    EXPECT_EQ(w->GetStartOffset(), 14);
    EXPECT_EQ(w->GetConnectionName(), "");
    EXPECT_EQ(w->GetDeviceName(), "/dev/ttyS1");
    EXPECT_EQ(modem.askedDevice, "/dev/ttyS1");
}

TEST_F(WaechterTest, CarrierDroppedForOnePollEndsTheConnectionAndWaitsAgain) {
    auto w = Watch(false, true);
    modem.carrier = true;
    PollFor(*w, 6000);
    ASSERT_EQ(w->GetState(), CVerbindungsWaechter::kModemLine);
    modem.carrier = false;
    EXPECT_EQ(PollFor(*w, 500), "-");
    modem.carrier = true;
    EXPECT_EQ(PollFor(*w, 5000), "........+.");
}

// The stored port number keeps its meaning (7 is the fourth port); a device path set beside it wins
// and names the connection, and clearing it goes back to the port.
TEST_F(WaechterTest, TheDeviceSettingWinsOverThePortNumber) {
    world.settings.Write(Setting::kPort, 7);
    auto w = Watch(false, true);
    PollFor(*w, 500);
    EXPECT_EQ(modem.askedDevice, "/dev/ttyS3");
    world.settings.Write(Setting::kModemDevice, "/dev/serial/by-id/usb-Modem-if00");
    w->ReadSettings();
    modem.carrier = true;
    PollFor(*w, 6000);
    EXPECT_EQ(modem.askedDevice, "/dev/serial/by-id/usb-Modem-if00");
    EXPECT_EQ(w->GetDeviceName(), "/dev/serial/by-id/usb-Modem-if00");
    world.settings.Write(Setting::kModemDevice, "ttyACM0"); // set by hand: no full path
    w->ReadSettings();
    PollFor(*w, 500);
    EXPECT_EQ(modem.askedDevice, "/dev/ttyS3");
    ASSERT_TRUE(ModemDevice::Store(world.settings, "/dev/ttyS0"));
    w->ReadSettings();
    PollFor(*w, 500);
    EXPECT_EQ(modem.askedDevice, "/dev/ttyS0");
    EXPECT_EQ(world.settings.Read(Setting::kPort), 0u);
    EXPECT_EQ(world.settings.Read(Setting::kModemDevice), "");
}

// A device this user may not open is told once, with its group and the command, not at every beat;
// another device chosen is told again.
TEST_F(WaechterTest, ADeviceWithoutPermissionIsToldOnce) {
    world.settings.Write(Setting::kModemDevice, "/dev/ttyACM0");
    auto w = Watch(false, true);
    modem.noPermission = true;
    PollFor(*w, 500);
    const auto problem = w->TakeModemProblem();
    ASSERT_TRUE(problem);
    const std::string told = CVerbindungsWaechter::Describe(*problem, world.strings, world.services.userName);
    EXPECT_NE(told.find("/dev/ttyACM0"), std::string::npos) << told;
    EXPECT_NE(told.find("adduser " + world.services.userName + " dialout"), std::string::npos) << told;
    EXPECT_EQ(PollFor(*w, 10000), std::string(20, '.'));
    EXPECT_FALSE(w->TakeModemProblem());
    world.settings.Write(Setting::kModemDevice, "/dev/ttyUSB0");
    w->ReadSettings();
    PollFor(*w, 500);
    const auto another = w->TakeModemProblem();
    ASSERT_TRUE(another);
    EXPECT_EQ(another->device, "/dev/ttyUSB0");
}

// Without a group to join the user is sent to the administrator; a device path too long for the
// setting (written by hand) watches nothing and says so, once, and never falls back to a port.
TEST_F(WaechterTest, WithoutAGroupToJoinOrWithAnOverlongDeviceTheUserIsToldWhatToDo) {
    world.settings.Write(Setting::kModemDevice, "/dev/ttyACM0");
    auto w = Watch(false, true);
    modem.noPermission = true;
    modem.group.clear();
    PollFor(*w, 500);
    const auto problem = w->TakeModemProblem();
    ASSERT_TRUE(problem);
    const std::string told = CVerbindungsWaechter::Describe(*problem, world.strings, world.services.userName);
    EXPECT_EQ(told, world.strings.Format(Str::kModemNoGroup, {"/dev/ttyACM0"}));
    EXPECT_EQ(told.find("adduser"), std::string::npos) << told;

    world.settings.WriteSettingString(Setting::kModemDevice.section, Setting::kModemDevice.name,
                                      "/dev/" + std::string(10000, 'x'));
    modem.askedDevice.clear();
    w->ReadSettings();
    PollFor(*w, 1000);
    EXPECT_EQ(modem.askedDevice, "") << "no port watched in its place";
    const auto tooLong = w->TakeModemProblem();
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(CVerbindungsWaechter::Describe(*tooLong, world.strings, world.services.userName),
              world.strings.Format(Str::kModemDeviceTooLong, {"249"}));
    w->ReadSettings();
    PollFor(*w, 1000);
    EXPECT_FALSE(w->TakeModemProblem()) << "told once";
}

TEST_F(WaechterTest, ConnectionMovingBetweenSourcesContinues) {
    auto w = Watch(true, true);
    modem.carrier = true;
    PollFor(*w, 6000);
    ASSERT_EQ(w->GetState(), CVerbindungsWaechter::kModemLine);
    dialUp.links = std::vector<DialUpLink>{{"T-Online", "ttyS1", "ppp0", ""}};
    EXPECT_EQ(PollFor(*w, 1000), "..");
    EXPECT_EQ(w->GetState(), CVerbindungsWaechter::kDialUp);
}

TEST_F(WaechterTest, AssignedTariffIsFoundWithoutRegardToCaseAndFallsBackWhenDeleted) {
    WriteFile(world.dir.File("MOBIL.tff"), "");
    WriteFile(world.dir.File("Fernzahl.TFF"), "");
    world.settings.WriteSettingString("Zuordnung", "T-Online", "Mobil");
    auto w = Watch(true, false);
    dialUp.links = std::vector<DialUpLink>{{"T-Online", "ttyS0", "ppp0", ""}};
    PollFor(*w, 500);
    EXPECT_EQ(w->GetTariffFile(), world.dir.File("MOBIL.tff"));
    EXPECT_EQ(w->GetTariffName(), "Mobil");
    std::remove(world.dir.File("MOBIL.tff").c_str());
    EXPECT_EQ(w->GetTariffFile(), world.dir.File("Fernzahl.TFF"));
    EXPECT_EQ(w->GetTariffName(), world.strings.Get(571));
}

// The assigned file comes and goes while the watcher looks it up: every answer names a tariff file.
TEST_F(WaechterTest, AssignedFileDeletedDuringTheLookUpMeansTheDefaultTariff) {
    const std::string assigned = world.dir.File("Mobil.tff");
    const std::string fallback = world.dir.File("Fernzahl.tff");
    WriteFile(assigned, "");
    world.settings.WriteSettingString("Zuordnung", "T-Online", "Mobil");
    auto w = Watch(true, false);
    dialUp.links = std::vector<DialUpLink>{{"T-Online", "ttyS0", "ppp0", ""}};
    PollFor(*w, 500);
    std::atomic<bool> done = false;
    std::thread churn([&] {
        std::error_code ignored;
        while (!done) {
            std::filesystem::rename(assigned, assigned + ".away", ignored);
            std::filesystem::rename(assigned + ".away", assigned, ignored);
        }
    });
    int strange = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string file = w->GetTariffFile();
        strange += file != assigned && file != fallback;
    }
    done = true;
    churn.join();
    EXPECT_EQ(strange, 0);
}

TEST_F(WaechterTest, ModemLineUsesTheAssignmentOfTheStar) {
    WriteFile(world.dir.File("Ortsnetz.tff"), "");
    world.settings.WriteSettingString("Zuordnung", "*", "Ortsnetz");
    auto w = Watch(false, true);
    EXPECT_EQ(w->GetTariffFile(), world.dir.File("Fernzahl.tff")); // no connection yet: no entry's name
    modem.carrier = true;
    PollFor(*w, 6000);
    EXPECT_EQ(w->GetTariffFile(), world.dir.File("Ortsnetz.tff"));
    EXPECT_EQ(w->GetTariffName(), "Ortsnetz");
}

} // namespace
