#include "log/ProtokollDlg.h"

#include "core/Clock.h"
#include "core/ResourceIds.h"
#include "core/Services.h"
#include "core/StringTable.h"
#include "log/AutoExport.h"
#include "log/ChosenRecords.h"
#include "log/FilterDlg.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollModel.h"
#include "metering/TarifVergleichDlg.h"
#include "platform/PathText.h"
#include "print/PrintDialogs.h"
#include "print/Printouts.h"
#include "settings/SettingsStore.h"
#include "summary/ZusammenfassungDlg.h"
#include "ui/FileDialogFilter.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/UiResources.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QThread>

namespace {
constexpr unsigned kShortcutTable = 210;
constexpr int kProgressMs = 100;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

CProtokollDlg::CProtokollDlg(const Services& services, QWidget* parent)
    : CFormDlg(Form::kLogView, parent), m_services(services), m_directory(services.settings.GetProgramDirectory()),
      m_model(new CProtokollModel(services.strings, this)), m_list(Control<CListView>(Control::kLogList)),
      m_menuBar(new QMenuBar(this)) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    AddCommands();
    CUiResources::FillMenuBar(
        *m_menuBar, Menu::kLogView, [this](unsigned command) { OnCommand(command); }, kShortcutTable);
    layout()->setMenuBar(m_menuBar);
    for (QAction* menu : m_menuBar->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->data().toUInt() != 0) {
                m_menuActions.push_back(action);
            }
        }
    }
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(m_list, &CListView::ColumnClicked, this, &CProtokollDlg::OnColumnClicked);
    connect(&m_progressTimer, &QTimer::timeout, this, &CProtokollDlg::ShowProgress);
    Control<QProgressBar>(Control::kLogProgress)->hide();
}

CProtokollDlg::~CProtokollDlg() {
    StopFilling();
}

void CProtokollDlg::AddCommands() {
    m_commands = {
        {kRefresh, [this] { Refill(); }},
        {kFilter,
         [this] {
             CFilterDlg dialog(m_filter, m_directory, m_services.clock.Now(), m_services.strings, this);
             if (dialog.Run() == QDialog::Accepted) {
                 UpdateFilterState();
                 Refill();
             }
         }},
        {kRemoveFilter, [this] { RemoveFilter(); }},
        {kToday, [this] { ApplyQuickFilter(CProtokollFilter::Today(m_services.clock.Now())); }},
        {kThisWeek, [this] { ApplyQuickFilter(CProtokollFilter::ThisWeek(m_services.clock.Now())); }},
        {kThisMonth, [this] { ApplyQuickFilter(CProtokollFilter::ThisMonth(m_services.clock.Now())); }},
        {kExport, [this] { ExportShown(); }},
        {kPrint, [this] { PrintShown(false); }},
        {kPrintPreview, [this] { PrintShown(true); }},
        {kDeleteSelected, [this] { DeleteSelected(); }},
        {kDeleteShown, [this] { DeleteShown(); }},
        {kDeleteWholeLog, [this] { DeleteWholeLog(); }},
        {kCompareTariffs, [this] { CompareTariffs(); }},
    };
    using Z = CZusammenfassung;
    static constexpr std::pair<unsigned, Z::Mode> kSummaries[] = {
        {kSummaryByDay, Z::kDay},    {kSummaryByUser, Z::kUser},         {kSummaryByName, Z::kName},
        {kSummaryByHour, Z::kHour},  {kSummaryByMonthDay, Z::kMonthDay}, {kSummaryByWeekday, Z::kWeekday},
        {kSummaryByMonth, Z::kMonth}};
    for (const auto& [command, mode] : kSummaries) {
        m_commands.emplace(command, [this, mode = mode] { ShowSummary(mode); });
    }
    for (int column = 0; column < CProtokollRows::kColumns; ++column) {
        m_commands.emplace(kSortByFirstColumn + column, [this, column] { OnColumnClicked(column); });
    }
    m_commands.emplace(kSortDescending, [this] { SortBy(m_sortColumn, !m_descending); });
}

bool CProtokollDlg::IsCommandEnabled(unsigned command) const {
    return m_commands.contains(command) && (command != kRemoveFilter || m_filter.IsActive());
}

void CProtokollDlg::OnCommand(unsigned command) {
    if (IsCommandEnabled(command)) {
        m_commands.at(command)();
    }
}

void CProtokollDlg::Load() {
    SettingsStore& settings = m_services.settings;
    m_list->RestoreColumnWidths(settings, Section::kProtokoll, Setting::kLogColumnWidths);
    m_sortColumn = static_cast<int>(std::min(settings.Read(Setting::kLogSortColumn), Setting::kLogSortColumn.maxValue));
    m_descending = settings.Read(Setting::kLogSortDescending) != 0;
    UpdateFilterState();
    UpdateSortState();
    Refill();
}

void CProtokollDlg::done(int result) {
    StopFilling();
    SettingsStore& settings = m_services.settings;
    m_list->SaveColumnWidths(settings, Section::kProtokoll);
    settings.Write(Setting::kLogSortColumn, static_cast<uint32_t>(m_sortColumn));
    settings.Write(Setting::kLogSortDescending, m_descending ? 1 : 0);
    CFormDlg::done(result);
}

const CProtokollRows& CProtokollDlg::Rows() const {
    return m_model->Rows();
}

void CProtokollDlg::Refill() {
    if (m_asking) {
        m_refillAfterQuestion = true;
        return;
    }
    if (m_reader != nullptr) {
        m_cancel = true;
        m_refillAgain = true;
        return;
    }
    m_cancel = false;
    m_done = 0;
    m_total = 0;
    auto rows = std::make_shared<CProtokollRows>();
    auto order = std::make_shared<std::vector<uint32_t>>();
    const auto column = static_cast<CProtokollRows::Column>(m_sortColumn);
    // The reader works on its own copy of the filter, so the window may go on meanwhile.
    m_reader = QThread::create([this, rows, order, column, descending = m_descending, filter = m_filter,
                                directory = m_directory] {
        const bool complete = rows->Read(directory, &filter, m_services.strings, [this](uint32_t done, uint32_t total) {
            m_done = done;
            m_total = total;
            return !m_cancel;
        });
        if (complete) {
            *order = rows->Order(column, descending);
        }
    });
    QThread* reader = m_reader;
    connect(reader, &QThread::finished, this, [this, reader, rows, order] {
        if (m_reader == reader) {
            OnFillDone(rows, std::move(*order));
        }
    });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_progressTimer.start(kProgressMs);
    m_reader->start();
}

void CProtokollDlg::WaitForFill() {
    while (m_reader != nullptr) {
        m_reader->wait();
        QCoreApplication::sendPostedEvents(this); // the reader's end is taken in now
    }
}

void CProtokollDlg::StopFilling() {
    m_refillAgain = false;
    m_cancel = true;
    WaitForFill();
}

void CProtokollDlg::OnFillDone(std::shared_ptr<CProtokollRows> rows, std::vector<uint32_t> order) {
    m_reader->wait();
    m_reader->deleteLater();
    m_reader = nullptr;
    m_progressTimer.stop();
    Control<QProgressBar>(Control::kLogProgress)->hide();
    QApplication::restoreOverrideCursor();
    if (m_refillAgain) {
        m_refillAgain = false;
        Refill();
        return;
    }
    m_model->SetRows(rows, std::move(order));
    m_list->SetSortIndicator(m_sortColumn, m_descending);
    Control<QLabel>(Control::kLogTotals)
        ->setText(Text(rows->Totals().Format(m_services.strings, LocaleFacts::FromCLibrary())));
}

void CProtokollDlg::ShowProgress() {
    auto* bar = Control<QProgressBar>(Control::kLogProgress);
    bar->setRange(0, static_cast<int>(std::min<uint32_t>(m_total, INT32_MAX)));
    bar->setValue(static_cast<int>(std::min<uint32_t>(m_done, INT32_MAX)));
    bar->show();
}

// As a click on a heading: a new column sorts ascending, the present one turns its order round.
void CProtokollDlg::OnColumnClicked(int column) {
    SortBy(column, column == m_sortColumn ? !m_descending : false);
}

void CProtokollDlg::SortBy(int column, bool descending) {
    m_sortColumn = column;
    m_descending = descending;
    UpdateSortState();
    Refill();
}

void CProtokollDlg::UpdateSortState() {
    for (QAction* action : m_menuActions) {
        const unsigned command = action->data().toUInt();
        const bool sortColumn = command >= kSortByFirstColumn &&
                                command < kSortByFirstColumn + static_cast<unsigned>(CProtokollRows::kColumns);
        if (sortColumn || command == kSortDescending) {
            action->setCheckable(true);
            action->setChecked(sortColumn ? static_cast<int>(command - kSortByFirstColumn) == m_sortColumn
                                          : m_descending);
        }
    }
}

void CProtokollDlg::UpdateFilterState() {
    Control<QLabel>(Control::kFilterMarker)->setVisible(m_filter.IsActive());
    for (QAction* action : m_menuActions) {
        action->setEnabled(IsCommandEnabled(action->data().toUInt()));
    }
}

void CProtokollDlg::ApplyQuickFilter(const CProtokollFilter::Period& period) {
    m_filter.SetActive(false);
    QApplication::setOverrideCursor(Qt::WaitCursor); // a long log takes a moment to scan
    m_filter.Scan(m_directory, m_services.clock.Now(), m_services.strings);
    QApplication::restoreOverrideCursor();
    m_filter.SetActive(true);
    m_filter.from = period.from;
    m_filter.to = period.to;
    UpdateFilterState();
    Refill();
}

void CProtokollDlg::RemoveFilter() {
    m_filter.SetActive(false);
    UpdateFilterState();
    Refill();
}

void CProtokollDlg::ShowSummary(CZusammenfassung::Mode mode) {
    WaitForFill();
    CZusammenfassungDlg dialog(m_services, this);
    dialog.SetMode(mode);
    dialog.SetRows(Rows(), m_filter.IsActive());
    dialog.Run();
}

void CProtokollDlg::CompareTariffs() {
    WaitForFill();
    CTarifVergleichDlg dialog(m_services, this);
    dialog.SetRows(m_model->SharedRows(), m_model->Order());
    dialog.Run();
}

void CProtokollDlg::PrintShown(bool preview) {
    WaitForFill();
    const Printout draw = [this](QPrinter& printer) {
        PrintLog(printer, Rows(), m_model->Order(), m_services.strings);
    };
    if (preview) {
        PrintWithPreview(this, draw);
    } else {
        PrintWithDialog(this, draw);
    }
}

void CProtokollDlg::ExportShown() {
    WaitForFill();
    const std::optional<std::string> path = AskSavePath(
        this, QString(), HomeFile("Export.txt"), m_services.strings.Get(Str::kExportFileFilter), QStringLiteral("txt"));
    if (!path) {
        return;
    }
    CProtokollFile log(m_directory);
    if (!log.ExportText(*path, &Rows(), m_services.strings)) {
        CMessageBox::ShowNotWritten(this, m_services.strings, *path);
    }
}

// The view keeps the rows the question is about while it is open; a refill asked for meanwhile
// (a connection ended) comes after.
bool CProtokollDlg::Confirm(unsigned question) {
    m_asking = true;
    const bool yes =
        CMessageBox::Show(this, Text(m_services.strings.Get(question)), CMessageBox::Buttons::YesNoDestroys,
                          CMessageBox::Icon::Question) == QMessageBox::Yes;
    m_asking = false;
    if (m_refillAfterQuestion) {
        m_refillAfterQuestion = false;
        Refill();
    }
    return yes;
}

void CProtokollDlg::DeleteSelected() {
    WaitForFill();
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        QApplication::beep();
        return;
    }
    std::vector<size_t> positions;
    for (const QModelIndex& index : selected) {
        positions.push_back(m_model->RowAt(index.row()));
    }
    const CChosenRecords chosen = CChosenRecords::Of(Rows(), positions);
    if (Confirm(Str::kDeleteSelectedQuestion)) {
        DeleteRecords(chosen);
        Refill();
    }
}

void CProtokollDlg::DeleteShown() {
    if (!m_filter.IsActive()) {
        DeleteWholeLog();
        return;
    }
    WaitForFill();
    const CChosenRecords chosen = CChosenRecords::All(Rows());
    if (Confirm(Str::kDeleteShownQuestion)) {
        DeleteRecords(chosen) ? RemoveFilter() : Refill();
    }
}

// The log as it is when asked: a connection logged while the question is open stays.
void CProtokollDlg::DeleteWholeLog() {
    WaitForFill();
    // Unfiltered, the rows shown are the whole log as read; only a filtered view reads it again.
    CProtokollRows whole;
    if (m_filter.IsActive()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        whole.Read(m_directory, nullptr, m_services.strings);
        QApplication::restoreOverrideCursor();
    }
    const CChosenRecords chosen = CChosenRecords::All(m_filter.IsActive() ? whole : Rows());
    if (Confirm(Str::kDeleteWholeLogQuestion)) {
        DeleteRecords(chosen) ? RemoveFilter() : Refill();
    }
}

bool CProtokollDlg::DeleteRecords(const CChosenRecords& chosen) {
    QApplication::setOverrideCursor(Qt::WaitCursor); // the log is rewritten
    const CChosenRecords::Outcome outcome = chosen.Delete(m_directory, m_services.strings);
    QApplication::restoreOverrideCursor();
    switch (outcome) {
    case CChosenRecords::Outcome::kDeleted:
        ExportAutomatically(m_services, this);
        return true;
    case CChosenRecords::Outcome::kChanged:
        CMessageBox::Show(this, Text(m_services.strings.Get(Str::kLogChangedNothingDeleted)), CMessageBox::Buttons::Ok,
                          CMessageBox::Icon::Warning);
        return false;
    case CChosenRecords::Outcome::kNotWritten:
        CMessageBox::ShowNotWritten(this, m_services.strings, m_directory + CProtokollFile::kFileName);
        ExportAutomatically(m_services, this); // what was deleted before the failure is gone
        return false;
    }
    return false;
}

bool CProtokollDlg::ExportAutomatically(const Services& services, QWidget* parent) {
    if (AutoExport(services.settings, services.strings)) {
        return true;
    }
    const std::string path = services.settings.GetProgramDirectory() + CProtokollFile::kAutoExportName;
    CMessageBox::ShowNotWritten(parent, services.strings, path);
    return false;
}
