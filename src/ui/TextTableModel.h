#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// A short table of texts that it holds itself: the lists of tariff files and of the assignment.
// Long lists (the log) have models of their own that read their rows when drawn.
class CTextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CTextTableModel(QStringList headings, QObject* parent);
    void SetHeadings(QStringList headings);
    void SetRows(std::vector<QStringList> rows);
    // Cells are drawn left-aligned unless their column says otherwise.
    void SetColumnAlignment(int column, Qt::Alignment alignment);
    // The row drawn in bold, to stand out from the others (-1: none).
    void SetBoldRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headings;
    std::vector<QStringList> m_rows;
    std::vector<Qt::Alignment> m_alignments;
    int m_boldRow = -1;
};
