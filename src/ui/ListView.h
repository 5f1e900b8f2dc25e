#pragma once

#include <QTableView>

#include <cstdint>
#include <set>
#include <span>
#include <utility>

class SettingsStore;

// Every table of the program: a report list that draws its rows itself. A selected row is
// highlighted across all columns and, when wanted, to the window's right edge; the selection
// shows only while the list has the focus unless it is to show always; cell texts that do not fit
// end in "..." (CListDelegate). Sorting is the model's business: header clicks are reported.
//
// A table view, not a tree: it keeps nothing per row, so a list of a million rows costs only its
// model's data.
class CListView : public QTableView {
    Q_OBJECT
public:
    explicit CListView(QWidget* parent = nullptr);

    void SetHighlightToEdge(bool on) { m_highlightToEdge = on; }
    void SetShowSelectionAlways(bool on);
    // The width of the state images left of each label; the label is narrowed by it.
    void SetStateImageOffset(int pixels) { m_stateImageOffset = pixels; }
    int StateImageOffset() const { return m_stateImageOffset; }
    bool IsRowHighlighted(const QModelIndex& index) const;
    // The row of the selected current item, or -1 when no row is selected.
    int SelectedRow() const;
    void SetSortIndicator(int column, bool descending);
    void setModel(QAbstractItemModel* model) override;

    // Column widths kept as "Spalte0".. in a section of the settings. A column without a stored
    // width widens to fit its heading and the texts of the rows in sight whenever the rows change.
    void RestoreColumnWidths(SettingsStore& settings, const char* section, std::span<const uint32_t> defaults);
    void SaveColumnWidths(SettingsStore& settings, const char* section) const;

signals:
    void ColumnClicked(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The highlight and the focus frame reach past the last column: their rows are repainted whole.
    void UpdateWholeRows(const QItemSelection& rows);
    // The first and the last row the viewport shows (an empty range without rows).
    std::pair<int, int> RowsInSight() const;
    void UpdateWholeRow(int row);
    void FitUnstoredColumns();

    std::set<int> m_unstoredColumns;
    bool m_highlightToEdge = true;
    bool m_showSelectionAlways = false;
    int m_stateImageOffset = 0;
};
