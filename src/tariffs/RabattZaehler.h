#pragma once

#include "metering/ZaehlerFile.h"

#include <cstdint>
#include <string>

class CStringTable;

// The number of units charged at the discount price in the present counting period, kept as
// record 4 of the counter file.
class CRabattZaehler {
public:
    // Loads the count; a missing record is created with 0.
    explicit CRabattZaehler(std::string programDirectory);

    void Load();
    bool Save();
    // One more discounted unit, saved at once.
    bool Increment();
    // Sets the count; whoever sets it saves it later.
    void SetCount(uint32_t count);
    uint32_t GetCount() const { return m_count; }
    bool IsModified() const { return m_modified; }
    std::string FormatCount(const CStringTable& strings) const;

private:
    bool m_modified = false;
    uint32_t m_count = 0;
    CZaehlerFile m_file;
};
