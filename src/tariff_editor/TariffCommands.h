#pragma once

class CTarif;
struct Services;
class QWidget;

// The main window's two tariff commands. Afterwards, whatever the user did, the running rate is
// invalidated, so the next unit is charged from the file as it is now.

// Chooses a tariff file (when there are several), gives a file without options its options
// first, then opens the tariff editor on it.
void EditTariffs(const Services& services, CTarif& runningTariff, QWidget* parent);
// Chooses a tariff file and edits its options.
void EditTariffOptions(const Services& services, CTarif& runningTariff, QWidget* parent);
