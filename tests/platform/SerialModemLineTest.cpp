#include "platform/SerialModemLine.h"

#include "support/TempDir.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <tuple>

namespace {

using Status = ModemLine::Status;

// A fake device is a plain file: "1" while the carrier is on. Removed, it reads as a USB device
// that was unplugged (EIO); without its owner's read permission it is refused as the kernel
// refuses it to someone who is neither its owner nor in its group.
struct FakeDevices {
    int opens = 0;

    CSerialModemLine::DeviceCalls Calls() {
        return {[this](const std::string& path) {
                    struct stat status {};
                    if (stat(path.c_str(), &status) == 0 && (status.st_mode & S_IRUSR) == 0) {
                        errno = EACCES;
                        return -1;
                    }
                    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
                    opens += descriptor >= 0 ? 1 : 0;
                    return descriptor;
                },
                [](int descriptor, int& lines) {
                    struct stat status {};
                    char state = '0';
                    if (fstat(descriptor, &status) != 0 || status.st_nlink == 0 ||
                        pread(descriptor, &state, 1, 0) != 1) {
                        errno = EIO;
                        return -1;
                    }
                    lines = state == '1' ? TIOCM_CAR : 0;
                    return 0;
                }};
    }
};

struct SerialModemLineTest : ::testing::Test {
    CTempDir dev;
    FakeDevices devices;
    CSerialModemLine line{dev.Path(), devices.Calls()};
};

TEST(SerialModemLine, PortThatCannotBeOpenedOrIsNoSerialPortHasNoCarrier) {
    CTempDir dev;
    WriteFile(dev.File("ttyS1"), "not a serial port");
    CSerialModemLine line(dev.Path());
    EXPECT_EQ(line.Read("/dev/ttyS0").status, Status::kAbsent);
    EXPECT_EQ(line.Read("/dev/ttyS1").status, Status::kNoCarrier); // a plain file: the ioctl fails
}

TEST_F(SerialModemLineTest, ListsStableNamesThenUsbModemsThenTheFourPorts) {
    std::filesystem::create_directories(dev.File("serial/by-id"));
    for (const char* name : {"ttyACM0", "ttyUSB10", "ttyUSB2", "ttyS0", "tty1", "ttyAMA0"}) {
        WriteFile(dev.File(name), "0");
    }
    std::filesystem::create_symlink("../../ttyACM0", dev.File("serial/by-id/usb-Example_Modem_123-if00"));
    std::vector<std::string> listed;
    for (const SerialDevice& device : line.ListDevices()) {
        listed.push_back(device.path + " = " + device.label);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "/dev/serial/by-id/usb-Example_Modem_123-if00 = usb-Example_Modem_123-if00 (ttyACM0)",
                          "/dev/ttyACM0 = /dev/ttyACM0", "/dev/ttyUSB2 = /dev/ttyUSB2", "/dev/ttyUSB10 = /dev/ttyUSB10",
                          "/dev/ttyS0 = /dev/ttyS0 (COM1)", "/dev/ttyS1 = /dev/ttyS1 (COM2)",
                          "/dev/ttyS2 = /dev/ttyS2 (COM3)", "/dev/ttyS3 = /dev/ttyS3 (COM4)"}));
}

// The device is opened once while it stays (every open raises DTR), its carrier followed; unplugged
// it counts as absent without fuss, and plugged in again it is opened and watched again.
TEST_F(SerialModemLineTest, FollowsTheCarrierAndAnUnpluggedDeviceThatComesBack) {
    std::filesystem::create_directories(dev.File("serial/by-id"));
    WriteFile(dev.File("ttyACM0"), "0");
    std::filesystem::create_symlink("../../ttyACM0", dev.File("serial/by-id/usb-Modem-if00"));
    const std::string byId = "/dev/serial/by-id/usb-Modem-if00";
    EXPECT_EQ(line.Read(byId).status, Status::kNoCarrier);
    WriteFile(dev.File("ttyACM0"), "1");
    EXPECT_EQ(line.Read(byId).status, Status::kCarrier);
    WriteFile(dev.File("ttyACM0"), "0");
    EXPECT_EQ(line.Read(byId).status, Status::kNoCarrier);
    EXPECT_EQ(devices.opens, 1);

    std::filesystem::remove(dev.File("ttyACM0"));
    EXPECT_EQ(line.Read(byId).status, Status::kNoCarrier); // the open descriptor fails
    EXPECT_EQ(line.Read(byId).status, Status::kAbsent);
    EXPECT_EQ(line.Read(byId).status, Status::kAbsent);
    WriteFile(dev.File("ttyACM0"), "1");
    EXPECT_EQ(line.Read(byId).status, Status::kCarrier);
    EXPECT_EQ(devices.opens, 2);
}

// Only a group whose members may open the device is named: not one without read permission, and
// not root's.
TEST_F(SerialModemLineTest, ADeviceThisUserMayNotOpenNamesOnlyAGroupThatMay) {
    const std::string path = dev.File("ttyUSB0");
    WriteFile(path, "1");
    const group* dialout = getgrnam("dialout");
    if (dialout == nullptr || chown(path.c_str(), static_cast<uid_t>(-1), dialout->gr_gid) != 0) {
        GTEST_SKIP() << "the device cannot be given to the group dialout here";
    }
    for (const auto& [mode, gid, named] : {std::tuple{0060, dialout->gr_gid, "dialout"},
                                           std::tuple{0, dialout->gr_gid, ""}, std::tuple{0060, gid_t{0}, ""}}) {
        ASSERT_EQ(chown(path.c_str(), static_cast<uid_t>(-1), gid), 0);
        chmod(path.c_str(), static_cast<mode_t>(mode));
        const ModemLine::Reading reading = line.Read("/dev/ttyUSB0");
        EXPECT_EQ(reading.status, Status::kNoPermission) << std::oct << mode;
        EXPECT_EQ(reading.group, named) << std::oct << mode << " gid " << gid;
    }
    chmod(path.c_str(), 0660);
    EXPECT_EQ(line.Read("/dev/ttyUSB0").status, Status::kCarrier);
    EXPECT_EQ(line.Read("/dev/ttyACM0").status, Status::kAbsent); // another device: the first is let go
}

} // namespace
