#pragma once

#include "metering/TarifVergleich.h"
#include "metering/TarifVergleichText.h"
#include "ui/FormDlg.h"

#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

struct Services;
class CKostenDiagramm;
class CListView;
class CNachberechnungModel;
class CProtokollRows;
class CTextTableModel;
class QThread;

// The log view's rows re-rated under every tariff file of the data directory: a line a tariff
// with its costs beside the logged ones, the cheapest marked, a bar chart of the totals and each
// connection under the tariff chosen. The re-rating runs in the background with a progress bar;
// closing the window stops it.
class CTarifVergleichDlg : public CFormDlg {
    Q_OBJECT
public:
    CTarifVergleichDlg(const Services& services, QWidget* parent);
    ~CTarifVergleichDlg() override;

    // The rows as the view shows them; the re-rating begins when the window is shown.
    void SetRows(std::shared_ptr<const CProtokollRows> rows, const std::vector<uint32_t>& shown);
    bool IsComparing() const { return m_worker != nullptr; }

    void done(int result) override;

protected:
    void Load() override;

private:
    void Start();
    void Stop();
    void OnCompared(bool complete);
    void ShowProgress();
    void ShowTariffs();
    void ShowConnections();
    // The line of the tariff chosen in the list.
    std::optional<size_t> ChosenLine() const;
    void Export();
    void EnableOutputs(bool enabled);

    const Services& m_services;
    std::shared_ptr<const CProtokollRows> m_rows;
    std::unique_ptr<CTarifVergleich> m_comparison;
    std::unique_ptr<CTarifVergleichText> m_text;
    std::vector<size_t> m_order; // the lines as listed, the cheapest first
    CTextTableModel* m_tariffModel;
    CNachberechnungModel* m_connectionModel;
    CListView* m_tariffs;
    CKostenDiagramm* m_chart;
    QThread* m_worker = nullptr;
    std::atomic<bool> m_cancel = false;
    std::atomic<size_t> m_done = 0;
    std::atomic<size_t> m_total = 0;
    QTimer m_progressTimer;
};
