#include "log/FilterDlg.h"

#include "core/NumberText.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/AmountInput.h"
#include "settings/DateTimeInput.h"
#include "settings/Formatting.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace {
using Field = CProtokollFilter::TextField;

constexpr std::pair<Field, int> kTextBoxes[] = {{CProtokollFilter::kTariff, Control::kFilterTariff},
                                                {CProtokollFilter::kUser, Control::kFilterUser},
                                                {CProtokollFilter::kConnection, Control::kFilterConnection},
                                                {CProtokollFilter::kDevice, Control::kFilterDevice}};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

CFilterDlg::CFilterDlg(CProtokollFilter& filter, std::string directory, const CDateTime& now,
                       const CStringTable& strings, QWidget* parent)
    : CFormDlg(Form::kLogFilter, parent), m_filter(filter), m_directory(std::move(directory)), m_now(now),
      m_strings(strings) {}

void CFilterDlg::Load() {
    // An inactive filter offers what the log holds now; an active one shows the criteria in force.
    if (!m_filter.IsActive()) {
        QApplication::setOverrideCursor(Qt::WaitCursor); // a long log takes a moment to scan
        m_filter.Scan(m_directory, m_now, m_strings);
        QApplication::restoreOverrideCursor();
    }
    for (const auto& [field, box] : kTextBoxes) {
        auto* combo = Control<QComboBox>(box);
        for (const std::string& choice : m_filter.Choices(field)) {
            combo->addItem(Text(choice));
        }
        combo->setCurrentIndex(m_filter.Selection(field));
    }
    Control<QLineEdit>(Control::kFilterFrom)->setText(Text(FormatDateTimeInput(m_filter.from)));
    Control<QLineEdit>(Control::kFilterTo)->setText(Text(FormatDateTimeInput(m_filter.to)));
    Control<QLineEdit>(Control::kFilterShortest)->setText(Text(FormatDateTimeInput(m_filter.shortest)));
    Control<QLineEdit>(Control::kFilterLongest)->setText(Text(FormatDateTimeInput(m_filter.longest)));
    Control<QLineEdit>(Control::kFilterMostUnits)->setText(QString::number(m_filter.mostUnits));
    Control<QLineEdit>(Control::kFilterFewestUnits)->setText(QString::number(m_filter.fewestUnits));
    Control<QLineEdit>(Control::kFilterDearest)->setText(Text(FormatAmount(m_filter.dearest)));
    Control<QLineEdit>(Control::kFilterCheapest)->setText(Text(FormatAmount(m_filter.cheapest)));
}

// The fields are read in a fixed order; the first that cannot be read is the one the user hears of.
std::optional<FieldError> CFilterDlg::Validate() {
    auto refuse = [this](int control, unsigned message) {
        return FieldError{Control<QLineEdit>(control), Text(m_strings.Get(message))};
    };
    auto text = [this](int control) { return Control<QLineEdit>(control)->text().toStdString(); };
    for (const auto& [control, bound] : {std::pair{Control::kFilterFrom, &m_typed.from},
                                         {Control::kFilterTo, &m_typed.to},
                                         {Control::kFilterShortest, &m_typed.shortest},
                                         {Control::kFilterLongest, &m_typed.longest}}) {
        const std::optional<CDateTime> value = ParseDateTimeInput(text(control));
        if (!value) {
            // The form expected, shown by example: now, as the user's locale writes it.
            const std::string example = FormatDateTimeInput(m_now);
            return FieldError{Control<QLineEdit>(control), Text(m_strings.Format(Str::kDateTimeExample, {example}))};
        }
        *bound = *value;
    }
    for (const auto& [control, bound] : {std::pair{Control::kFilterMostUnits, &m_typed.mostUnits},
                                         {Control::kFilterFewestUnits, &m_typed.fewestUnits}}) {
        const std::optional<int32_t> value = ParseInt32(text(control));
        if (!value) {
            return refuse(control, Str::kWholeNumber);
        }
        *bound = *value;
    }
    for (const auto& [control, bound] :
         {std::pair{Control::kFilterDearest, &m_typed.dearest}, {Control::kFilterCheapest, &m_typed.cheapest}}) {
        // Costs may be below nothing: a refund.
        const CAmountInput amount =
            CAmountInput::Check(text(control), LocaleFacts::FromCLibrary(), CAmountInput::Sign::kEither);
        if (!amount.IsValid()) {
            return FieldError{Control<QLineEdit>(control), Text(amount.Message(m_strings))};
        }
        *bound = amount.Value();
    }
    return std::nullopt;
}

std::optional<FieldError> CFilterDlg::Save() {
    m_filter.from = m_typed.from;
    m_filter.to = m_typed.to;
    m_filter.shortest = m_typed.shortest;
    m_filter.longest = m_typed.longest;
    m_filter.mostUnits = m_typed.mostUnits;
    m_filter.fewestUnits = m_typed.fewestUnits;
    m_filter.dearest = m_typed.dearest;
    m_filter.cheapest = m_typed.cheapest;
    for (const auto& [field, box] : kTextBoxes) {
        m_filter.Select(field, std::max(0, Control<QComboBox>(box)->currentIndex()));
    }
    m_filter.SetActive(true);
    return std::nullopt;
}
