#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>

// One row of the log view: a record's values and its index in the log file, the key for deleting
// it. Its texts are numbers in the text pool of the rows it belongs to (CProtokollRows), so a row
// costs tens of bytes however long its names are.
struct ProtokollZeile {
    CDateTime start;
    CTimeSpan duration;
    CMoney costs;
    int32_t units = 0;
    int32_t recordIndex = 0;
    uint32_t connectionName = 0;
    uint32_t deviceName = 0;
    uint32_t userName = 0;
    uint32_t tariffName = 0;
};
