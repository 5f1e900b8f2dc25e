#include "settings/OptionenSheet.h"

#include "core/ResourceIds.h"
#include "core/Services.h"
#include "core/StringTable.h"
#include "settings/OptAnzeigePage.h"
#include "settings/OptBudgetPage.h"
#include "settings/OptExportPage.h"
#include "settings/OptSplashPage.h"
#include "settings/OptTarifePage.h"
#include "settings/OptTimerPage.h"
#include "settings/OptUeberwPage.h"
#include "settings/OptZaehlerPage.h"

COptionenSheet::COptionenSheet(const Services& services, bool dialUpAvailable, std::vector<SerialDevice> serialDevices,
                               QWidget* parent)
    : CPropertySheet(QString::fromStdString(services.strings.Get(Str::kOptionsCaption)), parent) {
    SettingsStore& settings = services.settings;
    const CStringTable& strings = services.strings;
    AddPage(new COptUeberwPage(settings, strings, dialUpAvailable, std::move(serialDevices)));
    AddPage(new COptZaehlerPage(settings, strings));
    AddPage(new COptExportPage(settings, strings));
    AddPage(new COptTimerPage(settings, strings, services.sound));
    AddPage(new COptAnzeigePage(settings, strings));
    AddPage(new COptSplashPage(settings, strings, CAutostart()));
    const QString close = QString::fromStdString(strings.Get(Str::kClose));
    AddPage(new COptTarifePage(settings, strings, [this, close] { CancelToClose(close); }));
    AddPage(new COptBudgetPage(settings, strings));
}
