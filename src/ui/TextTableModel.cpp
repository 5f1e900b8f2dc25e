#include "ui/TextTableModel.h"

CTextTableModel::CTextTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)) {}

void CTextTableModel::Reset(int rows, Cell cell) {
    beginResetModel();
    m_rows = rows;
    m_cell = std::move(cell);
    endResetModel();
}

int CTextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CTextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant CTextTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows) {
        return {};
    }
    return m_cell(index.row(), index.column());
}

QVariant CTextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_headings.size()) {
        return {};
    }
    return m_headings[section];
}
