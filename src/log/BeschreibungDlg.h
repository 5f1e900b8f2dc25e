#pragma once

#include "log/RecentDescriptions.h"
#include "metering/DescriptionPrompt.h"
#include "ui/FormDlg.h"

#include <QPointer>

#include <string>
#include <vector>

class QComboBox;
class CStringTable;
class SettingsStore;

// Asks for a description of a connection without a name, offering the recent descriptions.
// It cannot be cancelled: only OK ends it.
class CBeschreibungDlg : public CFormDlg {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 124;

    CBeschreibungDlg(SettingsStore& settings, const CStringTable& strings, QWidget* parent = nullptr);

    // The confirmed text (possibly empty).
    const std::string& GetText() const { return m_text; }
    std::vector<std::string> GetRecent() const { return m_recent.Offered(); }
    QComboBox* Combo() const { return m_combo; }

    void reject() override {}

protected:
    std::optional<FieldError> Validate() override;
    std::optional<FieldError> Save() override;

private:
    SettingsStore& m_settings;
    const CStringTable& m_strings;
    QComboBox* m_combo;
    CRecentDescriptions m_recent;
    std::string m_text;
};

// The prompt as the meter run asks for it: shows the dialog over the main window.
class CDescriptionPrompt : public DescriptionPrompt {
public:
    CDescriptionPrompt(SettingsStore& settings, const CStringTable& strings, QWidget* parent)
        : m_settings(settings), m_strings(strings), m_parent(parent) {}
    std::string AskDescription() override;
    // At the program's end: an open prompt closes without an answer.
    void Dismiss();

private:
    SettingsStore& m_settings;
    const CStringTable& m_strings;
    QWidget* m_parent;
    QPointer<CBeschreibungDlg> m_open;
};
