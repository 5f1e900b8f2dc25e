#include "tariffs/DefaultTariff.h"

#include "core/FileLayer.h"
#include "core/FileNames.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string DefaultTariffFile(const std::string& programDirectory) {
    return FindFileNoCase(programDirectory, "Fernzahl.tff")
        .value_or((fs::path(programDirectory) / "Fernzahl.tff").string());
}

DefaultTariffInstall InstallDeliveredDefaultTariff(const std::string& programDirectory) {
    const std::optional<std::string> delivered = FindFileNoCase(programDirectory, "NewDefaultTariff.dll");
    if (!delivered) {
        return DefaultTariffInstall::NoneDelivered;
    }
    const std::string target = DefaultTariffFile(programDirectory);
    std::error_code error;
    // A read-only delivery would become a read-only default tariff that the editor cannot save.
    fs::permissions(*delivered, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    return CFileLayer::Rename(*delivered, target) && CFileLayer::FlushDirectoryOf(target)
               ? DefaultTariffInstall::Installed
               : DefaultTariffInstall::Failed;
}
