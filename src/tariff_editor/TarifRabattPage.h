#pragma once

#include "settings/LocaleFacts.h"
#include "settings/NumberInput.h"
#include "tariff_editor/TariffRecords.h"
#include "tariffs/RabattZaehler.h"
#include "ui/SettingsPage.h"

// The discount of a tariff: how many units of a counting period are charged at which price, and
// the discount counter of this period, shown and set with a slider. Written only on OK, and only
// if the page was shown.
class CTarifRabattPage : public CSettingsPage {
    Q_OBJECT
public:
    CTarifRabattPage(SettingsStore& settings, const CStringTable& strings, const std::string& path);

    std::optional<FieldError> Validate() override;
    // The terms first; the counter and the setting only once the terms are written, so that a
    // failure leaves the page open with what was typed and nothing half saved.
    std::optional<FieldError> Save() override;

protected:
    void Load() override;

private:
    CNumberInput TypedLimit() const;
    void OnUnitLimitEdited();
    void OnSliderMoved(int position);
    void ResetCounter();
    // The slider from 0 to the limit at the counter, without taking that as the user's move.
    void ShowCounter(uint32_t limit);

    CTariffRecords m_records;
    CRabattZaehler m_counter;
    LocaleFacts m_facts;
};
