#include "tariff_editor/TarifRabattPage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/AmountInput.h"
#include "settings/Formatting.h"
#include "settings/NumberInput.h"
#include "settings/SettingsStore.h"
#include "ui/NotWritten.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <climits>

CTarifRabattPage::CTarifRabattPage(SettingsStore& settings, const CStringTable& strings, const std::string& path)
    : CSettingsPage(Form::kDiscountPage,
                    {{Control::kResetDiscountWithCounters, SettingBinding::Kind::Check, Setting::kResetRabatt}},
                    settings, strings),
      m_records(path), m_counter(settings.GetProgramDirectory()), m_facts(LocaleFacts::FromCLibrary()) {}

void CTarifRabattPage::Load() {
    CSettingsPage::Load();
    const DiscountTerms terms = m_records.ReadDiscount();
    Control<QLineEdit>(Control::kUnitLimit)->setText(QString::number(terms.unitLimit));
    Control<QLineEdit>(Control::kDiscountPrice)->setText(QString::fromStdString(FormatAmount(terms.price, m_facts)));
    ShowCounter(terms.unitLimit);
    connect(Control<QLineEdit>(Control::kUnitLimit), &QLineEdit::textChanged, this,
            &CTarifRabattPage::OnUnitLimitEdited);
    connect(Control<QSlider>(Control::kDiscountCounter), &QSlider::valueChanged, this,
            &CTarifRabattPage::OnSliderMoved);
    connect(Control<QPushButton>(Control::kResetDiscountCounter), &QPushButton::clicked, this,
            &CTarifRabattPage::ResetCounter);
}

void CTarifRabattPage::ShowCounter(uint32_t limit) {
    auto* slider = Control<QSlider>(Control::kDiscountCounter);
    const QSignalBlocker quiet(slider);
    slider->setRange(0, static_cast<int>(std::min<uint32_t>(limit, INT_MAX)));
    slider->setValue(static_cast<int>(std::min<uint32_t>(m_counter.GetCount(), INT_MAX)));
    Control<QLabel>(Control::kDiscountCounterText)->setText(QString::fromStdString(m_counter.FormatCount(Strings())));
}

CNumberInput CTarifRabattPage::TypedLimit() const {
    return CNumberInput::Check(Control<QLineEdit>(Control::kUnitLimit)->text().toStdString(), 0, UINT32_MAX);
}

// While the limit is being typed, the slider follows every whole number.
void CTarifRabattPage::OnUnitLimitEdited() {
    if (const CNumberInput limit = TypedLimit(); limit.IsValid()) {
        ShowCounter(limit.Value());
    }
}

void CTarifRabattPage::OnSliderMoved(int position) {
    m_counter.SetCount(static_cast<uint32_t>(position));
    Control<QLabel>(Control::kDiscountCounterText)->setText(QString::fromStdString(m_counter.FormatCount(Strings())));
}

void CTarifRabattPage::ResetCounter() {
    m_counter.SetCount(0);
    const CNumberInput limit = TypedLimit();
    ShowCounter(limit.IsValid() ? limit.Value()
                                : static_cast<uint32_t>(Control<QSlider>(Control::kDiscountCounter)->maximum()));
}

std::optional<FieldError> CTarifRabattPage::Validate() {
    if (const CNumberInput limit = TypedLimit(); !limit.IsValid()) {
        return FieldError{Control<QLineEdit>(Control::kUnitLimit), QString::fromStdString(limit.Message(Strings()))};
    }
    auto* priceField = Control<QLineEdit>(Control::kDiscountPrice);
    const CAmountInput price = CAmountInput::Check(priceField->text().toStdString(), m_facts);
    if (!price.IsValid()) {
        return FieldError{priceField, QString::fromStdString(price.Message(Strings()))};
    }
    return CSettingsPage::Validate();
}

std::optional<FieldError> CTarifRabattPage::Save() {
    const DiscountTerms terms{
        TypedLimit().Value(),
        CAmountInput::Check(Control<QLineEdit>(Control::kDiscountPrice)->text().toStdString(), m_facts).Value()};
    if (!m_records.WriteDiscount(terms)) {
        return NotWritten(Strings(), m_records.GetPath());
    }
    if (m_counter.IsModified() && !m_counter.Save()) {
        return NotWritten(Strings(), Settings().GetProgramDirectory() + CZaehlerFile::kFileName);
    }
    return CSettingsPage::Save();
}
