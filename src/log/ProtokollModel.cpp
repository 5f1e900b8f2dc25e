#include "log/ProtokollModel.h"

#include "core/StringTable.h"
#include "settings/Formatting.h"

CProtokollModel::CProtokollModel(const CStringTable& strings, QObject* parent)
    : QAbstractTableModel(parent), m_strings(strings), m_facts(LocaleFacts::FromCLibrary()),
      m_rows(std::make_shared<CProtokollRows>()) {}

void CProtokollModel::SetRows(std::shared_ptr<const CProtokollRows> rows, std::vector<uint32_t> order) {
    beginResetModel();
    m_rows = std::move(rows);
    m_order = std::move(order);
    endResetModel();
}

int CProtokollModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int CProtokollModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CProtokollRows::kColumns;
}

QString CProtokollModel::Cell(const ProtokollZeile& row, int column) const {
    switch (column) {
    case CProtokollRows::kStart:
        return QString::fromStdString(m_startText.Format(row.start));
    case CProtokollRows::kDuration:
        return QString::fromStdString(FormatDuration(row.duration.GetDays(), m_facts));
    case CProtokollRows::kUnits:
        return QString::number(row.units);
    case CProtokollRows::kCosts:
        return QString::fromStdString(FormatAmount(row.costs, m_facts));
    case CProtokollRows::kConnection:
        return QString::fromStdString(m_rows->Text(row.connectionName));
    case CProtokollRows::kUser:
        return QString::fromStdString(m_rows->Text(row.userName));
    case CProtokollRows::kDevice:
        return QString::fromStdString(m_rows->Text(row.deviceName));
    default:
        return QString::fromStdString(m_rows->Text(row.tariffName));
    }
}

QVariant CProtokollModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return Alignment(index.column());
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    return Cell((*m_rows)[RowAt(index.row())], index.column());
}

// Numbers to the right, cells and headings alike.
int CProtokollModel::Alignment(int column) {
    const bool number = column == CProtokollRows::kUnits || column == CProtokollRows::kCosts;
    return static_cast<int>((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QVariant CProtokollModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal) {
        return Alignment(section);
    }
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return QString::fromStdString(m_strings.Get(CProtokollRows::Heading(section)));
}
