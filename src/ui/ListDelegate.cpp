#include "ui/ListDelegate.h"

#include "core/FitText.h"
#include "ui/ListView.h"

#include <QPainter>

namespace {
constexpr int kLabelMargin = 4;
constexpr int kLabelInset = 2;
constexpr int kCellMargin = 12;
constexpr int kCellInset = 6;
} // namespace

CListDelegate::CListDelegate(CListView* view) : QStyledItemDelegate(view), m_view(view) {}

// Wide enough that paint draws the whole text, margins included.
QSize CListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool label = index.column() == 0;
    const int margin = label ? kLabelMargin + m_view->StateImageOffset() : kCellMargin;
    const std::optional<QFont> own = OwnFont(index);
    const QString text = index.data(Qt::DisplayRole).toString();
    const int width = own ? QFontMetrics(*own).horizontalAdvance(text) : option.fontMetrics.horizontalAdvance(text);
    return {width + margin, RowHeight(option.fontMetrics)};
}

// A model may set a row apart in a font of its own (the cheapest tariff in bold); the other cells
// keep the view's font and its metrics, made once for all of them.
std::optional<QFont> CListDelegate::OwnFont(const QModelIndex& index) {
    const QVariant chosen = index.data(Qt::FontRole);
    return chosen.isValid() ? std::optional<QFont>(chosen.value<QFont>()) : std::nullopt;
}

int CListDelegate::RowHeight(const QFontMetrics& metrics) {
    return metrics.height() + 2 * kLabelInset + 2;
}

void CListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool highlighted = m_view->IsRowHighlighted(index);
    painter->fillRect(option.rect, highlighted ? option.palette.highlight() : option.palette.base());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) {
        return;
    }
    const bool label = index.column() == 0;
    QRect rect = option.rect;
    if (label) {
        rect.setRight(rect.right() - m_view->StateImageOffset());
    }
    const std::optional<QFont> own = OwnFont(index);
    const QFontMetrics metrics = own ? QFontMetrics(*own) : option.fontMetrics;
    const std::string whole = text.toStdString();
    const std::string fitted =
        FitTextToWidth(whole, rect.width(), label ? kLabelMargin : kCellMargin, [&metrics](std::string_view part) {
            return metrics.horizontalAdvance(QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())));
        });
    const int inset = label ? kLabelInset : kCellInset;
    rect.adjust(inset, 0, -inset, 0);
    Qt::Alignment alignment = Qt::AlignLeft;
    const QVariant columnAlignment = index.data(Qt::TextAlignmentRole);
    if (!label && fitted == whole && columnAlignment.isValid()) {
        alignment = Qt::Alignment(columnAlignment.toInt()) & Qt::AlignHorizontal_Mask;
    }
    painter->save();
    if (own) {
        painter->setFont(*own);
    }
    painter->setPen(highlighted ? option.palette.highlightedText().color() : option.palette.text().color());
    painter->drawText(rect, static_cast<int>(alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                      QString::fromStdString(fitted));
    painter->restore();
}
