#pragma once

#include <QChartView>
#include <QStringList>

#include <string>
#include <vector>

class CStringTable;

// Bars with their labels in the order given, on an axis in the user's locale: what each hour, day
// or month cost in the summary, what each tariff would have cost in the comparison. Many bars
// stand their labels upright.
class CKostenDiagramm : public QChartView {
    Q_OBJECT
public:
    explicit CKostenDiagramm(QWidget* parent);

    // With decimals the axis shows two places (amounts, hours), without them whole numbers. Lying
    // bars leave room for long labels; the first is on top.
    void Show(QStringList labels, std::vector<double> values, bool decimals, Qt::Orientation bars = Qt::Vertical);
    // A PNG picture, or an SVG drawing when the name ends in ".svg"; false when it was not written.
    bool Save(const std::string& path);
    // Asks where, then saves; tells the user when the file could not be written.
    void SaveAs(const CStringTable& strings);
};
