#pragma once

#include "settings/LocaleFacts.h"
#include "summary/Zusammenfassung.h"

#include <QAbstractTableModel>

#include <vector>

class CStringTable;

// The summary's five columns over its groups in the order shown.
class CZusammenfassungModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CZusammenfassungModel(const CZusammenfassung& summary, const CStringTable& strings, QObject* parent);

    void SetOrder(std::vector<uint32_t> order);
    const std::vector<uint32_t>& Order() const { return m_order; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static int Alignment(int column);
    QString Cell(const ZusammenfassungGruppe& group, int column) const;

    const CZusammenfassung& m_summary;
    const CStringTable& m_strings;
    LocaleFacts m_facts;
    std::vector<uint32_t> m_order;
};
