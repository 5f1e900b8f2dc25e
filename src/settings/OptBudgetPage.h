#pragma once

#include "ui/SettingsPage.h"

// Options: the monthly budget, its limit and the share of it at which the user is warned.
class COptBudgetPage : public CSettingsPage {
    Q_OBJECT
public:
    COptBudgetPage(SettingsStore& settings, const CStringTable& strings);
};
