#include "tariffs/RabattZaehler.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"

CRabattZaehler::CRabattZaehler(std::string programDirectory) : m_file(std::move(programDirectory)) {
    Load();
}

bool CRabattZaehler::Load() {
    // A file that exists but cannot be opened holds a count nobody may replace with 0.
    m_loaded = m_file.OpenRecordFile();
    const bool found = m_loaded && m_file.FindFirst(0, CZaehlerFile::kDiscount);
    m_file.Close();
    if (found) {
        m_count = static_cast<uint32_t>(m_file.units);
    } else if (m_loaded) {
        m_count = 0;
        Save();
    }
    m_modified = false;
    return m_loaded;
}

bool CRabattZaehler::Save() {
    if (!m_file.OpenRecordFile()) {
        return false;
    }
    if (!m_file.FindFirst(0, CZaehlerFile::kDiscount)) {
        m_file.AppendRecord();
        // A new record holds nothing but the count; the buffer may still hold another counter's values.
        m_file.resetDate = CDateTime();
        m_file.costs = CMoney();
        m_file.duration = CTimeSpan();
        m_file.connections = 0;
    }
    m_file.units = static_cast<int32_t>(m_count);
    m_file.recordNumber = CZaehlerFile::kDiscount;
    const bool written = m_file.WriteRecord();
    m_file.Close();
    m_modified = m_modified && !written; // a count not written is tried again by the next save
    return written;
}

bool CRabattZaehler::Increment() {
    if (!m_loaded && !Load()) {
        return false;
    }
    ++m_count;
    return Save();
}

void CRabattZaehler::SetCount(uint32_t count) {
    m_count = count;
    m_modified = true;
}

std::string CRabattZaehler::FormatCount(const CStringTable& strings) const {
    return strings.FormatCount(Str::kDiscountUnits, m_count, {std::to_string(m_count)});
}
