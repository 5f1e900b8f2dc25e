#pragma once

#include "core/DateTime.h"
#include "metering/GebuehrenZaehler.h"

#include <string>

// The counts of the connection being metered, with the names it is logged under.
class CVerbindungsZaehler : public CGebuehrenZaehler {
public:
    using CGebuehrenZaehler::CGebuehrenZaehler;

    std::string userName;
    std::string connectionName; // empty for a connection seen on the modem line
    std::string deviceName;
    std::string tariffName;
    CDateTime startTime; // the moment of detection less the lead time
};
