#pragma once

#include "core/DateTime.h"
#include "core/Money.h"
#include "core/TimeSpan.h"

#include <cstdint>
#include <string>

// The values of one logged connection. Texts are UTF-8 here; the file keeps them as Windows-1252.
struct LogEntry {
    CDateTime start;
    CTimeSpan duration;
    CMoney costs;
    std::string connectionName;
    std::string deviceName;
    std::string userName;
    std::string tariffName;
    int32_t units = 0;
};
