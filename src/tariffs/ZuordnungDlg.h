#pragma once

#include "tariffs/TariffFiles.h"
#include "tariffs/Zuordnung.h"
#include "ui/FormDlg.h"

#include <vector>

class CStringTable;
class CTextTableModel;
class Phonebook;
class SettingsStore;

// Assigns a tariff file to each dial-up entry and to the modem line. OK writes the assignment.
class CZuordnungDlg : public CFormDlg {
    Q_OBJECT
public:
    CZuordnungDlg(SettingsStore& settings, const CStringTable& strings, Phonebook& phonebook, QWidget* parent);

protected:
    void Load() override;
    std::optional<FieldError> Save() override;

private:
    void FillList();
    void AssignToSelected();
    QString TariffText(const std::string& title) const;

    SettingsStore& m_settings;
    const CStringTable& m_strings;
    Phonebook& m_phonebook;
    CZuordnung m_assignment;
    std::vector<TariffFileEntry> m_files;
    CTextTableModel* m_model;
};
