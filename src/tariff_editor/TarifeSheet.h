#pragma once

#include "ui/PropertySheet.h"

#include <string>

class CStringTable;
class SettingsStore;

// The tariff editor over one tariff file: a zone page for each day table the file's options call
// for, the holiday page and, with the discount scheme, the discount page. The options are read
// once, when the sheet is built. Zones and holidays are written as they change, so Cancel takes
// back only the discount page.
class CTarifeSheet : public CPropertySheet {
    Q_OBJECT
public:
    CTarifeSheet(SettingsStore& settings, const CStringTable& strings, const std::string& path,
                 const QString& displayTitle, QWidget* parent);
};
