#include "ui/ListView.h"

#include "settings/SettingsStore.h"
#include "ui/ListDelegate.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QTimer>

#include <algorithm>

CListView::CListView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setItemDelegate(new CListDelegate(this));
    // Tab moves on to the next control, as in every list of the desktop; the arrows move between rows.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(CListDelegate::RowHeight(fontMetrics()));
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsClickable(true);
    // Only the texts of the rows in sight are measured: a long log costs no more than a short one.
    horizontalHeader()->setResizeContentsPrecision(0);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CListView::ColumnClicked);
}

void CListView::SetShowSelectionAlways(bool on) {
    m_showSelectionAlways = on;
    viewport()->update();
}

bool CListView::IsRowHighlighted(const QModelIndex& index) const {
    return selectionModel() != nullptr && selectionModel()->isRowSelected(index.row(), index.parent()) &&
           (hasFocus() || m_showSelectionAlways);
}

int CListView::SelectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void CListView::SetSortIndicator(int column, bool descending) {
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// The cells draw themselves (CListDelegate); the highlight of a selected row goes on to the
// window's edge, and the row with the focus is framed as a whole.
void CListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    const int columnsEnd = horizontalHeader()->length() - horizontalHeader()->offset();
    if (model() == nullptr) {
        return;
    }
    const auto [firstRow, lastRow] = RowsInSight();
    for (int row = firstRow; row <= lastRow; ++row) {
        const QRect bounds(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
        if (m_highlightToEdge && columnsEnd < viewport()->width() && IsRowHighlighted(model()->index(row, 0))) {
            painter.fillRect(QRect(columnsEnd, bounds.top(), viewport()->width() - columnsEnd, bounds.height()),
                             palette().highlight());
        }
        if (hasFocus() && currentIndex().row() == row) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = m_highlightToEdge ? bounds : bounds.adjusted(0, 0, columnsEnd - bounds.width(), 0);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

void CListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    UpdateWholeRows(selected);
    UpdateWholeRows(deselected);
}

void CListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    UpdateWholeRow(current.row());
    UpdateWholeRow(previous.row());
}

std::pair<int, int> CListView::RowsInSight() const {
    const int bottom = rowAt(viewport()->height() - 1);
    const int rows = model() != nullptr ? model()->rowCount() : 0;
    return {std::max(0, rowAt(0)), bottom < 0 ? rows - 1 : bottom};
}

// Only the rows in sight: selecting all of a long log costs no more than selecting one row.
void CListView::UpdateWholeRows(const QItemSelection& rows) {
    const auto [firstInSight, lastInSight] = RowsInSight();
    for (const QItemSelectionRange& range : rows) {
        for (int row = std::max(range.top(), firstInSight); row <= std::min(range.bottom(), lastInSight); ++row) {
            UpdateWholeRow(row);
        }
    }
}

void CListView::UpdateWholeRow(int row) {
    if (row >= 0) {
        viewport()->update(QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row)));
    }
}

// The selection is drawn only while focused: it comes and goes with the focus. The current row is
// told to the accessibility bus as the focus, as a move to it would be.
void CListView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
    // The current row is told after the list itself has been announced as focused (that comes
    // once this event has been handled); told before, a screen reader says only the list.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && currentIndex().isValid()) {
            QTableView::currentChanged(currentIndex(), currentIndex());
        }
    });
}

void CListView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void CListView::RestoreColumnWidths(SettingsStore& settings, const char* section, std::span<const uint32_t> defaults) {
    // The default widths suit a small classic font; with the desktop's font they grow alike, and
    // never so narrow that a heading (a longer one in another language) is cut.
    constexpr double kClassicCharWidth = 5.0;
    const double scale = std::max(1.0, fontMetrics().averageCharWidth() / kClassicCharWidth);
    const SettingsSection stored = settings.OpenSettingsKey(false, section).value_or(SettingsSection{});
    m_unstoredColumns.clear();
    // These lists sort by a click on a heading: each heading leaves room for the sort indicator.
    horizontalHeader()->setSortIndicatorShown(true);
    for (size_t column = 0; column < defaults.size(); ++column) {
        const std::string name = "Spalte" + std::to_string(column);
        if (std::none_of(stored.begin(), stored.end(), [&name](const auto& value) { return value.first == name; })) {
            m_unstoredColumns.insert(static_cast<int>(column));
        }
        const int heading = horizontalHeader()->sectionSizeHint(static_cast<int>(column));
        const uint32_t fallback =
            std::max(static_cast<uint32_t>(defaults[column] * scale), static_cast<uint32_t>(std::max(heading, 0)));
        const uint32_t width = settings.ReadSettingDword(section, name, fallback);
        setColumnWidth(static_cast<int>(column), static_cast<int>(std::min<uint32_t>(width, 4000)));
    }
    FitUnstoredColumns();
}

void CListView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (model != nullptr) {
        connect(model, &QAbstractItemModel::modelReset, this, &CListView::FitUnstoredColumns);
    }
}

// Only ever wider: a refill never narrows a column.
void CListView::FitUnstoredColumns() {
    if (model() == nullptr) {
        return;
    }
    for (const int column : m_unstoredColumns) {
        const int needed = std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
        if (needed > columnWidth(column)) {
            setColumnWidth(column, needed);
        }
    }
}

void CListView::SaveColumnWidths(SettingsStore& settings, const char* section) const {
    for (int column = 0; column < horizontalHeader()->count(); ++column) {
        settings.WriteSettingDword(section, "Spalte" + std::to_string(column),
                                   static_cast<uint32_t>(columnWidth(column)));
    }
}
