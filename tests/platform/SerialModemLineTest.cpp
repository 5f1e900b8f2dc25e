#include "platform/SerialModemLine.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(SerialModemLine, PortThatCannotBeOpenedOrIsNoSerialPortHasNoCarrier) {
    CTempDir dev;
    WriteFile(dev.File("ttyS1"), "not a serial port");
    CSerialModemLine line(dev.Path());
    EXPECT_FALSE(line.HasCarrier(0)); // missing
    EXPECT_FALSE(line.HasCarrier(1)); // a plain file: the ioctl fails
    EXPECT_FALSE(line.HasCarrier(9));
}

} // namespace
