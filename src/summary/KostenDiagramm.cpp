#include "summary/KostenDiagramm.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>

namespace {
constexpr double kSecondsPerHour = 3600.0;
constexpr double kMoneyScale = 10000.0; // amounts count ten-thousandths
constexpr qsizetype kLevelLabels = 12;
} // namespace

CKostenDiagramm::CKostenDiagramm(QWidget* parent) : QChartView(new QChart(), parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(QLocale::system());
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

double CKostenDiagramm::ValueOf(const ZusammenfassungGruppe& group, Value value) {
    switch (value) {
    case kCosts:
        return static_cast<double>(group.costs.GetValue()) / kMoneyScale;
    case kHours:
        return static_cast<double>(group.duration.GetTotalSeconds()) / kSecondsPerHour;
    case kUnits:
        return static_cast<double>(group.units);
    default:
        return group.count;
    }
}

void CKostenDiagramm::Show(const CZusammenfassung& summary, const std::vector<uint32_t>& order, Value value) {
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* bars = new QBarSet(QString());
    QStringList labels;
    double highest = 0.0;
    for (const uint32_t group : order) {
        highest = std::max(highest, ValueOf(summary[group], value));
        bars->append(ValueOf(summary[group], value));
        labels.append(QString::fromStdString(summary[group].label));
    }
    auto* series = new QBarSeries();
    series->append(bars);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis();
    categories->append(labels);
    // Many groups (hours, days of the month, days) stand upright, so every label stays readable.
    categories->setLabelsAngle(labels.size() > kLevelLabels ? -90 : 0);
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis();
    values->setLabelFormat(value == kCosts || value == kHours ? QStringLiteral("%.2f") : QStringLiteral("%d"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    // An empty or all-zero summary still gets an axis that reads as zero.
    values->setRange(0.0, highest > 0.0 ? highest : 1.0);
    values->applyNiceNumbers();
}

bool CKostenDiagramm::Save(const QString& path) {
    if (!path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return grab().save(path, "PNG");
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size());
    svg.setViewBox(rect());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    render(&painter);
    return painter.end();
}
