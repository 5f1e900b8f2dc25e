#include "metering/TarifVergleichDlg.h"

#include "core/FileLayer.h"
#include "core/ResourceIds.h"
#include "core/Services.h"
#include "core/StringTable.h"
#include "log/ProtokollRows.h"
#include "metering/NachberechnungModel.h"
#include "platform/PathText.h"
#include "settings/SettingsStore.h"
#include "ui/FileDialogFilter.h"
#include "ui/KostenDiagramm.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/TextTableModel.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

namespace {

constexpr int kProgressMs = 100;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CTarifVergleichDlg::CTarifVergleichDlg(const Services& services, QWidget* parent)
    : CFormDlg(Form::kTariffComparison, parent), m_services(services), m_tariffModel(new CTextTableModel({}, this)),
      m_connectionModel(new CNachberechnungModel(this)), m_tariffs(Control<CListView>(Control::kCompareTariffs)),
      m_chart(new CKostenDiagramm(Control<QWidget>(Control::kCompareChart))) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    Control<QWidget>(Control::kCompareChart)->layout()->addWidget(m_chart);
    m_tariffs->setModel(m_tariffModel);
    Control<CListView>(Control::kCompareConnections)->setModel(m_connectionModel);
    connect(m_tariffs->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CTarifVergleichDlg::ShowConnections);
    connect(Control<QPushButton>(Control::kCompareExport), &QPushButton::clicked, this, &CTarifVergleichDlg::Export);
    connect(Control<QPushButton>(Control::kCompareSaveChart), &QPushButton::clicked, this,
            [this] { m_chart->SaveAs(m_services.strings); });
    connect(&m_progressTimer, &QTimer::timeout, this, &CTarifVergleichDlg::ShowProgress);
    EnableOutputs(false);
}

CTarifVergleichDlg::~CTarifVergleichDlg() {
    Stop();
}

void CTarifVergleichDlg::SetRows(std::shared_ptr<const CProtokollRows> rows, const std::vector<uint32_t>& shown) {
    m_rows = std::move(rows);
    m_comparison = std::make_unique<CTarifVergleich>(*m_rows, shown);
    m_text = std::make_unique<CTarifVergleichText>(*m_comparison, *m_rows, m_services.strings,
                                                   CTarifVergleichText::Style::kWindow);
}

void CTarifVergleichDlg::Load() {
    if (m_comparison == nullptr || m_comparison->Rows().empty()) {
        Control<QLabel>(Control::kCompareCaption)->setText(Text(m_services.strings.Get(Str::kCompareNothing)));
        Control<QProgressBar>(Control::kCompareProgress)->hide();
        return;
    }
    Start();
}

// The worker has the comparison to itself until it ends; the window only reads the counts.
void CTarifVergleichDlg::Start() {
    const std::vector<CTarifVergleich::Tariff> tariffs =
        CTarifVergleich::TariffFilesOf(m_services.settings.GetProgramDirectory());
    const CNachberechnung::CounterRules rules = CNachberechnung::CounterRules::FromSettings(m_services.settings);
    auto complete = std::make_shared<bool>(false);
    m_worker = QThread::create([this, tariffs, rules, complete] {
        *complete = m_comparison->Compare(tariffs, rules, [this](size_t done, size_t total) {
            m_done = done;
            m_total = total;
            return !m_cancel;
        });
    });
    connect(m_worker, &QThread::finished, this, [this, complete] { OnCompared(*complete); });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_progressTimer.start(kProgressMs);
    m_worker->start();
}

void CTarifVergleichDlg::Stop() {
    if (m_worker == nullptr) {
        return;
    }
    m_cancel = true;
    m_worker->wait();
    QCoreApplication::sendPostedEvents(this); // takes in the worker's end
}

void CTarifVergleichDlg::done(int result) {
    Stop();
    CFormDlg::done(result);
}

void CTarifVergleichDlg::OnCompared(bool complete) {
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    m_progressTimer.stop();
    QApplication::restoreOverrideCursor();
    Control<QProgressBar>(Control::kCompareProgress)->hide();
    if (complete) {
        Control<QLabel>(Control::kCompareCaption)->setText(Text(m_text->Caption()));
        ShowTariffs();
    }
}

void CTarifVergleichDlg::ShowProgress() {
    auto* bar = Control<QProgressBar>(Control::kCompareProgress);
    const size_t total = std::max<size_t>(m_total, 1);
    bar->setRange(0, 1000);
    bar->setValue(static_cast<int>(m_done * 1000 / total));
}

void CTarifVergleichDlg::ShowTariffs() {
    m_order = m_comparison->CheapestFirst();
    QStringList headings;
    for (const std::string& heading : m_text->TariffHeadings()) {
        headings.append(Text(heading));
    }
    m_tariffModel->SetHeadings(headings);
    std::vector<QStringList> rows;
    QStringList labels;
    std::vector<double> costs;
    for (const size_t line : m_order) {
        QStringList cells;
        for (const std::string& cell : m_text->TariffCells(line)) {
            cells.append(Text(cell));
        }
        rows.push_back(cells);
        const CTarifVergleich::Line& l = m_comparison->Lines()[line];
        if (l.readable) {
            labels.append(Text(m_text->TariffName(line)));
            costs.push_back(static_cast<double>(l.costs.GetValue()) / CMoney::kScale);
        }
    }
    m_tariffModel->SetRows(std::move(rows));
    for (int column = CTarifVergleichText::kUnits; column < CTarifVergleichText::kTariffColumns; ++column) {
        m_tariffModel->SetColumnAlignment(column, Qt::AlignRight);
    }
    m_tariffModel->SetBoldRow(m_comparison->Cheapest() ? 0 : -1);
    m_tariffs->resizeColumnsToContents();
    m_chart->Show(labels, costs, true, Qt::Horizontal);
    EnableOutputs(!m_order.empty());
    if (!m_order.empty()) {
        m_tariffs->setCurrentIndex(m_tariffModel->index(0, 0));
    }
}

std::optional<size_t> CTarifVergleichDlg::ChosenLine() const {
    const int row = m_tariffs->currentIndex().row();
    if (row < 0 || static_cast<size_t>(row) >= m_order.size()) {
        return std::nullopt;
    }
    return m_order[static_cast<size_t>(row)];
}

void CTarifVergleichDlg::ShowConnections() {
    const std::optional<size_t> line = ChosenLine();
    auto* list = Control<CListView>(Control::kCompareConnections);
    m_connectionModel->Show(line ? m_text.get() : nullptr, line.value_or(0), m_comparison->Rows().size());
    // The name tells the connections apart here; user and device are in the log beside it.
    list->setColumnHidden(CTarifVergleichText::kUser, true);
    list->setColumnHidden(CTarifVergleichText::kDevice, true);
    list->resizeColumnsToContents();
    Control<QLabel>(Control::kCompareConnectionsOf)
        ->setText(line ? Text(m_text->ConnectionsCaption(*line)) : QString());
}

void CTarifVergleichDlg::EnableOutputs(bool enabled) {
    Control<QPushButton>(Control::kCompareExport)->setEnabled(enabled);
    Control<QPushButton>(Control::kCompareSaveChart)->setEnabled(enabled);
}

void CTarifVergleichDlg::Export() {
    const std::optional<size_t> line = ChosenLine();
    if (!line) {
        return;
    }
    const std::optional<std::string> path =
        AskSavePath(this, QString(), HomeFile("Comparison.txt"), m_services.strings.Get(Str::kCompareFileFilter),
                    QStringLiteral("txt"));
    if (!path) {
        return;
    }
    const bool csv = PathToQt(*path).endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    // A CSV file is for machines: plain numbers and dates, whatever the locale.
    const CTarifVergleichText plain(*m_comparison, *m_rows, m_services.strings, CTarifVergleichText::Style::kPlain);
    const std::string report = (csv ? plain : *m_text).Report(m_order, *line, csv);
    if (!CFileLayer::Replace(*path, report)) {
        CMessageBox::ShowNotWritten(this, m_services.strings, *path);
    }
}
