#include "platform/PppLinks.h"

#include "support/FakeSystem.h"

#include <gtest/gtest.h>

namespace {

struct PppLinksTest : ::testing::Test {
    CFakeSystem system;
    CPppLinks links{system.Roots()};

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        const std::optional<std::vector<DialUpLink>> active = links.ActiveLinks();
        for (const DialUpLink& link : active.value()) {
            names.push_back(link.name + "|" + link.device + "|" + link.interfaceName);
        }
        return names;
    }
};

TEST_F(PppLinksTest, UpLinkOfALivePppdCountsWithItsPeerAndDevice) {
    system.AddInterface("eth0", false, true);
    EXPECT_TRUE(links.IsAvailable());
    EXPECT_TRUE(Names().empty());
    system.BringUpLink("ppp0", 4242, "tonline", "/dev/ttyS0");
    EXPECT_EQ(Names(), (std::vector<std::string>{"tonline|ttyS0|ppp0"}));
    system.TakeDownLink("ppp0", 4242);
    EXPECT_TRUE(Names().empty());
}

TEST_F(PppLinksTest, UnavailableWithoutPppdsProgramAndPeersFolder) {
    PppRoots roots = system.Roots();
    roots.peers += "-missing";
    roots.programs = {roots.peers + "/pppd"};
    EXPECT_FALSE(CPppLinks(roots).IsAvailable());
    roots.programs = {"/bin/sh"};
    EXPECT_TRUE(CPppLinks(roots).IsAvailable());
}

TEST_F(PppLinksTest, NegotiatingOrOrphanedInterfacesDoNotCount) {
    system.AddPppd(4242, {"/usr/sbin/pppd", "call", "tonline"}, "ppp0");
    system.AddInterface("ppp0", true, false); // still negotiating: not up
    EXPECT_TRUE(Names().empty());
    system.SetUp("ppp0", true);
    EXPECT_EQ(Names().size(), 1u);
    system.StopPppd(4242); // the daemon is gone, the interface lingers
    EXPECT_TRUE(Names().empty());
}

TEST_F(PppLinksTest, LinkNameWinsThenPeerThenInterface) {
    system.AddPppd(100, {"/usr/sbin/pppd", "call", "arcor"}, "ppp0", "Arcor Modem");
    system.AddInterface("ppp0", true, true);
    system.AddPppd(101, {"/usr/sbin/pppd", "/dev/ttyUSB0", "115200"}, "ppp1");
    system.AddInterface("ppp1", true, true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Arcor Modem|ppp0|ppp0", "ppp1|ttyUSB0|ppp1"}));
}

TEST_F(PppLinksTest, DeviceComesFromThePeersFileWhenNotOnTheCommandLine) {
    system.AddPeer("mobil", "# the stick\n/dev/ttyUSB2 460800\nnoauth\n");
    system.BringUpLink("ppp0", 7, "mobil", "debug");
    EXPECT_EQ(Names(), (std::vector<std::string>{"mobil|ttyUSB2|ppp0"}));
}

TEST_F(PppLinksTest, DemandDialledLinkCountsOnlyWhilePppdHoldsItsDevice) {
    system.AddPeer("isdn", "/dev/ttyS1\ndemand\nidle 120\n");
    system.BringUpLink("ppp0", 55, "isdn", "nodetach");
    EXPECT_TRUE(Names().empty()); // up, but nothing dialled yet
    system.OpenDevice(55, "/dev/ttyS1");
    EXPECT_EQ(Names(), (std::vector<std::string>{"isdn|ttyS1|ppp0"}));
}

TEST_F(PppLinksTest, PidThatBelongsToAnotherProgramDoesNotCount) {
    system.AddPppd(9, {"/usr/bin/bash"}, "ppp0");
    system.AddInterface("ppp0", true, true);
    EXPECT_TRUE(Names().empty());
}

TEST_F(PppLinksTest, PeersDirectoryIsThePhonebook) {
    system.AddPeer("tonline", "");
    system.AddPeer("arcor", "");
    system.AddPeer("arcor~", "");
    system.AddPeer("old.dpkg-old", "");
    EXPECT_EQ(links.PeerNames(), (std::vector<std::string>{"arcor", "tonline"}));
}

TEST(PppLinks, MissingSysfsIsUnavailable) {
    PppRoots roots;
    roots.sysfs = "/nonexistent";
    CPppLinks links(roots);
    EXPECT_FALSE(links.IsAvailable());
    EXPECT_FALSE(links.ActiveLinks().has_value());
}

} // namespace
