#include "TextFit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>

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

} // namespace

std::vector<std::string> CutTexts(const QWidget& window) {
    CCutReport report;
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
        }
    }
    return report.Cut();
}
