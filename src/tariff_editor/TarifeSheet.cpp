#include "tariff_editor/TarifeSheet.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "tariff_editor/TarifFTagePage.h"
#include "tariff_editor/TarifRabattPage.h"
#include "tariff_editor/TarifTagPage.h"
#include "tariff_editor/TariffRecords.h"

CTarifeSheet::CTarifeSheet(SettingsStore& settings, const CStringTable& strings, const std::string& path,
                           const QString& displayTitle, QWidget* parent)
    : CPropertySheet(QString::fromStdString(strings.Format(Str::kTariffCaption, {displayTitle.toStdString()})),
                     parent) {
    const TariffOptions options = CTariffRecords(path).ReadOptions();
    const CTarifZoneDlg::Schemes schemes{options.minimumCharge, options.discountScheme};
    const auto addZonePage = [&](uint32_t dayKind, unsigned caption) {
        AddPage(new CTarifTagPage(strings, path, dayKind, caption, schemes));
    };
    if (options.fridayOwnTable) {
        addZonePage(CTarifFile::kWorkingDays, Str::kZonesMondayToThursday);
        addZonePage(CTarifFile::kFriday, Str::kZonesFriday);
    } else {
        addZonePage(CTarifFile::kWorkingDays, Str::kZonesMondayToFriday);
    }
    if (options.sundayOwnTable) {
        addZonePage(CTarifFile::kWeekend, Str::kZonesSaturday);
        addZonePage(CTarifFile::kSunday, Str::kZonesSunday);
    } else {
        addZonePage(CTarifFile::kWeekend, Str::kZonesWeekend);
    }
    if (!options.holidaysAsSundays) {
        addZonePage(CTarifFile::kHolidays, Str::kZonesHolidays);
    }
    AddPage(new CTarifFTagePage(strings, path));
    if (options.discountScheme) {
        AddPage(new CTarifRabattPage(settings, strings, path));
    }
}
