#include "settings/OptTarifePage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/SettingsStore.h"
#include "ui/FileDialogFilter.h"
#include "ui/FormDlg.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/TextTableModel.h"

#include <QApplication>
#include <QPushButton>

namespace {
constexpr int kColumnWidth = 200;
}

COptTarifePage::COptTarifePage(SettingsStore& settings, const CStringTable& strings,
                               std::function<void()> onIrreversibleChange)
    : CFormPage(Form::kOptTariffFiles), m_settings(settings), m_strings(strings),
      m_onIrreversibleChange(std::move(onIrreversibleChange)),
      m_model(new CTextTableModel({QString::fromStdString(strings.Get(Str::kTariffColumn))}, this)) {}

void COptTarifePage::Load() {
    auto* list = Control<CListView>(Control::kList);
    list->setModel(m_model);
    list->setColumnWidth(0, kColumnWidth);
    connect(Control<QPushButton>(Control::kNewTariffFile), &QPushButton::clicked, this, &COptTarifePage::CreateFile);
    connect(Control<QPushButton>(Control::kDeleteTariffFile), &QPushButton::clicked, this,
            &COptTarifePage::DeleteSelected);
    Fill();
}

void COptTarifePage::Fill() {
    m_files = CTariffFiles::List(m_settings.GetProgramDirectory());
    std::vector<QStringList> rows;
    for (const TariffFileEntry& file : m_files) {
        rows.push_back({QString::fromStdString(file.IsDefault() ? m_strings.Get(Str::kDefaultTariff) : file.title)});
    }
    m_model->SetRows(std::move(rows));
}

void COptTarifePage::CreateFile() {
    const std::optional<std::string> chosen =
        AskSavePath(this, QString::fromStdString(m_strings.Get(Str::kNewTariffFileTitle)),
                    m_settings.GetProgramDirectory(), m_strings.Get(Str::kTariffFileFilter), QStringLiteral("TFF"));
    if (chosen && !CTariffFiles::CreateEmpty(*chosen)) {
        ShowMessage(m_strings.Format(Str::kFileNotWritten, {*chosen}));
    }
    Fill();
    if (chosen) {
        m_onIrreversibleChange();
    }
}

void COptTarifePage::DeleteSelected() {
    const QModelIndex current = Control<CListView>(Control::kList)->currentIndex();
    const bool selected = current.isValid() && Control<CListView>(Control::kList)->selectionModel()->hasSelection();
    if (!selected || m_files[current.row()].IsDefault()) {
        QApplication::beep();
        return;
    }
    if (CMessageBox::Show(this, QString::fromStdString(m_strings.Get(Str::kDeleteTariffQuestion)),
                          CMessageBox::Buttons::YesNoDestroys, CMessageBox::Icon::Question) != QMessageBox::Yes) {
        return;
    }
    const TariffFileEntry& file = m_files[current.row()];
    switch (CTariffFiles::Delete(m_settings.GetProgramDirectory(), file.title, m_settings)) {
    case CTariffFiles::Deletion::kNotRemoved:
        ShowMessage(m_strings.Format(Str::kTariffFileNotDeleted, {m_settings.GetProgramDirectory() + file.fileName}));
        return;
    case CTariffFiles::Deletion::kAssignmentsNotWritten:
        ShowMessage(m_strings.Format(Str::kFileNotWritten, {m_settings.GetFilePath()}));
        break;
    case CTariffFiles::Deletion::kDeleted:
    case CTariffFiles::Deletion::kRefused:
        break;
    }
    Fill();
    m_onIrreversibleChange();
}

void COptTarifePage::ShowMessage(const std::string& text) {
    CMessageBox::Show(this, QString::fromStdString(text), CMessageBox::Buttons::Ok, CMessageBox::Icon::Stop);
}
