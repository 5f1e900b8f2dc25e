#include "log/BeschreibungDlg.h"

#include "ui/FormLoader.h"
#include "ui/MessageBox.h"
#include "core/StringTable.h"
#include "core/TextEncoding.h"
#include "settings/SettingsStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {
std::string RecentName(unsigned position) {
    return "MRU" + std::to_string(position);
}
} // namespace

CBeschreibungDlg::CBeschreibungDlg(SettingsStore& settings, const CStringTable& strings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_strings(strings) {
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    QWidget* form = CFormLoader::LoadInto(this, 172);
    m_combo = form ? form->findChild<QComboBox*>(QStringLiteral("id1003")) : nullptr;
    if (m_combo == nullptr) { // without its form the prompt still works
        m_combo = new QComboBox(this);
        m_combo->setEditable(true);
    }
    for (unsigned i = 0; i < Setting::kRecentDescriptions; ++i) {
        const std::string text = settings.ReadSettingString(Section::kProtokoll, RecentName(i), "");
        if (!text.empty()) {
            m_recent.push_back(text);
            m_combo->addItem(QString::fromStdString(text));
        }
    }
    // The most recent description is offered, ready to be confirmed or overtyped.
    m_combo->setCurrentIndex(m_recent.empty() ? -1 : 0);
    m_combo->lineEdit()->selectAll();
    if (auto* ok = form ? form->findChild<QPushButton*>(QStringLiteral("id1")) : nullptr) {
        connect(ok, &QPushButton::clicked, this, &CBeschreibungDlg::accept);
    }
}

void CBeschreibungDlg::accept() {
    const std::string text = m_combo->currentText().toStdString();
    if (CountUtf8Characters(text) > kMaxLength) {
        CMessageBox::Show(this, QString::fromStdString(m_strings.Format(61716, {std::to_string(kMaxLength)})),
                          CMessageBox::Buttons::Ok, CMessageBox::Icon::Warning);
        m_combo->setFocus();
        return;
    }
    const auto same = std::find(m_recent.begin(), m_recent.end(), text);
    if (same != m_recent.end()) {
        m_recent.erase(same);
    } else if (m_recent.size() == Setting::kRecentDescriptions) {
        m_recent.pop_back();
    }
    m_recent.insert(m_recent.begin(), text);
    for (unsigned i = 0; i < m_recent.size(); ++i) {
        m_settings.WriteSettingString(Section::kProtokoll, RecentName(i), m_recent[i]);
    }
    m_text = text;
    QDialog::accept();
}

std::string CDescriptionPrompt::AskDescription() {
    CBeschreibungDlg dialog(m_settings, m_strings, m_parent);
    if (CMessageBox::IsNonInteractive()) {
        dialog.accept();
    } else {
        dialog.exec();
    }
    return dialog.GetText();
}
