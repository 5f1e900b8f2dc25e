#pragma once

#include "tariffs/TariffFiles.h"
#include "ui/FormPage.h"

#include <functional>
#include <vector>

class CStringTable;
class CTextTableModel;
class SettingsStore;

// Options: the tariff files of the data folder. New and Delete act at once; the sheet's Cancel
// then only closes it (onIrreversibleChange).
class COptTarifePage : public CFormPage {
    Q_OBJECT
public:
    COptTarifePage(SettingsStore& settings, const CStringTable& strings, std::function<void()> onIrreversibleChange);

protected:
    void Load() override;

private:
    void Fill();
    void CreateFile();
    void DeleteSelected();
    void ShowMessage(const std::string& text);

    SettingsStore& m_settings;
    const CStringTable& m_strings;
    std::function<void()> m_onIrreversibleChange;
    CTextTableModel* m_model;
    std::vector<TariffFileEntry> m_files;
};
