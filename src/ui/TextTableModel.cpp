#include "ui/TextTableModel.h"

#include <QFont>

CTextTableModel::CTextTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)) {}

void CTextTableModel::SetHeadings(QStringList headings) {
    m_headings = std::move(headings);
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_headings.size()) - 1);
}

void CTextTableModel::SetRows(std::vector<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CTextTableModel::SetColumnAlignment(int column, Qt::Alignment alignment) {
    if (column >= static_cast<int>(m_alignments.size())) {
        m_alignments.resize(static_cast<size_t>(column) + 1, Qt::AlignLeft);
    }
    m_alignments[static_cast<size_t>(column)] = alignment;
}

void CTextTableModel::SetBoldRow(int row) {
    m_boldRow = row;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
}

int CTextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CTextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant CTextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_rows[index.row()].size()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() < static_cast<int>(m_alignments.size())) {
        return m_alignments[static_cast<size_t>(index.column())].toInt();
    }
    if (role == Qt::FontRole && index.row() == m_boldRow) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return role == Qt::DisplayRole ? m_rows[index.row()][index.column()] : QVariant();
}

QVariant CTextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // A heading stands over its column as the column's texts do.
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal &&
        section < static_cast<int>(m_alignments.size())) {
        return m_alignments[static_cast<size_t>(section)].toInt();
    }
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_headings.size()) {
        return {};
    }
    return m_headings[section];
}
