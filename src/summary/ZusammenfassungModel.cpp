#include "summary/ZusammenfassungModel.h"

#include "core/StringTable.h"
#include "settings/Formatting.h"

CZusammenfassungModel::CZusammenfassungModel(const CZusammenfassung& summary, const CStringTable& strings,
                                             QObject* parent)
    : QAbstractTableModel(parent), m_summary(summary), m_strings(strings), m_facts(LocaleFacts::FromCLibrary()) {}

void CZusammenfassungModel::SetOrder(std::vector<uint32_t> order) {
    beginResetModel();
    m_order = std::move(order);
    endResetModel();
}

int CZusammenfassungModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int CZusammenfassungModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CZusammenfassung::kColumns;
}

QString CZusammenfassungModel::Cell(const ZusammenfassungGruppe& group, int column) const {
    switch (column) {
    case CZusammenfassung::kLabel:
        return QString::fromStdString(group.label);
    case CZusammenfassung::kCount:
        return QString::number(group.count);
    case CZusammenfassung::kDuration:
        return QString::fromStdString(FormatDuration(group.duration.GetDays(), m_facts));
    case CZusammenfassung::kUnits:
        return QString::number(group.units);
    default:
        return QString::fromStdString(FormatAmount(group.costs, m_facts));
    }
}

QVariant CZusammenfassungModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return Alignment(index.column());
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    return Cell(m_summary[m_order[static_cast<size_t>(index.row())]], index.column());
}

// Numbers to the right, cells and headings alike.
int CZusammenfassungModel::Alignment(int column) {
    const bool left = column == CZusammenfassung::kLabel || column == CZusammenfassung::kDuration;
    return static_cast<int>((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
}

QVariant CZusammenfassungModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal) {
        return Alignment(section);
    }
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    const unsigned heading = section == CZusammenfassung::kLabel ? CZusammenfassung::LabelHeading(m_summary.GetMode())
                                                                 : CZusammenfassung::Heading(section);
    return heading == 0 ? QString() : QString::fromStdString(m_strings.Get(heading));
}
