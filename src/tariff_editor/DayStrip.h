#pragma once

#include "settings/LocaleFacts.h"
#include "tariff_editor/DayCoverage.h"

#include <QWidget>

#include <vector>

class CStringTable;

// The 24 hours of a day kind as one band: each stretch coloured by what a minute costs there
// (green the cheapest zone, red the dearest), hatched where no zone applies and the default rate
// steps in, with a dark edge on top where zones overlap; an hour scale beneath. A stretch's tooltip
// gives its times and price.
class CDayStrip : public QWidget {
    Q_OBJECT
public:
    CDayStrip(const CStringTable& strings, QWidget* parent);

    void SetZones(std::vector<TariffZone> zones);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The stretch drawn at that x, or nothing.
    const DayStretch* StretchAt(int x) const;
    QString TipOf(const DayStretch& stretch) const;
    QRect BandRect() const;
    int XOfQuarter(int quarter) const;
    QColor ColourOf(const CMoney& perMinute) const;
    void PaintScale(QPainter& painter) const;

    const CStringTable& m_strings;
    LocaleFacts m_facts;
    std::vector<TariffZone> m_zones;
    std::vector<DayStretch> m_stretches;
    CMoney m_cheapest;
    CMoney m_dearest;
};
