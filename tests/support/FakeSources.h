#pragma once

#include "detection/DialUpSource.h"
#include "detection/ModemLine.h"
#include "detection/Phonebook.h"

#include <optional>
#include <string>
#include <vector>

// Connection sources a test switches by hand: a modem line's carrier, the dial-up links up now.
class CFakeModemLine : public ModemLine {
public:
    Reading Read(const std::string&) override { return {carrier ? Status::kCarrier : Status::kNoCarrier, {}}; }
    std::vector<SerialDevice> ListDevices() override { return devices; }
    bool carrier = false;
    std::vector<SerialDevice> devices;
};

class CFakeDialUp : public DialUpSource, public Phonebook {
public:
    bool IsAvailable() override { return available; }
    std::optional<std::vector<DialUpLink>> ActiveLinks() override { return links; }
    std::vector<std::string> ListEntries() override { return entries; }
    bool available = true;
    std::vector<DialUpLink> links;
    std::vector<std::string> entries;
};
