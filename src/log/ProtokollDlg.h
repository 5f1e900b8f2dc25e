#pragma once

#include "log/ProtokollFilter.h"
#include "log/ProtokollRows.h"
#include "summary/Zusammenfassung.h"
#include "ui/FormDlg.h"

#include <QTimer>

class QAction;

#include <atomic>
#include <functional>
#include <map>
#include <memory>

struct Services;
class CChosenRecords;
class CListView;
class CProtokollModel;
class QMenuBar;
class QThread;

// The log as a sortable, filterable list with its totals. The log is read afresh whenever it may
// have changed, in the background with a progress bar, so a long log never freezes the window.
class CProtokollDlg : public CFormDlg {
    Q_OBJECT
public:
    enum Command : unsigned {
        kExport = 32816,
        kDeleteShown = 32817,
        kPrint = 32818,
        kPrintPreview = 32842,
        kRefresh = 32822,
        kFilter = 32804,
        kRemoveFilter = 32805,
        kToday = 32829,
        kThisWeek = 32830,
        kThisMonth = 32831,
        kDeleteSelected = 32832,
        kDeleteWholeLog = 32833,
        // The summary by day, user, name, hour, day of the month, weekday and month.
        kSummaryByDay = 32834,
        kSummaryByUser = 32835,
        kSummaryByName = 32836,
        kSummaryByWeekday = 32838,
        kSummaryByHour = 32839,
        kSummaryByMonthDay = 32840,
        kSummaryByMonth = 32841,
        kCompareTariffs = 32843,
        // Sorting by one of the eight columns, in the columns' order, and the order's direction.
        kSortByFirstColumn = 32844,
        kSortDescending = 32852,
    };

    CProtokollDlg(const Services& services, QWidget* parent);
    ~CProtokollDlg() override;

    void OnCommand(unsigned command);
    bool IsCommandEnabled(unsigned command) const;
    // Reads the log again; a reading under way is given up for the new one. While the view asks
    // the user about its rows, the reading waits until the question is answered.
    void Refill();
    bool IsFilling() const { return m_reader != nullptr; }
    const CProtokollRows& Rows() const;
    // Rewrites "Log.txt" when the automatic export is on, telling the user when that fails.
    static bool ExportAutomatically(const Services& services, QWidget* parent);

    void done(int result) override;

protected:
    void Load() override;

private:
    void AddCommands();
    void OnColumnClicked(int column);
    void OnFillDone(std::shared_ptr<CProtokollRows> rows, std::vector<uint32_t> order);
    // Takes in the reading under way once it is done.
    void WaitForFill();
    void StopFilling();
    void ShowProgress();
    void UpdateFilterState();
    // The menu shows the present order: its column and direction checked.
    void UpdateSortState();
    void SortBy(int column, bool descending);
    void ApplyQuickFilter(const CProtokollFilter::Period& period);
    void RemoveFilter();
    void ExportShown();
    void PrintShown(bool preview);
    void ShowSummary(CZusammenfassung::Mode mode);
    void CompareTariffs();
    void DeleteSelected();
    void DeleteShown();
    void DeleteWholeLog();
    // Deletes the records, telling the user what went wrong; false when not all are deleted.
    bool DeleteRecords(const CChosenRecords& chosen);
    bool Confirm(unsigned question);

    const Services& m_services;
    std::string m_directory;
    CProtokollFilter m_filter;
    CProtokollModel* m_model;
    CListView* m_list;
    QMenuBar* m_menuBar;
    std::vector<QAction*> m_menuActions;
    int m_sortColumn = 0;
    bool m_descending = false;
    std::map<unsigned, std::function<void()>> m_commands;
    QThread* m_reader = nullptr;
    std::atomic<bool> m_cancel = false;
    std::atomic<uint32_t> m_done = 0;
    std::atomic<uint32_t> m_total = 0;
    bool m_refillAgain = false;
    bool m_asking = false;
    bool m_refillAfterQuestion = false;
    QTimer m_progressTimer;
};
