#include "platform/ExampleTariff.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"
#include "core/FileNames.h"

#include <filesystem>

ExampleTariffInstall InstallExampleTariff(const std::string& programDirectory, const std::string& examplePath) {
    constexpr const char* kDefaultTariff = "Fernzahl.tff";
    if (FindFileNoCase(programDirectory, kDefaultTariff)) {
        return ExampleTariffInstall::AlreadyPresent;
    }
    if (examplePath.empty()) {
        return ExampleTariffInstall::NotShipped;
    }
    std::string tariff;
    if (ReadWholeFile(examplePath, tariff) &&
        CFileLayer::Create((std::filesystem::path(programDirectory) / kDefaultTariff).string(), tariff)) {
        return ExampleTariffInstall::Installed;
    }
    // One made meanwhile (by fernzahl-cli, say) wins over the example.
    return FindFileNoCase(programDirectory, kDefaultTariff) ? ExampleTariffInstall::AlreadyPresent
                                                            : ExampleTariffInstall::Failed;
}
