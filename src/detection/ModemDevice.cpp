#include "detection/ModemDevice.h"

#include "settings/SettingsStore.h"

namespace ModemDevice {

std::string PortPath(int port) {
    return "/dev/ttyS" + std::to_string(port >= 0 && port <= 2 ? port : 3);
}

std::string Watched(SettingsStore& settings) {
    // A path too long for the setting is not what the user chose there: nothing is watched rather
    // than another port.
    if (settings.IsTooLong(Setting::kModemDevice)) {
        return {};
    }
    // Only a full path counts: a relative one would depend on where the program was started.
    const std::string device = settings.Read(Setting::kModemDevice);
    return device.starts_with('/') ? device : PortPath(static_cast<int>(settings.Read(Setting::kPort)));
}

bool Store(SettingsStore& settings, const std::string& path) {
    for (int port = 0; port <= 3; ++port) {
        if (path == PortPath(port)) {
            return settings.Write(Setting::kPort, static_cast<uint32_t>(port)) &&
                   settings.Write(Setting::kModemDevice, "");
        }
    }
    return settings.Write(Setting::kModemDevice, path);
}

} // namespace ModemDevice
