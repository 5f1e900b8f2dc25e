#pragma once

#include <QStyledItemDelegate>

#include <optional>

class CListView;

// Draws one cell of a CListView: the label with a margin of 4 in a rectangle narrowed by 2
// pixels, other cells with a margin of 12 narrowed by 6; a text that fits is aligned as its
// column says, a shortened one ("...") left.
class CListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CListDelegate(CListView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // One line of text with a little air above and below.
    static int RowHeight(const QFontMetrics& metrics);

private:
    static std::optional<QFont> OwnFont(const QModelIndex& index);

    CListView* m_view;
};
