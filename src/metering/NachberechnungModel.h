#pragma once

#include <QAbstractTableModel>

class CTarifVergleichText;

// The connections of a tariff comparison under one of its tariffs: start, duration, logged and
// re-rated units and costs, the difference. Cell texts are made when a cell is drawn.
class CNachberechnungModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CNachberechnungModel(QObject* parent) : QAbstractTableModel(parent) {}

    // The text of the comparison (kept by the caller) and the tariff's line in it.
    void Show(const CTarifVergleichText* text, size_t line, size_t connections);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static int Alignment(int column);
    const CTarifVergleichText* m_text = nullptr;
    size_t m_line = 0;
    int m_connections = 0;
};
