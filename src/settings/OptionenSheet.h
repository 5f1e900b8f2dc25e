#pragma once

#include "detection/ModemLine.h"
#include "ui/PropertySheet.h"

#include <vector>

struct Services;

// The options: eight pages, opened on the first. Only pages the user looked at are saved on OK.
class COptionenSheet : public CPropertySheet {
    Q_OBJECT
public:
    COptionenSheet(const Services& services, bool dialUpAvailable, std::vector<SerialDevice> serialDevices,
                   QWidget* parent);
};
