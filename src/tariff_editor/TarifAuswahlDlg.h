#pragma once

#include "tariffs/TariffFiles.h"
#include "ui/FormDlg.h"

#include <string>
#include <vector>

class CStringTable;
class CTextTableModel;
class SettingsStore;

// Which tariff file to work on. With one tariff file or none there is nothing to choose: the
// default tariff is taken without asking.
class CTarifAuswahlDlg : public CFormDlg {
    Q_OBJECT
public:
    CTarifAuswahlDlg(SettingsStore& settings, const CStringTable& strings, QWidget* parent);

    // Asks only when there are two tariff files or more; QDialog::Accepted or Rejected.
    int ChooseIfNeeded();
    std::string GetTariffPath() const;
    // The chosen title, or the default tariff's name (string 571 without its brackets).
    QString GetDisplayTitle() const;

    void accept() override;

protected:
    void Load() override;
    std::optional<FieldError> Save() override;

private:
    std::string m_directory;
    const CStringTable& m_strings;
    std::vector<TariffFileEntry> m_files;
    TariffFileEntry m_chosen; // the default tariff until the user chooses another
    CTextTableModel* m_model;
};
