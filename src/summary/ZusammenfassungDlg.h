#pragma once

#include "summary/Zusammenfassung.h"
#include "ui/FormDlg.h"

#include <functional>

struct Services;
class CKostenDiagramm;
class CListView;
class CProtokollRows;
class CZusammenfassungModel;
class QCheckBox;
class QComboBox;
class QPrinter;

// The log view's rows totalled by one criterion, in a list sortable by any column, with a chart
// of the groups in the list's order. OK keeps the column widths, the order and the chart's
// state; Cancel keeps nothing.
class CZusammenfassungDlg : public CFormDlg {
    Q_OBJECT
public:
    CZusammenfassungDlg(const Services& services, QWidget* parent);

    void SetMode(CZusammenfassung::Mode mode) { m_mode = mode; }
    // The rows are read at once; the caption tells whether they are the filter's.
    void SetRows(const CProtokollRows& rows, bool filterActive);

    const CZusammenfassung& Summary() const { return m_summary; }
    const std::vector<uint32_t>& Order() const;

protected:
    void Load() override;
    std::optional<FieldError> Save() override;

private:
    // What the chart shows, in the order of its choice.
    enum ChartValue { kCosts, kHours, kUnits, kConnections };

    static double ValueOf(const ZusammenfassungGruppe& group, ChartValue value);
    void OnColumnClicked(int column);
    void ShowInOrder();
    void ShowChart();
    void ShowChartOf(ChartValue value);
    // The summary's printout, in the list's order.
    std::function<void(QPrinter&)> SummaryPrintout() const;

    const Services& m_services;
    CZusammenfassung::Mode m_mode = CZusammenfassung::kDay;
    CZusammenfassung m_summary;
    CZusammenfassungModel* m_model;
    CListView* m_list;
    CKostenDiagramm* m_chart;
    QCheckBox* m_showChart;
    QComboBox* m_chartValue;
    int m_sortColumn = 0;
    bool m_descending = false;
};
