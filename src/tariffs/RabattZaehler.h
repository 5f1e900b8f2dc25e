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

    // False when the counter file cannot be opened: the count then stays as it was, unknown to
    // Increment, so that no save can overwrite the stored count.
    bool Load();
    bool Save();
    // One more discounted unit, saved at once; false (and nothing written) while the stored count
    // cannot be read.
    bool Increment();
    // Sets the count; whoever sets it saves it later.
    void SetCount(uint32_t count);
    uint32_t GetCount() const { return m_count; }
    bool IsModified() const { return m_modified; }
    std::string FormatCount(const CStringTable& strings) const;

private:
    bool m_modified = false;
    bool m_loaded = false;
    uint32_t m_count = 0;
    CZaehlerFile m_file;
};
