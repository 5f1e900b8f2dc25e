#include "core/ChunkWriter.h"

void CChunkWriter::Append(const std::string& text) {
    // Reserved once the text is long, so that a short one costs no megabyte.
    if (m_filling.capacity() < kChunkSize && m_filling.size() + text.size() > kChunkSize / 16) {
        m_filling.reserve(kChunkSize + 4096);
    }
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
    m_pending = std::async(std::launch::async, [this] { return m_ok && WriteOut(m_writing); });
}

bool CChunkWriter::WriteOut(const std::string& text) const {
    return std::fwrite(text.data(), 1, text.size(), m_out) == text.size();
}

bool CChunkWriter::Finish() {
    if (m_pending.valid()) {
        m_ok = m_pending.get() && m_ok;
    }
    // The last part is written here: a short text needs no thread at all.
    if (!m_filling.empty()) {
        m_ok = m_ok && WriteOut(m_filling);
        m_filling.clear();
    }
    return m_ok;
}
