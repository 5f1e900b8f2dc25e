#include "ui/KostenDiagramm.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "ui/FileDialogFilter.h"
#include "ui/FormDlg.h"
#include "ui/MessageBox.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>

namespace {
constexpr qsizetype kLevelLabels = 12;
} // namespace

CKostenDiagramm::CKostenDiagramm(QWidget* parent) : QChartView(new QChart(), parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(QLocale::system());
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void CKostenDiagramm::Show(const QStringList& labels, const std::vector<double>& values, bool decimals) {
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* bars = new QBarSet(QString());
    for (const double value : values) {
        bars->append(value);
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
    auto* axis = new QValueAxis();
    axis->setLabelFormat(decimals ? QStringLiteral("%.2f") : QStringLiteral("%d"));
    chart->addAxis(axis, Qt::AlignLeft);
    series->attachAxis(axis);
    // No bars or only zeros still get an axis that reads as zero.
    const double highest = values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
    axis->setRange(0.0, highest > 0.0 ? highest : 1.0);
    axis->applyNiceNumbers();
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

void CKostenDiagramm::SaveAs(const CStringTable& strings) {
    QFileDialog dialog(window(), QString(), QDir::home().filePath(QStringLiteral("Chart.png")),
                       ToQtFileFilter(strings.Get(Str::kChartFileFilter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    if (!Save(path)) {
        CMessageBox::ShowNotWritten(window(), strings, path.toStdString());
    }
}
