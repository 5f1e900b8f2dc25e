#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// A short table of texts whose cells are asked from the owner's data when drawn: the lists of
// tariff files and of the assignment. Long lists (the log) have models of their own.
class CTextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Cell = std::function<QString(int row, int column)>;

    CTextTableModel(QStringList headings, QObject* parent);
    // The table now has that many rows, each cell given by the function.
    void Reset(int rows, Cell cell);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headings;
    int m_rows = 0;
    Cell m_cell;
};
