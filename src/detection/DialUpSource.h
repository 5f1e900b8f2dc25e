#pragma once

#include <optional>
#include <string>
#include <vector>

// A dial-up connection that has come far enough to count (on Linux: a PPP link that is up, or a
// NetworkManager dial-up profile whose device is configuring IP or activated).
struct DialUpLink {
    std::string name;          // the entry's name, as the assignment of tariffs knows it
    std::string device;        // the device that carries it
    std::string interfaceName; // the network interface (ppp0), to tell one link seen twice
    // What tells this link from any other, one that comes up later included (pppd's pid and its
    // interface, NetworkManager's active connection): a meter that finds it again goes on with the
    // connection an earlier one left. Empty when nothing can tell it.
    std::string identity;
};

// Where the watcher learns which dial-up connections are up.
class DialUpSource {
public:
    virtual ~DialUpSource() = default;
    // Whether dial-up networking can be watched on this machine at all.
    virtual bool IsAvailable() = 0;
    // The links that count now, in a stable order; nothing when they cannot be read this time.
    virtual std::optional<std::vector<DialUpLink>> ActiveLinks() = 0;
};
