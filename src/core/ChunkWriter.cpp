#include "core/ChunkWriter.h"

void CChunkWriter::Append(const std::string& text) {
    m_filling += text;
    if (m_filling.size() >= kChunkSize) {
        HandOver();
    }
}

void CChunkWriter::HandOver() {
    if (m_pending.valid()) {
        m_ok = m_pending.get() && m_ok;
    }
    m_writing.swap(m_filling);
    m_filling.clear();
    m_pending = std::async(std::launch::async, [this] {
        return m_ok && std::fwrite(m_writing.data(), 1, m_writing.size(), m_out) == m_writing.size();
    });
}

bool CChunkWriter::Finish() {
    if (!m_filling.empty()) {
        HandOver();
    }
    if (m_pending.valid()) {
        m_ok = m_pending.get() && m_ok;
    }
    return m_ok;
}
