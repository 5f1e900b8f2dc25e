#pragma once

#include "summary/Zusammenfassung.h"

#include <QChartView>

#include <vector>

// The summary's groups as bars, in the order of its list: what each hour, day or month cost, or
// how long, how many units or how many connections it took.
class CKostenDiagramm : public QChartView {
    Q_OBJECT
public:
    enum Value { kCosts, kHours, kUnits, kConnections };

    explicit CKostenDiagramm(QWidget* parent);

    void Show(const CZusammenfassung& summary, const std::vector<uint32_t>& order, Value value);
    // A PNG picture, or an SVG drawing when the name ends in ".svg"; false when it was not written.
    bool Save(const QString& path);

private:
    static double ValueOf(const ZusammenfassungGruppe& group, Value value);
};
