#include "support/LogBuilder.h"

#include "log/ProtokollFile.h"

#include <stdexcept>

void AppendToLog(const std::string& dataDirectory, const LogEntry& entry, bool deleted) {
    CProtokollFile log(dataDirectory);
    if (!log.OpenRecordFile() || !log.AppendEntry()) {
        throw std::runtime_error("cannot append to the test log");
    }
    log.Entry() = entry;
    if (!(deleted ? log.DeleteRecord() : log.WriteRecord())) {
        throw std::runtime_error("cannot write the test log");
    }
}

std::vector<LogEntry> ReadLog(const std::string& dataDirectory) {
    std::vector<LogEntry> entries;
    CProtokollFile log(dataDirectory);
    log.OpenRecordFile();
    for (bool more = log.FirstValid(); more; more = log.NextValid()) {
        entries.push_back(log.Entry());
    }
    return entries;
}

LogEntry SampleEntry(const CDateTime& start, int64_t seconds, int64_t costs, const std::string& name, int32_t units) {
    LogEntry e;
    e.start = start;
    e.duration = CTimeSpan::FromSeconds(seconds);
    e.costs = CMoney(costs);
    e.units = units;
    e.connectionName = name;
    e.userName = "anna";
    e.deviceName = "ppp0";
    e.tariffName = "Mobil";
    return e;
}
