#pragma once

#include <string>
#include <vector>

// A serial device the modem line can watch: its path as the user knows it (/dev/ttyACM0,
// /dev/serial/by-id/...) and how a list shows it.
struct SerialDevice {
    std::string path;
    std::string label;
};

// The carrier-detect line of a serial device.
class ModemLine {
public:
    enum class Status { kCarrier, kNoCarrier, kAbsent, kNoPermission };
    struct Reading {
        Status status = Status::kAbsent;
        std::string group; // the group whose members may open a device this user may not; empty when none
    };

    virtual ~ModemLine() = default;
    // A device that cannot be read, or is no serial port, counts as no carrier.
    virtual Reading Read(const std::string& device) = 0;
    // The serial devices present, in the order a list offers them.
    virtual std::vector<SerialDevice> ListDevices() = 0;
};
