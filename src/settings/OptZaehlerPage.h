#pragma once

#include "ui/SettingsPage.h"

// Options: the counters' automatic reset and its day of the month.
class COptZaehlerPage : public CSettingsPage {
    Q_OBJECT
public:
    COptZaehlerPage(SettingsStore& settings, const CStringTable& strings);
};
