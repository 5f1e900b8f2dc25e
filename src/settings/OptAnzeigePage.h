#pragma once

#include "ui/SettingsPage.h"

// Options: whether the window comes up with a connection, and whether the counter shows costs
// before time; a preview shows the chosen layout.
class COptAnzeigePage : public CSettingsPage {
    Q_OBJECT
public:
    COptAnzeigePage(SettingsStore& settings, const CStringTable& strings);

protected:
    void Load() override;

private:
    void ShowPreview();
};
