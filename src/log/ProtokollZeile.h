#pragma once

#include "log/LogEntry.h"

// One row of the log view: a record's values and its index in the log file, the key for deleting it.
struct ProtokollZeile : LogEntry {
    int32_t recordIndex = 0;
};
