#include "tariff_editor/TarifOptionenDlg.h"

#include "core/ResourceIds.h"
#include "ui/NotWritten.h"

#include <QCheckBox>

CTarifOptionenDlg::CTarifOptionenDlg(const CStringTable& strings, const std::string& path, QWidget* parent)
    : CFormDlg(Form::kTariffOptions, parent), m_strings(strings), m_records(path) {}

void CTarifOptionenDlg::Load() {
    const TariffOptions options = m_records.ReadOptions();
    Control<QCheckBox>(Control::kOptionMinimumCharge)->setChecked(options.minimumCharge);
    Control<QCheckBox>(Control::kOptionDiscount)->setChecked(options.discountScheme);
    Control<QCheckBox>(Control::kOptionFridayOwnTable)->setChecked(options.fridayOwnTable);
    Control<QCheckBox>(Control::kOptionSundayOwnTable)->setChecked(options.sundayOwnTable);
    Control<QCheckBox>(Control::kOptionHolidaysAsSundays)->setChecked(options.holidaysAsSundays);
}

// The options are written here, where a file that refuses them can still keep the dialog open.
std::optional<FieldError> CTarifOptionenDlg::Validate() {
    const TariffOptions options{Control<QCheckBox>(Control::kOptionMinimumCharge)->isChecked(),
                                Control<QCheckBox>(Control::kOptionDiscount)->isChecked(),
                                Control<QCheckBox>(Control::kOptionFridayOwnTable)->isChecked(),
                                Control<QCheckBox>(Control::kOptionSundayOwnTable)->isChecked(),
                                Control<QCheckBox>(Control::kOptionHolidaysAsSundays)->isChecked()};
    if (m_records.WriteOptions(options)) {
        return std::nullopt;
    }
    return NotWritten(m_strings, m_records.GetPath());
}
