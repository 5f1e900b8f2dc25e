#include "tariff_editor/TariffCommands.h"

#include "core/Services.h"
#include "tariff_editor/TarifAuswahlDlg.h"
#include "tariff_editor/TarifOptionenDlg.h"
#include "tariff_editor/TarifeSheet.h"
#include "tariffs/Tarif.h"
#include "tariffs/TarifFile.h"

namespace {

void EditChosenTariff(const Services& services, QWidget* parent) {
    CTarifAuswahlDlg choice(services.settings, services.strings, parent);
    if (choice.ChooseIfNeeded() != QDialog::Accepted) {
        return;
    }
    const std::string path = choice.GetTariffPath();
    // The test creates a missing file empty; it stays when the options are cancelled.
    if (!CTarifFile(path).IsTariffFile() &&
        CTarifOptionenDlg(services.strings, path, parent).Run() != QDialog::Accepted) {
        return;
    }
    CTarifeSheet sheet(services.settings, services.strings, path, choice.GetDisplayTitle(), parent);
    RunModal(sheet);
}

void EditChosenOptions(const Services& services, QWidget* parent) {
    CTarifAuswahlDlg choice(services.settings, services.strings, parent);
    if (choice.ChooseIfNeeded() == QDialog::Accepted) {
        CTarifOptionenDlg(services.strings, choice.GetTariffPath(), parent).Run();
    }
}

} // namespace

void EditTariffs(const Services& services, CTarif& runningTariff, QWidget* parent) {
    EditChosenTariff(services, parent);
    runningTariff.Invalidate();
}

void EditTariffOptions(const Services& services, CTarif& runningTariff, QWidget* parent) {
    EditChosenOptions(services, parent);
    runningTariff.Invalidate();
}
