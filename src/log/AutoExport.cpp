#include "log/AutoExport.h"

#include "log/ProtokollFile.h"
#include "settings/SettingsStore.h"

bool AutoExport(SettingsStore& settings, const CStringTable& strings) {
    if (settings.Read(Setting::kAutoExport) == 0) {
        return true;
    }
    const std::string directory = settings.GetProgramDirectory();
    CProtokollFile log(directory);
    return log.ExportText(directory + CProtokollFile::kAutoExportName, nullptr, strings);
}
