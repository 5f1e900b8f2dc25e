#include "metering/NachberechnungModel.h"

#include "metering/TarifVergleichText.h"

void CNachberechnungModel::Show(const CTarifVergleichText* text, size_t line, size_t connections) {
    beginResetModel();
    m_text = text;
    m_line = line;
    m_connections = text != nullptr ? static_cast<int>(connections) : 0;
    endResetModel();
}

int CNachberechnungModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_connections;
}

int CNachberechnungModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CTarifVergleichText::kConnectionColumns;
}

QVariant CNachberechnungModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return Alignment(index.column());
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    return QString::fromStdString(m_text->ConnectionCell(m_line, static_cast<size_t>(index.row()), index.column()));
}

// Numbers to the right, cells and headings alike.
int CNachberechnungModel::Alignment(int column) {
    const bool number = !CTarifVergleichText::IsTextColumn(column);
    return static_cast<int>((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QVariant CNachberechnungModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal) {
        return Alignment(section);
    }
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || m_text == nullptr) {
        return {};
    }
    return QString::fromStdString(m_text->ConnectionHeading(section));
}
