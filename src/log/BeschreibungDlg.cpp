#include "log/BeschreibungDlg.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "core/TextEncoding.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

CBeschreibungDlg::CBeschreibungDlg(SettingsStore& settings, const CStringTable& strings, QWidget* parent)
    : CFormDlg(Form::kDescription, parent), m_settings(settings), m_strings(strings),
      m_combo(Control<QComboBox>(Control::kDescription)), m_recent(CRecentDescriptions::Read(settings)) {
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    for (const std::string& text : m_recent.Offered()) {
        m_combo->addItem(QString::fromStdString(text));
    }
    // The prompt keeps its width whatever was typed before; a long description is shortened in
    // the list and shown whole as its tooltip.
    m_combo->view()->setTextElideMode(Qt::ElideMiddle);
    for (int i = 0; i < m_combo->count(); ++i) {
        m_combo->setItemData(i, m_combo->itemText(i), Qt::ToolTipRole);
    }
    // The most recent description is offered, ready to be confirmed or overtyped.
    m_combo->setCurrentIndex(m_combo->count() > 0 ? 0 : -1);
    m_combo->lineEdit()->selectAll();
}

std::optional<FieldError> CBeschreibungDlg::Validate() {
    if (CountUtf8Characters(m_combo->currentText().toStdString()) > kMaxLength) {
        return FieldError{
            m_combo, QString::fromStdString(m_strings.Format(Str::kTooManyCharacters, {std::to_string(kMaxLength)}))};
    }
    return std::nullopt;
}

std::optional<FieldError> CBeschreibungDlg::Save() {
    m_text = m_combo->currentText().toStdString();
    m_recent.Confirm(m_text);
    // The description goes into the record whether or not the list of recent ones could be kept.
    m_recent.Write(m_settings);
    return std::nullopt;
}

std::string CDescriptionPrompt::AskDescription() {
    CBeschreibungDlg dialog(m_settings, m_strings, m_parent);
    m_open = &dialog;
    dialog.Run();
    return dialog.GetText();
}

void CDescriptionPrompt::Dismiss() {
    if (m_open) {
        m_open->done(QDialog::Rejected); // past reject(), which the user cannot use
    }
}
