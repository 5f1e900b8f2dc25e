#pragma once

#include "ui/SettingsPage.h"

// Options: the automatic export of the log to "Log.txt".
class COptExportPage : public CSettingsPage {
    Q_OBJECT
public:
    COptExportPage(SettingsStore& settings, const CStringTable& strings);
};
