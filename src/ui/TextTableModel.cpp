#include "ui/TextTableModel.h"

CTextTableModel::CTextTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)) {}

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
    return role == Qt::DisplayRole ? m_rows[index.row()][index.column()] : QVariant();
}

QVariant CTextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_headings.size()) {
        return {};
    }
    return m_headings[section];
}
