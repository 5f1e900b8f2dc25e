#include "tariff_editor/DayStrip.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {
constexpr int kQuarters = 96;
constexpr int kBandHeight = 24;
constexpr int kOverlapEdge = 4;
constexpr int kTickLength = 4;
constexpr int kHoursPerLabel = 3;
constexpr int kCheapHue = 120; // green
} // namespace

CDayStrip::CDayStrip(const CStringTable& strings, QWidget* parent)
    : QWidget(parent), m_strings(strings), m_facts(LocaleFacts::FromCLibrary()), m_stretches(SplitDay({})) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CDayStrip::SetZones(std::vector<TariffZone> zones) {
    m_zones = std::move(zones);
    m_stretches = SplitDay(m_zones);
    bool first = true;
    for (const DayStretch& stretch : m_stretches) {
        if (stretch.zone < 0) {
            continue;
        }
        const CMoney perMinute = PricePerMinute(m_zones[static_cast<size_t>(stretch.zone)]);
        m_cheapest = first ? perMinute : std::min(m_cheapest, perMinute);
        m_dearest = first ? perMinute : std::max(m_dearest, perMinute);
        first = false;
    }
    update();
}

QSize CDayStrip::sizeHint() const {
    return {480, minimumSizeHint().height()};
}

QSize CDayStrip::minimumSizeHint() const {
    return {240, kBandHeight + kTickLength + fontMetrics().height() + 2};
}

QRect CDayStrip::BandRect() const {
    // Room on both sides for half a scale label.
    const int inset = fontMetrics().horizontalAdvance(QStringLiteral("00:00")) / 2 + 1;
    return {inset, 0, width() - 2 * inset, kBandHeight};
}

int CDayStrip::XOfQuarter(int quarter) const {
    const QRect band = BandRect();
    return band.left() + band.width() * quarter / kQuarters;
}

QColor CDayStrip::ColourOf(const CMoney& perMinute) const {
    const int64_t range = m_dearest.GetValue() - m_cheapest.GetValue();
    const double share =
        range > 0 ? static_cast<double>(perMinute.GetValue() - m_cheapest.GetValue()) / static_cast<double>(range)
                  : 0.0;
    return QColor::fromHsv(static_cast<int>(kCheapHue * (1.0 - share)), 150, 235);
}

const DayStretch* CDayStrip::StretchAt(int x) const {
    for (const DayStretch& stretch : m_stretches) {
        if (x >= XOfQuarter(stretch.firstQuarter) && x < XOfQuarter(stretch.lastQuarter + 1)) {
            return &stretch;
        }
    }
    return nullptr;
}

QString CDayStrip::TipOf(const DayStretch& stretch) const {
    const std::string from = FormatQuarterHour(stretch.firstQuarter, false, m_facts);
    const std::string to = FormatQuarterHour(stretch.lastQuarter, true, m_facts);
    if (stretch.zone < 0) {
        return QString::fromStdString(
            m_strings.Format(Str::kDefaultRateTip, {from, to, FormatAmount(PricePerMinute(TariffZone{}), m_facts)}));
    }
    const std::string price = FormatAmount(PricePerMinute(m_zones[static_cast<size_t>(stretch.zone)]), m_facts);
    return QString::fromStdString(
        m_strings.Format(stretch.overlapped ? Str::kStretchOverlapTip : Str::kStretchTip, {from, to, price}));
}

void CDayStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect band = BandRect();
    const QColor edge = palette().color(QPalette::WindowText);
    for (const DayStretch& stretch : m_stretches) {
        const QRect rect(XOfQuarter(stretch.firstQuarter), band.top(),
                         XOfQuarter(stretch.lastQuarter + 1) - XOfQuarter(stretch.firstQuarter), band.height());
        if (stretch.zone < 0) {
            painter.fillRect(rect, palette().color(QPalette::Base));
            painter.fillRect(rect, QBrush(palette().color(QPalette::Mid), Qt::BDiagPattern));
        } else {
            const CMoney perMinute = PricePerMinute(m_zones[static_cast<size_t>(stretch.zone)]);
            painter.fillRect(rect, ColourOf(perMinute));
            const QString text = QString::fromStdString(FormatAmount(perMinute, m_facts));
            if (fontMetrics().horizontalAdvance(text) + 4 < rect.width()) {
                painter.setPen(Qt::black);
                painter.drawText(rect, Qt::AlignCenter, text);
            }
        }
        if (stretch.overlapped) {
            painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), kOverlapEdge), edge);
        }
        painter.setPen(edge);
        painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom());
    }
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
    PaintScale(painter);
}

void CDayStrip::PaintScale(QPainter& painter) const {
    const QRect band = BandRect();
    const QFontMetrics metrics = fontMetrics();
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = XOfQuarter(hour * 4);
        const bool labelled = hour % kHoursPerLabel == 0;
        painter.drawLine(x, band.bottom() + 1, x, band.bottom() + (labelled ? kTickLength : kTickLength / 2));
        if (labelled) {
            const QString label = QString::fromStdString(FormatQuarterHour(hour * 4, false, m_facts));
            const int w = metrics.horizontalAdvance(label);
            painter.drawText(QRect(x - w / 2 - 1, band.bottom() + kTickLength + 1, w + 2, metrics.height()),
                             Qt::AlignCenter, label);
        }
    }
}

bool CDayStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const DayStretch* stretch = help->pos().y() < BandRect().bottom() ? StretchAt(help->pos().x()) : nullptr;
        if (stretch != nullptr) {
            QToolTip::showText(help->globalPos(), TipOf(*stretch), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}
