#include "tariff_editor/TarifTagPage.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"
#include "tariff_editor/DayCoverage.h"
#include "tariff_editor/DayStrip.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/NotWritten.h"
#include "ui/TextTableModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <set>

struct CTarifTagPage::Column {
    unsigned heading;
    Qt::Alignment alignment;
    int width;
    std::function<std::string(const TariffZone&)> text;
};

namespace {
constexpr int kNarrow = 60;
constexpr int kWide = 80;
} // namespace

CTarifTagPage::CTarifTagPage(const CStringTable& strings, const std::string& path, uint32_t dayKind, unsigned caption,
                             CTarifZoneDlg::Schemes schemes)
    : CFormPage(Form::kZonePage), m_strings(strings), m_records(path), m_dayKind(dayKind), m_caption(caption),
      m_schemes(schemes) {
    setWindowTitle(QString::fromStdString(strings.Get(caption)));
}

std::vector<CTarifTagPage::Column> CTarifTagPage::Columns() const {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    const auto number = [](uint16_t value) { return std::to_string(value); };
    const auto amount = [facts](const CMoney& value) { return FormatAmount(value, facts); };
    std::vector<Column> columns = {
        {Str::kFromColumn, Qt::AlignLeft, kNarrow,
         [facts](const TariffZone& z) { return FormatQuarterHour(z.firstQuarter, false, facts); }},
        {Str::kToColumn, Qt::AlignLeft, kNarrow,
         [facts](const TariffZone& z) { return FormatQuarterHour(z.lastQuarter, true, facts); }},
        {Str::kSecondsPerUnitColumn, Qt::AlignRight, kNarrow,
         [number](const TariffZone& z) { return number(z.secondsPerUnit); }},
        {Str::kPriceColumn, Qt::AlignRight, kNarrow, [amount](const TariffZone& z) { return amount(z.price); }},
    };
    if (m_schemes.minimumCharge) {
        columns.push_back({Str::kStartChargeColumn, Qt::AlignRight, kWide,
                           [amount](const TariffZone& z) { return amount(z.startCharge); }});
        columns.push_back({Str::kInitialPeriodColumn, Qt::AlignRight, kNarrow,
                           [number](const TariffZone& z) { return number(z.initialPeriod); }});
        columns.push_back({Str::kMinimumChargeColumn, Qt::AlignRight, kWide,
                           [amount](const TariffZone& z) { return amount(z.minimumCharge); }});
    }
    if (m_schemes.discount) {
        const std::string allowed = m_strings.Get(Str::kDiscountAllowed);
        const std::string excluded = m_strings.Get(Str::kDiscountExcluded);
        columns.push_back({Str::kDiscountColumn, Qt::AlignLeft, kWide,
                           [allowed, excluded](const TariffZone& z) { return z.noDiscount ? excluded : allowed; }});
        columns.push_back({Str::kDiscountSecondsColumn, Qt::AlignLeft, kNarrow,
                           [number](const TariffZone& z) { return number(z.discountSecondsPerUnit); }});
    }
    return columns;
}

void CTarifTagPage::Load() {
    Control<QLabel>(Control::kZoneHeadline)->setText(QString::fromStdString(m_strings.Get(m_caption + 1)));
    const std::vector<Column> columns = Columns();
    QStringList headings;
    for (const Column& column : columns) {
        headings << QString::fromStdString(m_strings.Get(column.heading));
    }
    auto* list = Control<CListView>(Control::kList);
    m_model = new CTextTableModel(headings, this);
    list->setModel(m_model);
    list->SetShowSelectionAlways(true);
    for (size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        m_model->SetColumnAlignment(column, columns[i].alignment);
        // A heading is never cut: the column is at least as wide as the header asks for it.
        list->setColumnWidth(column, std::max(columns[i].width, list->horizontalHeader()->sectionSizeHint(column)));
    }
    auto* stripHost = Control<QWidget>(Control::kDayStrip);
    auto* stripLayout = new QVBoxLayout(stripHost);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    m_strip = new CDayStrip(m_strings, stripHost);
    stripLayout->addWidget(m_strip);
    connect(Control<QPushButton>(Control::kAddZone), &QPushButton::clicked, this, &CTarifTagPage::AddZone);
    connect(Control<QPushButton>(Control::kEditZone), &QPushButton::clicked, this, &CTarifTagPage::EditSelected);
    connect(Control<QPushButton>(Control::kDeleteZone), &QPushButton::clicked, this, &CTarifTagPage::DeleteSelected);
    connect(Control<QPushButton>(Control::kMoveZoneUp), &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(Control<QPushButton>(Control::kMoveZoneDown), &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(list, &CListView::doubleClicked, this, &CTarifTagPage::EditSelected);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CTarifTagPage::UpdateButtons);
    list->installEventFilter(this);
    Fill();
}

CListView* CTarifTagPage::List() const {
    return Control<CListView>(Control::kList);
}

bool CTarifTagPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
            EditSelected();
            return true;
        }
        if (key == Qt::Key_Delete) {
            DeleteSelected();
            return true;
        }
    }
    return CFormPage::eventFilter(watched, event);
}

void CTarifTagPage::UpdateButtons() {
    const int row = List()->SelectedRow();
    Control<QPushButton>(Control::kEditZone)->setEnabled(row >= 0);
    Control<QPushButton>(Control::kDeleteZone)->setEnabled(row >= 0);
    Control<QPushButton>(Control::kMoveZoneUp)->setEnabled(row > 0);
    Control<QPushButton>(Control::kMoveZoneDown)->setEnabled(row >= 0 && row + 1 < static_cast<int>(m_zones.size()));
}

void CTarifTagPage::Fill() {
    m_zones = m_records.ReadZones(m_dayKind);
    const std::vector<Column> columns = Columns();
    std::vector<QStringList> rows;
    std::vector<TariffZone> zones;
    for (const ZoneRow& row : m_zones) {
        QStringList cells;
        for (const Column& column : columns) {
            cells << QString::fromStdString(column.text(row.zone));
        }
        rows.push_back(cells);
        zones.push_back(row.zone);
    }
    m_model->SetRows(std::move(rows));
    m_strip->SetZones(std::move(zones));
    UpdateButtons();
}

void CTarifTagPage::Select(uint32_t record) {
    for (size_t row = 0; row < m_zones.size(); ++row) {
        if (m_zones[row].record == record) {
            List()->setCurrentIndex(m_model->index(static_cast<int>(row), 0));
        }
    }
}

int CTarifTagPage::SelectedRow() const {
    const int row = List()->SelectedRow();
    if (row < 0) {
        QApplication::beep();
    }
    return row;
}

void CTarifTagPage::RunZoneDialog(std::optional<uint32_t> record) {
    std::set<uint32_t> before;
    for (const ZoneRow& row : m_zones) {
        before.insert(row.record);
    }
    CTarifZoneDlg dialog(m_strings, m_records.GetPath(), m_dayKind, record, m_schemes, this);
    if (dialog.Run() != QDialog::Accepted) {
        return;
    }
    Fill();
    // A new zone is the one record that was not there before.
    for (const ZoneRow& row : m_zones) {
        if (record ? row.record == *record : !before.contains(row.record)) {
            Select(row.record);
            WarnOfOverlaps(row.record);
        }
    }
}

void CTarifTagPage::WarnOfOverlaps(uint32_t record) {
    std::vector<TariffZone> zones;
    size_t mine = 0;
    for (const ZoneRow& row : m_zones) {
        if (row.record == record) {
            mine = zones.size();
        }
        zones.push_back(row.zone);
    }
    const std::string text = DescribeOverlaps(zones, mine, m_strings, LocaleFacts::FromCLibrary());
    if (!text.empty()) {
        CMessageBox::Show(this, QString::fromStdString(text), CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
    }
}

void CTarifTagPage::MoveSelected(int step) {
    const int row = SelectedRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= static_cast<int>(m_zones.size())) {
        return;
    }
    const uint32_t moved = m_zones[static_cast<size_t>(row)].record;
    const uint32_t neighbour = m_zones[static_cast<size_t>(other)].record;
    const bool swapped = m_records.SwapZones(moved, neighbour);
    if (!swapped) {
        NotWritten(m_strings, m_records.GetPath()).Show(this);
    }
    Fill();
    // The zone moved now stands in its neighbour's record.
    Select(swapped ? neighbour : moved);
}

void CTarifTagPage::AddZone() {
    // Said before a zone is typed in vain; the dialog checks again when it writes.
    if (const std::optional<LimitReached> full = m_records.RefuseZone(m_dayKind)) {
        FieldError{nullptr, QString::fromStdString(full->Describe(m_strings, m_records.GetPath()))}.Show(this);
        return;
    }
    RunZoneDialog(std::nullopt);
}

void CTarifTagPage::EditSelected() {
    if (const int row = SelectedRow(); row >= 0) {
        RunZoneDialog(m_zones[static_cast<size_t>(row)].record);
    }
}

void CTarifTagPage::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    if (!m_records.DeleteRecord(m_zones[static_cast<size_t>(row)].record)) {
        NotWritten(m_strings, m_records.GetPath()).Show(this);
    }
    Fill();
    // The next zone is chosen, so that Del goes on deleting as in any list.
    if (!m_zones.empty()) {
        Select(m_zones[std::min(static_cast<size_t>(row), m_zones.size() - 1)].record);
    }
}
