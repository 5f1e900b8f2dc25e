#pragma once

#include "platform/PppLinks.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

// A temporary tree laid out like /sys/class/net, /run, /proc and /etc/ppp/peers, in which tests
// bring PPP links up and down the way the kernel and pppd show them.
class CFakeSystem {
public:
    CFakeSystem();

    PppRoots Roots() const;
    // The variables that point fernzahl and fernzahl-cli at this tree.
    std::vector<std::pair<std::string, std::string>> Environment() const;
    // The desktop program watching this tree: an installation of its own, offscreen, every
    // question answered at once.
    ProcessEnvironment ProgramEnvironment(const std::string& home, const std::string& runtime) const;

    void AddInterface(const std::string& name, bool ppp, bool up);
    void SetUp(const std::string& name, bool up);
    void RemoveInterface(const std::string& name);
    // A running pppd with its command line; its pid files name the interface.
    void AddPppd(int pid, const std::vector<std::string>& commandLine, const std::string& interfaceName,
                 const std::string& linkName = "");
    void StopPppd(int pid);
    // pppd opens its serial device (for links dialled on demand).
    void OpenDevice(int pid, const std::string& device);
    void AddPeer(const std::string& name, const std::string& content);
    // A complete link: ppp interface up, pppd called with the peer, its device given on the command line.
    void BringUpLink(const std::string& interfaceName, int pid, const std::string& peer, const std::string& device);
    void TakeDownLink(const std::string& interfaceName, int pid);

    const std::string& Path() const { return m_dir.Path(); }

private:
    CTempDir m_dir;
};
