#include "TextFit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>

namespace {

class CCutReport {
public:
    void Check(const QWidget& control, const QString& text, int needed, int has) {
        if (needed > has) {
            m_cut.push_back(control.objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
                            std::to_string(needed) + " px, has " + std::to_string(has));
        }
    }
    std::vector<std::string> Cut() const { return m_cut; }

private:
    std::vector<std::string> m_cut;
};

void CheckLabel(CCutReport& report, const QLabel& label) {
    if (label.text().isEmpty()) {
        return;
    }
    if (label.wordWrap()) {
        report.Check(label, label.text(), label.heightForWidth(label.width()), label.height());
    } else {
        report.Check(label, label.text(), label.sizeHint().width(), label.width());
    }
}

void CheckTabs(CCutReport& report, const QTabBar& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
        const QRect tab = tabs.tabRect(i);
        const int text = tabs.fontMetrics().size(Qt::TextShowMnemonic, tabs.tabText(i)).width();
        report.Check(tabs, tabs.tabText(i), text, tab.width());
        report.Check(tabs, tabs.tabText(i), tab.right() + 1, tabs.width());
    }
}

void CheckHeadings(CCutReport& report, const QHeaderView& header) {
    if (header.model() == nullptr) {
        return;
    }
    for (int i = 0; i < header.count(); ++i) {
        if (!header.isSectionHidden(i)) {
            report.Check(header, header.model()->headerData(i, header.orientation()).toString(),
                         header.sectionSizeHint(i), header.sectionSize(i));
        }
    }
}

// Each column as wide as its widest value, as the delegate would draw it, and all of them within
// the list: a horizontal scroll bar hides a column from a user who does not scroll.
void CheckValues(CCutReport& report, const QAbstractItemView& list) {
    const auto* table = qobject_cast<const QTableView*>(&list);
    if (table == nullptr || table->model() == nullptr || table->model()->rowCount() == 0) {
        return;
    }
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        if (!table->isColumnHidden(column)) {
            const QString heading = table->model()->headerData(column, Qt::Horizontal).toString();
            report.Check(list, "values of " + heading, list.sizeHintForColumn(column), table->columnWidth(column));
        }
    }
    if (table->horizontalScrollBar()->isVisible()) {
        report.Check(list, "its columns", table->horizontalHeader()->length(), table->viewport()->width());
    }
}

// A title bar shows the title in bold, commonly a size larger than the window's text, beside the
// window's icon and buttons.
void CheckTitle(CCutReport& report, const QWidget& window) {
    constexpr int kTitleBarButtons = 100;
    QFont bold = window.font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    const QString title = window.windowTitle();
    report.Check(window, "title " + title, QFontMetrics(bold).horizontalAdvance(title) + kTitleBarButtons,
                 window.width());
}

} // namespace

std::vector<std::string> CutTexts(const QWidget& window) {
    CCutReport report;
    if (window.isWindow() && !window.windowTitle().isEmpty()) {
        CheckTitle(report, window);
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(report, *label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (!button->text().isEmpty()) {
                report.Check(*button, button->text(), button->sizeHint().width(), button->width());
            }
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            report.Check(*group, group->title(), group->minimumSizeHint().width(), group->width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            CheckTabs(report, *tabs);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            CheckHeadings(report, *header);
        } else if (const auto* list = qobject_cast<const QAbstractItemView*>(widget)) {
            CheckValues(report, *list);
        }
    }
    return report.Cut();
}
