#include "tariff_editor/TarifFTagePage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/DateTimeInput.h"
#include "tariff_editor/FeiertageDlg.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/NotWritten.h"
#include "ui/TextTableModel.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kColumnWidth = 150;
}

CTarifFTagePage::CTarifFTagePage(const CStringTable& strings, const std::string& path)
    : CFormPage(Form::kHolidayPage), m_strings(strings), m_records(path),
      m_model(new CTextTableModel({QString::fromStdString(strings.Get(Str::kHolidayColumn))}, this)) {}

void CTarifFTagePage::Load() {
    auto* list = Control<CListView>(Control::kList);
    list->setModel(m_model);
    list->setColumnWidth(0, kColumnWidth);
    list->SetShowSelectionAlways(true);
    auto* date = Control<QLineEdit>(Control::kHolidayDate);
    date->clear();
    // Enter in the date field adds the date rather than closing the sheet.
    date->installEventFilter(this);
    connect(Control<QPushButton>(Control::kAddHoliday), &QPushButton::clicked, this, &CTarifFTagePage::AddTypedDate);
    connect(Control<QPushButton>(Control::kDeleteHoliday), &QPushButton::clicked, this,
            &CTarifFTagePage::DeleteSelected);
    connect(Control<QPushButton>(Control::kAddPublicHolidays), &QPushButton::clicked, this,
            &CTarifFTagePage::AddPublicHolidays);
    Fill();
}

bool CTarifFTagePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddTypedDate();
            return true;
        }
    }
    return CFormPage::eventFilter(watched, event);
}

void CTarifFTagePage::Fill() {
    m_holidays = m_records.ReadHolidays();
    std::vector<QStringList> rows;
    for (const HolidayRow& holiday : m_holidays) {
        rows.push_back({QString::fromStdString(CDateTime(holiday.date).Format("%x"))});
    }
    m_model->SetRows(std::move(rows));
}

void CTarifFTagePage::AddTypedDate() {
    auto* field = Control<QLineEdit>(Control::kHolidayDate);
    const std::optional<CDateTime> date = ParseDateInput(field->text().toStdString());
    if (!date) {
        // The form expected, shown by example: Christmas Eve, as the user's locale writes it.
        const std::string example = CDateTime::FromDate(2026, 12, 24).Format("%x");
        FieldError{field, QString::fromStdString(m_strings.Format(Str::kDateExample, {example}))}.Show(this);
        return;
    }
    const TariffAdd added = m_records.AddHoliday(date->GetDayNumber());
    if (!added) {
        Refusal(added).Show(this);
        return;
    }
    field->clear();
    Fill();
}

FieldError CTarifFTagePage::Refusal(const TariffAdd& add) const {
    if (add.refused) {
        return FieldError{nullptr, QString::fromStdString(add.refused->Describe(m_strings, m_records.GetPath()))};
    }
    return NotWritten(m_strings, m_records.GetPath());
}

void CTarifFTagePage::AddPublicHolidays() {
    CFeiertageDlg dialog(QDate::currentDate().year(), this);
    if (dialog.Run() != QDialog::Accepted) {
        return;
    }
    std::vector<int32_t> days;
    for (const CPublicHolidays::Holiday& holiday : CPublicHolidays::Of(dialog.Country(), dialog.Year())) {
        days.push_back(holiday.day);
    }
    const TariffAdd added = m_records.AddMissingHolidays(days);
    Fill();
    if (!added) {
        Refusal(added).Show(this);
    } else if (added.days.empty()) {
        CMessageBox::Show(this, QString::fromStdString(m_strings.Get(Str::kHolidaysAllHeld)));
    }
}

void CTarifFTagePage::DeleteSelected() {
    const int row = Control<CListView>(Control::kList)->SelectedRow();
    if (row < 0) {
        QApplication::beep();
        return;
    }
    if (!m_records.DeleteRecord(m_holidays[static_cast<size_t>(row)].record)) {
        NotWritten(m_strings, m_records.GetPath()).Show(this);
    }
    Fill();
}
