#pragma once

// The carrier-detect line of the serial ports 0 to 3.
class ModemLine {
public:
    virtual ~ModemLine() = default;
    // A port that cannot be read counts as no carrier.
    virtual bool HasCarrier(int portIndex) = 0;
};
