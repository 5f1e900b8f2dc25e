#pragma once

#include "metering/DescriptionPrompt.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class CStringTable;
class SettingsStore;

// Asks for a description of a connection without a name, offering the last 15 descriptions
// ("MRU0" most recent to "MRU14" in section "Protokoll"). It cannot be cancelled: only OK ends it.
class CBeschreibungDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 124;

    CBeschreibungDlg(SettingsStore& settings, const CStringTable& strings, QWidget* parent = nullptr);

    // The confirmed text (possibly empty).
    const std::string& GetText() const { return m_text; }
    // The descriptions the list offers, most recent first.
    const std::vector<std::string>& GetRecent() const { return m_recent; }
    QComboBox* Combo() const { return m_combo; }

    void accept() override;
    void reject() override {}

private:
    SettingsStore& m_settings;
    const CStringTable& m_strings;
    QComboBox* m_combo = nullptr;
    std::vector<std::string> m_recent;
    std::string m_text;
};

// The prompt as the meter run asks for it: shows the dialog over the main window; with
// FERNZAHL_NONINTERACTIVE=1 answers at once with what the dialog offers first.
class CDescriptionPrompt : public DescriptionPrompt {
public:
    CDescriptionPrompt(SettingsStore& settings, const CStringTable& strings, QWidget* parent)
        : m_settings(settings), m_strings(strings), m_parent(parent) {}
    std::string AskDescription() override;

private:
    SettingsStore& m_settings;
    const CStringTable& m_strings;
    QWidget* m_parent;
};
