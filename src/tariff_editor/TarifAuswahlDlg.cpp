#include "tariff_editor/TarifAuswahlDlg.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/SettingsStore.h"
#include "tariffs/DefaultTariff.h"
#include "ui/ListView.h"
#include "ui/TextTableModel.h"

#include <QApplication>

namespace {
constexpr int kColumnWidth = 200;
}

CTarifAuswahlDlg::CTarifAuswahlDlg(SettingsStore& settings, const CStringTable& strings, QWidget* parent)
    : CFormDlg(Form::kTariffChoice, parent), m_directory(settings.GetProgramDirectory()), m_strings(strings),
      m_files(CTariffFiles::List(m_directory)),
      m_model(new CTextTableModel({QString::fromStdString(strings.Get(Str::kTariffColumn))}, this)) {
    auto* list = Control<CListView>(Control::kList);
    list->setModel(m_model);
    list->SetShowSelectionAlways(true);
    connect(list, &CListView::doubleClicked, this, &CTarifAuswahlDlg::accept);
}

int CTarifAuswahlDlg::ChooseIfNeeded() {
    return m_files.size() > 1 ? Run() : QDialog::Accepted;
}

void CTarifAuswahlDlg::Load() {
    std::vector<QStringList> rows;
    for (const TariffFileEntry& file : m_files) {
        rows.push_back({QString::fromStdString(file.IsDefault() ? m_strings.Get(Str::kDefaultTariff) : file.title)});
    }
    m_model->SetRows(std::move(rows));
    auto* list = Control<CListView>(Control::kList);
    list->setColumnWidth(0, kColumnWidth);
    // The first row is chosen already, so that Enter takes it.
    list->setCurrentIndex(m_model->index(0, 0));
}

void CTarifAuswahlDlg::accept() {
    if (Control<CListView>(Control::kList)->SelectedRow() < 0) {
        QApplication::beep();
        return;
    }
    CFormDlg::accept();
}

std::optional<FieldError> CTarifAuswahlDlg::Save() {
    if (const int row = Control<CListView>(Control::kList)->SelectedRow(); row >= 0) {
        m_chosen = m_files[static_cast<size_t>(row)];
    }
    return std::nullopt;
}

std::string CTarifAuswahlDlg::GetTariffPath() const {
    return m_chosen.IsDefault() ? DefaultTariffFile(m_directory) : m_directory + m_chosen.fileName;
}

QString CTarifAuswahlDlg::GetDisplayTitle() const {
    if (!m_chosen.IsDefault()) {
        return QString::fromStdString(m_chosen.title);
    }
    const QString name = QString::fromStdString(m_strings.Get(Str::kDefaultTariff));
    return name.mid(1, name.size() - 2);
}
