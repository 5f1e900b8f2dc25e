#include "platform/SerialModemLine.h"

#include "detection/ModemDevice.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDev = "/dev/";

// The group whose members may open the device as the line is read; none when the group may not
// read it, or is root's, which no user should join for a modem.
std::string OpeningGroup(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || (status.st_mode & S_IRGRP) == 0 || status.st_gid == 0) {
        return {};
    }
    const group* owner = getgrgid(status.st_gid);
    return owner != nullptr ? owner->gr_name : std::to_string(status.st_gid);
}

// The names in a folder that start with prefix, in their natural order (ttyUSB2 before ttyUSB10).
std::vector<std::string> NamesStartingWith(const fs::path& folder, const std::string& prefix) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return names;
}

ModemLine::Reading Unopened(const std::string& path, int error) {
    if (error == EACCES || error == EPERM) {
        return {ModemLine::Status::kNoPermission, OpeningGroup(path)};
    }
    const bool absent = error == ENOENT || error == ENODEV || error == ENXIO;
    return {absent ? ModemLine::Status::kAbsent : ModemLine::Status::kNoCarrier, {}};
}

} // namespace

CSerialModemLine::DeviceCalls CSerialModemLine::RealDevices() {
    return {[](const std::string& path) { return open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); },
            [](int descriptor, int& lines) { return ioctl(descriptor, TIOCMGET, &lines); }};
}

CSerialModemLine::CSerialModemLine(std::string deviceDirectory, DeviceCalls calls)
    : m_directory(std::move(deviceDirectory)), m_calls(std::move(calls)) {}

std::string CSerialModemLine::Located(const std::string& device) const {
    return device.rfind(kDev, 0) == 0 ? m_directory + "/" + device.substr(std::char_traits<char>::length(kDev))
                                      : device;
}

ModemLine::Reading CSerialModemLine::Read(const std::string& device) {
    if (device != m_openDevice) {
        m_port = CFileDescriptor();
        m_openDevice = device;
    }
    const std::string path = Located(device);
    if (!m_port.IsOpen()) {
        const int descriptor = m_calls.open(path);
        if (descriptor < 0) {
            return Unopened(path, errno);
        }
        m_port = CFileDescriptor(descriptor);
    }
    int lines = 0;
    if (m_calls.readLines(m_port.Get(), lines) != 0) {
        m_port = CFileDescriptor(); // unplugged, or no serial port: opened again at the next reading
        return {Status::kNoCarrier, {}};
    }
    return {(lines & TIOCM_CAR) != 0 ? Status::kCarrier : Status::kNoCarrier, {}};
}

std::vector<SerialDevice> CSerialModemLine::ListDevices() {
    std::vector<SerialDevice> devices;
    const fs::path byId = fs::path(m_directory) / "serial" / "by-id";
    for (const std::string& id : NamesStartingWith(byId, "")) {
        std::error_code error;
        const fs::path target = fs::read_symlink(byId / id, error);
        const std::string label = error ? id : id + " (" + target.filename().string() + ")";
        devices.push_back({std::string(kDev) + "serial/by-id/" + id, label});
    }
    for (const char* kind : {"ttyACM", "ttyUSB"}) {
        for (const std::string& name : NamesStartingWith(m_directory, kind)) {
            devices.push_back({kDev + name, kDev + name});
        }
    }
    for (int port = 0; port <= 3; ++port) {
        const std::string path = ModemDevice::PortPath(port);
        devices.push_back({path, path + " (COM" + std::to_string(port + 1) + ")"});
    }
    return devices;
}
