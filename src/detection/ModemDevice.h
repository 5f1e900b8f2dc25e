#pragma once

#include <string>

class SettingsStore;

// Which serial device the modem line watches. The number setting names the ports /dev/ttyS0 to
// /dev/ttyS3 as it always did; any other device is kept by its full path in a string setting beside
// it, which wins while it holds one.
namespace ModemDevice {

// The path of serial port 0 to 3; any other number means the fourth port.
std::string PortPath(int port);
// The device the settings choose.
std::string Watched(SettingsStore& settings);
// Stores a chosen device: one of the four ports by its number, anything else by its path.
bool Store(SettingsStore& settings, const std::string& path);

} // namespace ModemDevice
