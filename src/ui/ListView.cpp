#include "ui/ListView.h"

#include "settings/SettingsStore.h"
#include "ui/ListDelegate.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyle>

CListView::CListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemDelegate(new CListDelegate(this));
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &CListView::ColumnClicked);
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
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool highlighted = IsRowHighlighted(index);
    // The row's bounds: its columns, stretched to the window's edge when the highlight reaches it.
    QRect bounds(-header()->offset(), option.rect.top(), header()->length(), option.rect.height());
    if (m_highlightToEdge && bounds.right() < viewport()->width()) {
        bounds.setRight(viewport()->width());
    }
    painter->fillRect(bounds, highlighted ? option.palette.highlight() : option.palette.base());
    QStyleOptionViewItem cell = option;
    cell.state.setFlag(QStyle::State_Selected, highlighted);
    for (int column = 0; column < header()->count(); ++column) {
        if (header()->isSectionHidden(column)) {
            continue;
        }
        cell.rect = QRect(header()->sectionViewportPosition(column), option.rect.top(), header()->sectionSize(column),
                          option.rect.height());
        itemDelegate()->paint(painter, cell, index.siblingAtColumn(column));
    }
    if (hasFocus() && currentIndex().row() == index.row()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = bounds;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
}

// The selection is drawn only while focused: it comes and goes with the focus.
void CListView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void CListView::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void CListView::RestoreColumnWidths(SettingsStore& settings, const char* section, std::span<const uint32_t> defaults) {
    // The default widths suit a small classic font; with the desktop's font they grow alike.
    constexpr double kClassicCharWidth = 5.0;
    const double scale = std::max(1.0, fontMetrics().averageCharWidth() / kClassicCharWidth);
    for (size_t column = 0; column < defaults.size(); ++column) {
        const uint32_t fallback = static_cast<uint32_t>(defaults[column] * scale);
        const uint32_t width = settings.ReadSettingDword(section, "Spalte" + std::to_string(column), fallback);
        setColumnWidth(static_cast<int>(column), static_cast<int>(std::min<uint32_t>(width, 4000)));
    }
}

void CListView::SaveColumnWidths(SettingsStore& settings, const char* section) const {
    for (int column = 0; column < header()->count(); ++column) {
        settings.WriteSettingDword(section, "Spalte" + std::to_string(column),
                                   static_cast<uint32_t>(columnWidth(column)));
    }
}
