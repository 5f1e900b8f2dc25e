#pragma once

#include "log/LogEntry.h"

#include <string>
#include <vector>

// Test logs: appends one record to the log of a data directory, or a deleted slot.
void AppendToLog(const std::string& dataDirectory, const LogEntry& entry, bool deleted = false);
// Every valid record of the log, in log order.
std::vector<LogEntry> ReadLog(const std::string& dataDirectory);
// A connection with the usual names: user anna, device ppp0, tariff Mobil.
LogEntry SampleEntry(const CDateTime& start, int64_t seconds, int64_t costs, const std::string& name,
                     int32_t units = 3);
