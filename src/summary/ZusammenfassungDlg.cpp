#include "summary/ZusammenfassungDlg.h"

#include "core/ResourceIds.h"
#include "core/Services.h"
#include "core/StringTable.h"
#include "log/ProtokollRows.h"
#include "print/PrintDialogs.h"
#include "print/Printouts.h"
#include "settings/SettingsStore.h"
#include "summary/ZusammenfassungModel.h"
#include "ui/KostenDiagramm.h"
#include "ui/ListView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr double kSecondsPerHour = 3600.0;
} // namespace

CZusammenfassungDlg::CZusammenfassungDlg(const Services& services, QWidget* parent)
    : CFormDlg(Form::kSummary, parent), m_services(services),
      m_model(new CZusammenfassungModel(m_summary, services.strings, this)), m_list(Control<CListView>(Control::kList)),
      m_chart(new CKostenDiagramm(Control<QWidget>(Control::kSummaryChart))),
      m_showChart(Control<QCheckBox>(Control::kSummaryShowChart)),
      m_chartValue(Control<QComboBox>(Control::kSummaryChartValue)) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    Control<QWidget>(Control::kSummaryChart)->layout()->addWidget(m_chart);
    m_list->setModel(m_model);
    connect(m_list, &CListView::ColumnClicked, this, &CZusammenfassungDlg::OnColumnClicked);
    connect(m_showChart, &QCheckBox::toggled, this, &CZusammenfassungDlg::ShowChart);
    connect(m_chartValue, &QComboBox::currentIndexChanged, this, &CZusammenfassungDlg::ShowChart);
    connect(Control<QPushButton>(Control::kSummarySaveChart), &QPushButton::clicked, this,
            [this] { m_chart->SaveAs(m_services.strings); });
    connect(Control<QPushButton>(Control::kSummaryPrint), &QPushButton::clicked, this,
            [this] { PrintWithDialog(this, SummaryPrintout()); });
    connect(Control<QPushButton>(Control::kSummaryPreview), &QPushButton::clicked, this,
            [this] { PrintWithPreview(this, SummaryPrintout()); });
}

void CZusammenfassungDlg::SetRows(const CProtokollRows& rows, bool filterActive) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_summary.Build(m_mode, rows);
    QApplication::restoreOverrideCursor();
    Control<QLabel>(Control::kSummaryFiltered)->setVisible(filterActive);
    Control<QLabel>(Control::kSummaryUnfiltered)->setVisible(!filterActive);
}

const std::vector<uint32_t>& CZusammenfassungDlg::Order() const {
    return m_model->Order();
}

void CZusammenfassungDlg::Load() {
    SettingsStore& settings = m_services.settings;
    m_list->RestoreColumnWidths(settings, Section::kZusammenfassung, Setting::kSummaryColumnWidths);
    m_sortColumn =
        static_cast<int>(std::min(settings.Read(Setting::kSummarySortColumn), Setting::kSummarySortColumn.maxValue));
    m_descending = settings.Read(Setting::kSummarySortDescending) != 0;
    m_chartValue->setCurrentIndex(
        static_cast<int>(std::min(settings.Read(Setting::kSummaryChartValue), Setting::kSummaryChartValue.maxValue)));
    m_showChart->setChecked(settings.Read(Setting::kSummaryChartHidden) == 0);
    ShowInOrder();
}

std::optional<FieldError> CZusammenfassungDlg::Save() {
    SettingsStore& settings = m_services.settings;
    m_list->SaveColumnWidths(settings, Section::kZusammenfassung);
    settings.Write(Setting::kSummarySortColumn, static_cast<uint32_t>(m_sortColumn));
    settings.Write(Setting::kSummarySortDescending, m_descending ? 1 : 0);
    settings.Write(Setting::kSummaryChartHidden, m_showChart->isChecked() ? 0 : 1);
    settings.Write(Setting::kSummaryChartValue, static_cast<uint32_t>(m_chartValue->currentIndex()));
    return std::nullopt; // only how the window looked: nobody loses input when it is not kept
}

void CZusammenfassungDlg::OnColumnClicked(int column) {
    m_descending = column == m_sortColumn && !m_descending;
    m_sortColumn = column;
    ShowInOrder();
}

void CZusammenfassungDlg::ShowInOrder() {
    m_model->SetOrder(m_summary.Order(static_cast<CZusammenfassung::Column>(m_sortColumn), m_descending));
    m_list->SetSortIndicator(m_sortColumn, m_descending);
    ShowChart();
}

void CZusammenfassungDlg::ShowChart() {
    const bool shown = m_showChart->isChecked();
    Control<QWidget>(Control::kSummaryChart)->setVisible(shown);
    m_chartValue->setEnabled(shown);
    Control<QPushButton>(Control::kSummarySaveChart)->setEnabled(shown);
    if (shown) {
        ShowChartOf(static_cast<ChartValue>(m_chartValue->currentIndex()));
    }
}

double CZusammenfassungDlg::ValueOf(const ZusammenfassungGruppe& group, ChartValue value) {
    switch (value) {
    case kCosts:
        return static_cast<double>(group.costs.GetValue()) / CMoney::kScale;
    case kHours:
        return static_cast<double>(group.duration.GetTotalSeconds()) / kSecondsPerHour;
    case kUnits:
        return static_cast<double>(group.units);
    default:
        return group.count;
    }
}

void CZusammenfassungDlg::ShowChartOf(ChartValue value) {
    QStringList labels;
    std::vector<double> values;
    for (const uint32_t group : Order()) {
        labels.append(QString::fromStdString(m_summary[group].label));
        values.push_back(ValueOf(m_summary[group], value));
    }
    m_chart->Show(labels, values, value == kCosts || value == kHours);
}

std::function<void(QPrinter&)> CZusammenfassungDlg::SummaryPrintout() const {
    return [this](QPrinter& printer) { PrintSummary(printer, m_summary, Order(), m_services.strings); };
}
