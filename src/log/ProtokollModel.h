#pragma once

#include "log/ProtokollRows.h"
#include "settings/DateTimeText.h"
#include "settings/LocaleFacts.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

class CStringTable;

// The log view's eight columns over the rows in the order shown. Cell texts are made when a cell
// is drawn, so a million rows cost their values, not their texts.
class CProtokollModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CProtokollModel(const CStringTable& strings, QObject* parent);

    void SetRows(std::shared_ptr<const CProtokollRows> rows, std::vector<uint32_t> order);
    const CProtokollRows& Rows() const { return *m_rows; }
    // The rows, for a window that outlives the next refill.
    std::shared_ptr<const CProtokollRows> SharedRows() const { return m_rows; }
    // The position in the rows of a line of the list.
    uint32_t RowAt(int line) const { return m_order[static_cast<size_t>(line)]; }
    // The positions in the rows of every line, as listed.
    const std::vector<uint32_t>& Order() const { return m_order; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static int Alignment(int column);
    QString Cell(const ProtokollZeile& row, int column) const;

    const CStringTable& m_strings;
    LocaleFacts m_facts;
    std::shared_ptr<const CProtokollRows> m_rows;
    std::vector<uint32_t> m_order;
    mutable CDateTimeText m_startText;
};
