#include "ui/FormDlg.h"

#include "core/ResourceIds.h"
#include "ui/Help.h"
#include "ui/MessageBox.h"

#include <QPushButton>

#include <utility>

CFormDlg::CFormDlg(int templateId, QWidget* parent)
    : QDialog(parent), m_templateId(templateId), m_form(CFormLoader::LoadInto(this, templateId)) {
    // Not every dialog has every button; those it has work alike everywhere.
    if (auto* ok = m_form->findChild<QPushButton*>(QStringLiteral("id%1").arg(Control::kOk))) {
        connect(ok, &QPushButton::clicked, this, &CFormDlg::accept);
    }
    if (auto* cancel = m_form->findChild<QPushButton*>(QStringLiteral("id%1").arg(Control::kCancel))) {
        connect(cancel, &QPushButton::clicked, this, &CFormDlg::reject);
    }
    if (auto* help = m_form->findChild<QPushButton*>(QStringLiteral("id%1").arg(Control::kHelp))) {
        connect(help, &QPushButton::clicked, this, [this] { CHelp::Open(HelpPage()); });
    }
}

// The section of the user guide that explains each dialog with a Help button.
QString CFormDlg::HelpPage() const {
    static constexpr std::pair<int, const char*> kSections[] = {
        {Form::kLogFilter, "log-filter"}, {Form::kTariffOptions, "tariff-options"}, {Form::kZone, "zone"},
        {Form::kSummary, "summary"},      {Form::kTariffComparison, "comparison"},  {Form::kAssignment, "assignment"}};
    for (const auto& [form, section] : kSections) {
        if (form == m_templateId) {
            return QString::fromLatin1(CHelp::kIndex) + QLatin1Char('#') + QLatin1String(section);
        }
    }
    return QString::fromLatin1(CHelp::kIndex);
}

void CFormDlg::EnsureLoaded() {
    if (!m_loaded) {
        m_loaded = true;
        Load();
    }
}

void CFormDlg::showEvent(QShowEvent* event) {
    EnsureLoaded();
    QDialog::showEvent(event);
}

void CFormDlg::accept() {
    EnsureLoaded();
    if (const std::optional<FieldError> error = Validate()) {
        error->Show(this);
        return;
    }
    if (const std::optional<FieldError> error = Save()) {
        error->Show(this);
        return;
    }
    QDialog::accept();
}

int CFormDlg::Run() {
    EnsureLoaded();
    return RunModal(*this);
}

int RunModal(QDialog& dialog) {
    if (!CMessageBox::IsNonInteractive()) {
        // Modal to its own windows only: the tray icon, a window of its own, keeps answering.
        if (dialog.parentWidget() != nullptr) {
            dialog.setWindowModality(Qt::WindowModal);
        }
        return dialog.exec();
    }
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    return dialog.result();
}
