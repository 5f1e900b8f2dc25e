#pragma once

#include "detection/ModemLine.h"
#include "platform/PosixFile.h"

#include <array>
#include <string>

// The carrier-detect line of /dev/ttyS0 to /dev/ttyS3. A port is opened once and kept open, since
// every open raises DTR; a port that cannot be opened (pppd holds it) or read counts as no carrier.
class CSerialModemLine : public ModemLine {
public:
    explicit CSerialModemLine(std::string deviceDirectory = "/dev") : m_directory(std::move(deviceDirectory)) {}

    bool HasCarrier(int portIndex) override;

private:
    std::string m_directory;
    std::array<CFileDescriptor, 4> m_ports;
};
