#include "platform/NetworkManagerLinks.h"

#include "platform/DialUpNetworking.h"
#include "platform/PppLinks.h"
#include "support/FakeSystem.h"
#include "support/NetworkManagerMock.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>

namespace {

const QString kDevice = QStringLiteral("org.freedesktop.NetworkManager.Device");
// How long a test lets the mock take to answer; it answers in milliseconds.
constexpr std::chrono::seconds kLongestWait(10);

struct NetworkManagerLinksTest : ::testing::Test {
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            app = new QCoreApplication(argc, argv);
        }
        mock = new CNetworkManagerMock();
    }
    static void TearDownTestSuite() {
        delete mock;
        mock = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(mock->IsRunning()) << "no private D-Bus with the mock NetworkManager"; }

    // The links as "name|device|interface".
    static std::vector<std::string> Names(CNetworkManagerLinks& links) {
        std::vector<std::string> names;
        for (const DialUpLink& link : links.ActiveLinks().value_or(std::vector<DialUpLink>{})) {
            names.push_back(link.name + "|" + link.device + "|" + link.interfaceName);
        }
        return names;
    }
    // The names of the links, once the signals of the last change have arrived.
    static std::vector<std::string> LinksAfterChange(CNetworkManagerLinks& links, size_t expected) {
        std::vector<std::string> names;
        ProcessEventsUntil([&] {
            names = Names(links);
            return names.size() == expected;
        });
        return names;
    }

    static QCoreApplication* app;
    static CNetworkManagerMock* mock;
};
QCoreApplication* NetworkManagerLinksTest::app = nullptr;
CNetworkManagerMock* NetworkManagerLinksTest::mock = nullptr;

TEST_F(NetworkManagerLinksTest, MobileBroadbandCountsFromIpConfigurationUntilItEnds) {
    CNetworkManagerLinks links(QString::fromStdString(mock->Address()));
    ASSERT_TRUE(links.WaitForAnswers(kLongestWait));
    ASSERT_TRUE(links.IsAvailable());
    EXPECT_TRUE(LinksAfterChange(links, 0).empty());
    const QString device = mock->AddDevice(QStringLiteral("stick"), QStringLiteral("ttyUSB2"), 30);
    const QString profile = mock->AddProfile(QStringLiteral("Mobil Vertrag"), QStringLiteral("gsm"));
    const QString active = mock->Activate(device, profile, QStringLiteral("mobil"), 1);
    mock->SetProperty(device, kDevice, QStringLiteral("State"), 40u); // preparing: still dialling
    // A second stick that is up: once it shows, the state of the first has been read too.
    const QString other = mock->AddDevice(QStringLiteral("other"), QStringLiteral("ttyUSB3"), 30);
    const QString otherProfile = mock->AddProfile(QStringLiteral("Zweit"), QStringLiteral("gsm"));
    QString otherActive = mock->Activate(other, otherProfile, QStringLiteral("z"), 2);
    EXPECT_EQ(LinksAfterChange(links, 1), (std::vector<std::string>{"Zweit|ttyUSB3|"}));
    mock->Deactivate(other, otherActive);
    EXPECT_TRUE(LinksAfterChange(links, 0).empty());
    mock->SetProperty(device, kDevice, QStringLiteral("State"), 70u); // configuring IP
    EXPECT_EQ(LinksAfterChange(links, 1), (std::vector<std::string>{"Mobil Vertrag|ttyUSB2|"}));
    mock->SetProperty(device, kDevice, QStringLiteral("State"), 100u);
    otherActive = mock->Activate(other, otherProfile, QStringLiteral("z"), 2); // read after the state
    EXPECT_EQ(LinksAfterChange(links, 2), (std::vector<std::string>{"Mobil Vertrag|ttyUSB2|", "Zweit|ttyUSB3|"}));
    mock->Deactivate(other, otherActive);
    mock->Deactivate(device, active);
    EXPECT_TRUE(LinksAfterChange(links, 0).empty());
}

// Stops the mock for as long as it lives, so that a failed check cannot leave it stopped.
struct PausedMock {
    PausedMock() { NetworkManagerLinksTest::mock->Pause(); }
    ~PausedMock() { NetworkManagerLinksTest::mock->Resume(); }
};

// NetworkManager stops answering just after a change: the heartbeat's question is answered at
// once with the links last seen, and the change is read once NetworkManager answers again.
TEST_F(NetworkManagerLinksTest, SilentNetworkManagerNeitherHoldsUpNorEndsTheLinks) {
    CNetworkManagerLinks links(QString::fromStdString(mock->Address()));
    const QString device = mock->AddDevice(QStringLiteral("funkstick"), QStringLiteral("ttyUSB4"), 30);
    const QString profile = mock->AddProfile(QStringLiteral("Funk"), QStringLiteral("gsm"));
    const QString active = mock->Activate(device, profile, QStringLiteral("funk"), 2);
    EXPECT_EQ(LinksAfterChange(links, 1), (std::vector<std::string>{"Funk|ttyUSB4|"}));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !links.HasUnreadChange(); }));
    mock->UpdateProperty(device, kDevice, QStringLiteral("IpInterface"), QStringLiteral("ppp7"));
    std::optional<PausedMock> paused(std::in_place);
    ASSERT_TRUE(ProcessEventsUntil([&] { return links.HasUnreadChange(); }));
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(Names(links), (std::vector<std::string>{"Funk|ttyUSB4|"}));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500));
    // The questions time out; the links stay, and the next poll asks again without another signal.
    ASSERT_TRUE(ProcessEventsUntil([&] { return !links.IsAsking(); }, 15000));
    EXPECT_EQ(Names(links), (std::vector<std::string>{"Funk|ttyUSB4|"}));
    paused.reset();
    const std::vector<std::string> changed{"Funk|ttyUSB4|ppp7"};
    EXPECT_TRUE(ProcessEventsUntil([&] { return Names(links) == changed; }));
    mock->Deactivate(device, active);
}

// Ends the mock for as long as it lives, and starts a fresh one after.
struct StoppedMock {
    StoppedMock() { EXPECT_TRUE(NetworkManagerLinksTest::mock->Stop()); }
    ~StoppedMock() { EXPECT_TRUE(NetworkManagerLinksTest::mock->Start()); }
};

TEST_F(NetworkManagerLinksTest, NetworkManagerThatLeavesTheBusTakesItsLinksAndOneThatComesIsFollowed) {
    CNetworkManagerLinks links(QString::fromStdString(mock->Address()));
    const QString device = mock->AddDevice(QStringLiteral("leaving"), QStringLiteral("ttyUSB5"), 30);
    const QString profile = mock->AddProfile(QStringLiteral("Fort"), QStringLiteral("gsm"));
    mock->Activate(device, profile, QStringLiteral("fort"), 2);
    EXPECT_EQ(LinksAfterChange(links, 1), (std::vector<std::string>{"Fort|ttyUSB5|"}));
    {
        StoppedMock stopped;
        EXPECT_TRUE(ProcessEventsUntil([&] { return !links.IsAvailable(); }));
        EXPECT_FALSE(links.ActiveLinks().has_value());
    }
    EXPECT_TRUE(ProcessEventsUntil([&] { return links.IsAvailable() && links.ActiveLinks().has_value(); }));
    EXPECT_TRUE(links.ActiveLinks()->empty()); // the fresh one has no connections
}

TEST_F(NetworkManagerLinksTest, OfBluetoothOnlyDialUpNetworkingCountsAndWiredNetworksNot) {
    const QString device = mock->AddDevice(QStringLiteral("eth"), QStringLiteral("eth0"), 30);
    const QString wired = mock->AddProfile(QStringLiteral("Wired"), QStringLiteral("802-3-ethernet"));
    const QString active = mock->Activate(device, wired, QStringLiteral("wired"), 2);
    const QString phone = mock->AddDevice(QStringLiteral("phone"), QStringLiteral("bt0"), 30);
    const QString pan =
        mock->AddProfile(QStringLiteral("Phone PAN"), QStringLiteral("bluetooth"), QStringLiteral("panu"));
    const QString panActive = mock->Activate(phone, pan, QStringLiteral("pan"), 2);
    const QString handset = mock->AddDevice(QStringLiteral("handset"), QStringLiteral("bt1"), 30);
    const QString dun = mock->AddProfile(QStringLiteral("Handy"), QStringLiteral("bluetooth"), QStringLiteral("dun"));
    const QString dunActive = mock->Activate(handset, dun, QStringLiteral("handy"), 2);
    CNetworkManagerLinks links(QString::fromStdString(mock->Address())); // its first answer sees all three
    ASSERT_TRUE(links.WaitForAnswers(kLongestWait));
    EXPECT_EQ(Names(links), (std::vector<std::string>{"Handy|bt1|"}));
    mock->Deactivate(device, active);
    mock->Deactivate(phone, panActive);
    mock->Deactivate(handset, dunActive);
}

TEST_F(NetworkManagerLinksTest, DialUpProfilesAreThePhonebook) {
    CNetworkManagerLinks links(QString::fromStdString(mock->Address()));
    mock->AddProfile(QStringLiteral("DSL"), QStringLiteral("pppoe"));
    mock->AddProfile(QStringLiteral("Handy"), QStringLiteral("bluetooth"), QStringLiteral("dun"));
    mock->AddProfile(QStringLiteral("Office"), QStringLiteral("802-11-wireless"));
    const std::vector<std::string> profiles = links.DialUpProfiles();
    EXPECT_NE(std::find(profiles.begin(), profiles.end(), "DSL"), profiles.end());
    EXPECT_NE(std::find(profiles.begin(), profiles.end(), "Handy"), profiles.end());
    EXPECT_EQ(std::find(profiles.begin(), profiles.end(), "Office"), profiles.end());
    EXPECT_TRUE(std::is_sorted(profiles.begin(), profiles.end()));
}

TEST_F(NetworkManagerLinksTest, LinkSeenByPppdAndNetworkManagerCountsOnce) {
    CFakeSystem system;
    system.BringUpLink("ppp0", 300, "nm-mobil", "/dev/ttyUSB3");
    system.BringUpLink("ppp1", 301, "tonline", "/dev/ttyS0");
    system.AddPeer("tonline", "");
    const QString device = mock->AddDevice(QStringLiteral("modem"), QStringLiteral("ttyUSB3"), 30);
    mock->SetProperty(device, kDevice, QStringLiteral("IpInterface"), QStringLiteral("ppp0"));
    const QString profile = mock->AddProfile(QStringLiteral("Vodafone"), QStringLiteral("gsm"));
    const QString active = mock->Activate(device, profile, QStringLiteral("vodafone"), 2);
    CPppLinks ppp(system.Roots());
    CNetworkManagerLinks nm(QString::fromStdString(mock->Address())); // its first answer sees the modem
    CDialUpNetworking dialUp(ppp, nm, "boot");
    ASSERT_TRUE(nm.WaitForAnswers(kLongestWait));
    std::vector<std::string> names;
    for (const DialUpLink& link : dialUp.ActiveLinks().value_or(std::vector<DialUpLink>{})) {
        names.push_back(link.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Vodafone", "tonline"}));
    const std::vector<std::string> entries = dialUp.ListEntries();
    EXPECT_NE(std::find(entries.begin(), entries.end(), "Vodafone"), entries.end());
    EXPECT_NE(std::find(entries.begin(), entries.end(), "tonline"), entries.end());
    mock->Deactivate(device, active);
}

TEST(NetworkManagerLinks, NoBusMeansUnavailable) {
    CNetworkManagerLinks links(QStringLiteral("unix:path=/nonexistent/bus"));
    EXPECT_FALSE(links.IsAvailable());
    EXPECT_FALSE(links.ActiveLinks().has_value());
    EXPECT_TRUE(links.DialUpProfiles().empty());
}

} // namespace
