#pragma once

#include "core/FileDescriptor.h"
#include "detection/ModemLine.h"

#include <functional>
#include <string>

// The carrier-detect line of a serial device: the ports /dev/ttyS0 to /dev/ttyS3, USB modems
// (/dev/ttyACM*, /dev/ttyUSB*) and their stable names under /dev/serial/by-id. The device is opened
// once and kept open, since every open raises DTR. One that is unplugged or cannot be read counts as
// no carrier and is opened again at a later reading, so a modem plugged in later is seen.
class CSerialModemLine : public ModemLine {
public:
    // How a device is opened and its modem lines read; tests put a fake device behind them.
    struct DeviceCalls {
        std::function<int(const std::string& path)> open;         // a descriptor, or -1 with errno set
        std::function<int(int descriptor, int& lines)> readLines; // 0, or -1 with errno set
    };
    static DeviceCalls RealDevices();

    // Device paths below /dev are looked up in deviceDirectory instead.
    explicit CSerialModemLine(std::string deviceDirectory = "/dev", DeviceCalls calls = RealDevices());

    Reading Read(const std::string& device) override;
    std::vector<SerialDevice> ListDevices() override;

private:
    std::string Located(const std::string& device) const;

    std::string m_directory;
    DeviceCalls m_calls;
    std::string m_openDevice;
    CFileDescriptor m_port;
};
