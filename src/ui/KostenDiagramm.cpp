#include "ui/KostenDiagramm.h"

#include "core/FileLayer.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "platform/PathText.h"
#include "ui/FileDialogFilter.h"
#include "ui/MessageBox.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>

namespace {
constexpr qsizetype kLevelLabels = 12;
constexpr double kWholeNumbersFrom = 100.0;
constexpr int kLyingTicks = 3;
} // namespace

CKostenDiagramm::CKostenDiagramm(QWidget* parent) : QChartView(new QChart(), parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(QLocale::system());
    chart()->setMargins(QMargins(4, 4, 4, 4));
    // A picture to look at, nothing to work with: Tab passes it by.
    setFocusPolicy(Qt::NoFocus);
}

void CKostenDiagramm::Show(QStringList labels, std::vector<double> values, bool decimals, Qt::Orientation bars) {
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const bool across = bars == Qt::Horizontal;
    if (across) {
        // Lying bars are stacked from the bottom; the first is to be read first, on top.
        std::reverse(labels.begin(), labels.end());
        std::reverse(values.begin(), values.end());
    }
    auto* set = new QBarSet(QString());
    for (const double value : values) {
        set->append(value);
    }
    QAbstractBarSeries* series = across ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries())
                                        : static_cast<QAbstractBarSeries*>(new QBarSeries());
    series->append(set);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis();
    categories->append(labels);
    // Many standing bars (hours, days of the month, days) stand their labels upright, so every
    // label stays readable.
    categories->setLabelsAngle(!across && labels.size() > kLevelLabels ? -90 : 0);
    categories->setTruncateLabels(false);
    chart->addAxis(categories, across ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(categories);
    const double highest = values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
    auto* axis = new QValueAxis();
    // Cents do not matter on an axis of hundreds, and a lying axis has little room for its labels.
    const bool cents = decimals && highest < kWholeNumbersFrom;
    axis->setLabelFormat(cents ? QStringLiteral("%.2f") : QStringLiteral("%.0f"));
    if (across) {
        axis->setTickCount(kLyingTicks);
    }
    chart->addAxis(axis, across ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(axis);
    // No bars or only zeros still get an axis that reads as zero.
    axis->setRange(0.0, highest > 0.0 ? highest : 1.0);
    axis->applyNiceNumbers();
}

// Drawn into memory and written through the file layer: the name stays its bytes, and a full disk
// leaves the file that was there.
bool CKostenDiagramm::Save(const std::string& path) {
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    if (!PathToQt(path).endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return grab().save(&drawn, "PNG") && CFileLayer::Replace(path, drawn.data().toStdString());
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&drawn);
    svg.setSize(size());
    svg.setViewBox(rect());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    render(&painter);
    return painter.end() && CFileLayer::Replace(path, drawn.data().toStdString());
}

void CKostenDiagramm::SaveAs(const CStringTable& strings) {
    const std::optional<std::string> path = AskSavePath(window(), QString(), HomeFile("Chart.png"),
                                                        strings.Get(Str::kChartFileFilter), QStringLiteral("png"));
    if (path && !Save(*path)) {
        CMessageBox::ShowNotWritten(window(), strings, *path);
    }
}
