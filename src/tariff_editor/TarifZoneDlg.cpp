#include "tariff_editor/TarifZoneDlg.h"

#include "core/ResourceIds.h"
#include "settings/Formatting.h"
#include "ui/NotWritten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>

namespace {
constexpr int kQuarters = TariffZone::kLastQuarterOfDay + 1;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

CTarifZoneDlg::CTarifZoneDlg(const CStringTable& strings, const std::string& path, uint32_t dayKind,
                             std::optional<uint32_t> record, Schemes schemes, QWidget* parent)
    : CFormDlg(Form::kZone, parent), m_strings(strings), m_records(path), m_dayKind(dayKind), m_record(record),
      m_facts(LocaleFacts::FromCLibrary()), m_schemes(schemes) {
    Control<QGroupBox>(Control::kMinimumChargeGroup)->setVisible(schemes.minimumCharge);
    Control<QGroupBox>(Control::kDiscountGroup)->setVisible(schemes.discount);
    adjustSize();
}

QLineEdit* CTarifZoneDlg::Edit(int id) const {
    return Control<QLineEdit>(id);
}

void CTarifZoneDlg::Load() {
    auto* first = Control<QComboBox>(Control::kFirstQuarter);
    auto* last = Control<QComboBox>(Control::kLastQuarter);
    for (int quarter = 0; quarter < kQuarters; ++quarter) {
        first->addItem(Text(FormatQuarterHour(quarter, false, m_facts)));
        last->addItem(Text(FormatQuarterHour(quarter, true, m_facts)));
    }
    // A record gone meanwhile shows the values of a new zone; writing it is then refused.
    m_loaded = m_record ? m_records.ReadZone(*m_record).value_or(TariffZone{}) : TariffZone{};
    const ZoneTexts texts = CZoneInput::TextsOf(m_loaded, m_facts);
    // A quarter beyond the day (a damaged file) shows as the day's last.
    first->setCurrentIndex(std::min(texts.firstQuarter, kQuarters - 1));
    last->setCurrentIndex(std::min(texts.lastQuarter, kQuarters - 1));
    Edit(Control::kSecondsPerUnit)->setText(Text(texts.secondsPerUnit));
    Edit(Control::kUnitPrice)->setText(Text(texts.price));
    Edit(Control::kStartCharge)->setText(Text(texts.startCharge));
    Edit(Control::kInitialPeriod)->setText(Text(texts.initialPeriod));
    Edit(Control::kMinimumCharge)->setText(Text(texts.minimumCharge));
    Control<QCheckBox>(Control::kNoDiscount)->setChecked(texts.noDiscount);
    Edit(Control::kDiscountSecondsPerUnit)->setText(Text(texts.discountSecondsPerUnit));
}

QWidget* CTarifZoneDlg::FieldWidget(CZoneInput::Field field) const {
    switch (field) {
    case CZoneInput::Field::kLastQuarter:
        return Control<QComboBox>(Control::kLastQuarter);
    case CZoneInput::Field::kSecondsPerUnit:
        return Edit(Control::kSecondsPerUnit);
    case CZoneInput::Field::kPrice:
        return Edit(Control::kUnitPrice);
    case CZoneInput::Field::kStartCharge:
        return Edit(Control::kStartCharge);
    case CZoneInput::Field::kInitialPeriod:
        return Edit(Control::kInitialPeriod);
    case CZoneInput::Field::kMinimumCharge:
        return Edit(Control::kMinimumCharge);
    case CZoneInput::Field::kDiscountSecondsPerUnit:
        return Edit(Control::kDiscountSecondsPerUnit);
    case CZoneInput::Field::kNone:
        break;
    }
    return nullptr;
}

// The zone is written here, where a refusal can still keep the dialog open.
std::optional<FieldError> CTarifZoneDlg::Validate() {
    const ZoneTexts texts{Control<QComboBox>(Control::kFirstQuarter)->currentIndex(),
                          Control<QComboBox>(Control::kLastQuarter)->currentIndex(),
                          Edit(Control::kSecondsPerUnit)->text().toStdString(),
                          Edit(Control::kUnitPrice)->text().toStdString(),
                          Edit(Control::kStartCharge)->text().toStdString(),
                          Edit(Control::kInitialPeriod)->text().toStdString(),
                          Edit(Control::kMinimumCharge)->text().toStdString(),
                          Control<QCheckBox>(Control::kNoDiscount)->isChecked(),
                          Edit(Control::kDiscountSecondsPerUnit)->text().toStdString()};
    const CZoneInput input = CZoneInput::Check(texts, m_facts, m_strings, m_schemes, m_loaded);
    if (!input.IsValid()) {
        return FieldError{FieldWidget(input.RefusedField()), Text(input.Message())};
    }
    if (m_record) {
        return m_records.WriteZone(*m_record, input.Zone()) ? std::nullopt
                                                            : std::optional(NotWritten(m_strings, m_records.GetPath()));
    }
    const TariffAdd added = m_records.AddZone(m_dayKind, input.Zone());
    if (added.refused) {
        return FieldError{nullptr, Text(added.refused->Describe(m_strings, m_records.GetPath()))};
    }
    return added ? std::nullopt : std::optional(NotWritten(m_strings, m_records.GetPath()));
}
