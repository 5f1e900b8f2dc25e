#include "tariff_editor/FeiertageDlg.h"

#include "core/ResourceIds.h"

#include <QComboBox>
#include <QSpinBox>

#include <algorithm>

CFeiertageDlg::CFeiertageDlg(int year, QWidget* parent) : CFormDlg(Form::kPublicHolidays, parent), m_year(year) {}

void CFeiertageDlg::Load() {
    auto* year = Control<QSpinBox>(Control::kHolidayYear);
    year->setRange(CPublicHolidays::kFirstYear, CPublicHolidays::kLastYear);
    year->setValue(std::clamp(m_year, CPublicHolidays::kFirstYear, CPublicHolidays::kLastYear));
    Control<QComboBox>(Control::kHolidayCountry)->setCurrentIndex(0);
}

int CFeiertageDlg::Year() const {
    return Control<QSpinBox>(Control::kHolidayYear)->value();
}

// The choice lists the countries in the order of CPublicHolidays::Country.
CPublicHolidays::Country CFeiertageDlg::Country() const {
    return static_cast<CPublicHolidays::Country>(
        std::max(0, Control<QComboBox>(Control::kHolidayCountry)->currentIndex()));
}
