#include "tariffs/ZuordnungDlg.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "detection/Phonebook.h"
#include "settings/SettingsStore.h"
#include "ui/ListView.h"
#include "ui/NotWritten.h"
#include "ui/TextTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

namespace {
constexpr int kColumnWidth = 180;
}

CZuordnungDlg::CZuordnungDlg(SettingsStore& settings, const CStringTable& strings, Phonebook& phonebook,
                             QWidget* parent)
    : CFormDlg(Form::kAssignment, parent), m_settings(settings), m_strings(strings), m_phonebook(phonebook),
      m_model(new CTextTableModel({QString::fromStdString(strings.Get(Str::kDialUpEntryColumn)),
                                   QString::fromStdString(strings.Get(Str::kTariffColumn))},
                                  this)) {
    auto* list = Control<CListView>(Control::kList);
    list->setModel(m_model);
    list->SetShowSelectionAlways(true);
    connect(Control<QPushButton>(Control::kAssign), &QPushButton::clicked, this, &CZuordnungDlg::AssignToSelected);
}

QString CZuordnungDlg::TariffText(const std::string& title) const {
    return QString::fromStdString(title.empty() ? m_strings.Get(Str::kDefaultTariff) : title);
}

void CZuordnungDlg::Load() {
    m_assignment = CZuordnung::Read(m_settings, m_phonebook.ListEntries());
    FillList();
    auto* list = Control<CListView>(Control::kList);
    list->setColumnWidth(0, kColumnWidth);
    list->setColumnWidth(1, kColumnWidth);
    m_files = CTariffFiles::List(m_settings.GetProgramDirectory());
    auto* choice = Control<QComboBox>(Control::kTariffChoice);
    for (const TariffFileEntry& file : m_files) {
        choice->addItem(TariffText(file.title));
    }
    choice->setCurrentIndex(choice->count() > 0 ? 0 : -1);
}

void CZuordnungDlg::FillList() {
    std::vector<QStringList> rows;
    for (const AssignmentRow& row : m_assignment.Rows()) {
        const std::string entry = row.IsModemLine() ? m_strings.Get(Str::kModemLineRow) : row.entry;
        rows.push_back({QString::fromStdString(entry), TariffText(row.tariff)});
    }
    m_model->SetRows(std::move(rows));
}

void CZuordnungDlg::AssignToSelected() {
    auto* list = Control<CListView>(Control::kList);
    const int choice = Control<QComboBox>(Control::kTariffChoice)->currentIndex();
    const QModelIndex current = list->currentIndex();
    if (!current.isValid() || !list->selectionModel()->hasSelection() || choice < 0) {
        QApplication::beep();
        return;
    }
    m_assignment.Assign(static_cast<size_t>(current.row()), m_files[static_cast<size_t>(choice)].title);
    FillList();
    list->setCurrentIndex(m_model->index(current.row(), 0));
}

std::optional<FieldError> CZuordnungDlg::Save() {
    if (!m_assignment.Write(m_settings)) {
        return NotWritten(m_strings, m_settings.GetFilePath());
    }
    return std::nullopt;
}
