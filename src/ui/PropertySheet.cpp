#include "ui/PropertySheet.h"

#include "core/ResourceIds.h"
#include "ui/FormPage.h"
#include "ui/UiResources.h"

#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The pages' stack is only where the pages lie: as a plain pane a screen reader passes over it,
// where a layered pane would be announced at each entry into a page.
QAccessibleInterface* PagesAccessible(const QString& className, QObject* object) {
    auto* stack = qobject_cast<QStackedWidget*>(object);
    return stack != nullptr && className == QLatin1String("QStackedWidget") &&
                   qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr &&
                   qobject_cast<CPropertySheet*>(stack->parentWidget()->parentWidget()) != nullptr
               ? new QAccessibleWidget(stack, QAccessible::Pane)
               : nullptr;
}
} // namespace

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
    static const bool pagesAsPane = (QAccessible::installFactory(PagesAccessible), true);
    Q_UNUSED(pagesAsPane);
    setWindowTitle(caption);
    // Every tab stays in sight: the sheet grows to fit them rather than scrolling them.
    m_tabs->setUsesScrollButtons(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons = buttons;
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("id%1").arg(Control::kOk));
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("id%1").arg(Control::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

void CPropertySheet::AddPage(CFormPage* page) {
    m_pages.push_back(page);
    // A page's form asks for its designed size; the tabs take the largest.
    page->setMinimumSize(page->size());
    m_tabs->addTab(page, page->windowTitle());
}

void CPropertySheet::showEvent(QShowEvent* event) {
    OnTabChanged(m_tabs->currentIndex());
    QDialog::showEvent(event);
}

void CPropertySheet::OnTabChanged(int index) {
    if (index == m_current || index < 0) {
        return;
    }
    // The page being left must hold valid values before another comes to the front.
    if (m_current >= 0) {
        if (const std::optional<FieldError> error = m_pages[m_current]->Validate()) {
            const QSignalBlocker block(m_tabs);
            m_tabs->setCurrentIndex(m_current);
            error->Show(this);
            return;
        }
    }
    m_current = index;
    if (!m_pages[index]->WasShown()) {
        m_pages[index]->EnsureLoaded();
        PutButtonsLast();
    }
}

// Set anew, a widget joins the end of its parent's focus chain, after every page made so far.
void CPropertySheet::PutButtonsLast() {
    m_buttons->setParent(nullptr);
    m_buttons->setParent(this);
    layout()->addWidget(m_buttons);
    m_buttons->show();
}

void CPropertySheet::accept() {
    OnTabChanged(m_tabs->currentIndex());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (!m_pages[i]->WasShown()) {
            continue;
        }
        std::optional<FieldError> error = m_pages[i]->Validate();
        if (!error) {
            error = m_pages[i]->ValidateForClosing();
        }
        if (error) {
            ShowRefusal(static_cast<int>(i), *error);
            return;
        }
    }
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (!m_pages[i]->WasShown()) {
            continue;
        }
        if (const std::optional<FieldError> error = m_pages[i]->Save()) {
            ShowRefusal(static_cast<int>(i), *error);
            return;
        }
    }
    QDialog::accept();
}

void CPropertySheet::ShowRefusal(int page, const FieldError& error) {
    const QSignalBlocker block(m_tabs);
    m_tabs->setCurrentIndex(page);
    m_current = page;
    error.Show(this);
}

void CPropertySheet::CancelToClose(const QString& closeText) {
    m_cancel->setText(closeText);
}
