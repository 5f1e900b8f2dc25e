#include "cli/StatusLine.h"

#include <gtest/gtest.h>

namespace {

const LocaleFacts kEnglish{":", ".", 2, ","};
const LocaleFacts kGerman{":", ",", 2, "."};

MeterStatus Connected() {
    MeterStatus status;
    status.state = MeterStatus::State::Connected;
    status.live = true;
    status.connection = "T-Online \"Büro\"\n";
    status.device = "ttyUSB0";
    status.tariff = "Mobil";
    status.started = "03/14/2026 09:05:00";
    status.seconds = 3723;
    status.units = 21;
    status.costs = CMoney(2000);
    status.counters = {CMoney(12000), CMoney(50000), CMoney(123400), CMoney(9876500)};
    status.dataFolder = "/home/a/.local/share/fernzahl/";
    return status;
}

} // namespace

// The exact lines a status bar reads: a connection's costs with the zero that makes them an amount,
// the connection's own class, names that cannot break the JSON object or the line.
TEST(StatusLine, AConnectedMeterIsOneWaybarObjectWithItsCostsAsTheLocaleWritesThem) {
    EXPECT_EQ(WaybarLine(Connected(), kEnglish),
              "{\"text\":\"☎ 0.20 01:02:03\",\"tooltip\":\"T-Online \\\"Büro\\\"\\\\n (ttyUSB0), tariff Mobil\\n"
              "since 03/14/2026 09:05:00, 21 units\\ntoday 1.20, this month 12.34\",\"class\":\"connected\","
              "\"alt\":\"connected\"}");
    EXPECT_EQ(StatusBarText(Connected(), kGerman), "☎ 0,20 01:02:03");
}

TEST(StatusLine, AnIdleMeterShowsTodayAndAStoppedOneSaysSoInItsOwnClass) {
    MeterStatus idle = Connected();
    idle.state = MeterStatus::State::Idle;
    EXPECT_EQ(WaybarLine(idle, kGerman), "{\"text\":\"today 1,20\",\"tooltip\":\"no connection\\ntoday 1,20, this "
                                         "month 12,34\",\"class\":\"idle\",\"alt\":\"idle\"}");
    idle.live = false;
    EXPECT_EQ(StatusBarTooltip(idle, kEnglish),
              "no connection\ntoday 1.20, this month 12.34\n(as the meter last wrote it; it cannot be asked)");

    MeterStatus stopped;
    stopped.dataFolder = "/srv/fernzahl/";
    EXPECT_EQ(WaybarLine(stopped, kEnglish), "{\"text\":\"no meter\",\"tooltip\":\"no meter runs for "
                                             "/srv/fernzahl/\",\"class\":\"stopped\",\"alt\":\"stopped\"}");
    EXPECT_EQ(StatusBarText(stopped, kEnglish), "no meter");
}
