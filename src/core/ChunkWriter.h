#pragma once

#include <cstdio>
#include <future>
#include <string>

// Writes a long text to a stream in chunks, each on a helper thread while the caller fills the
// next one, so that producing the text and writing it overlap.
class CChunkWriter {
public:
    static constexpr size_t kChunkSize = 1 << 20;

    explicit CChunkWriter(std::FILE* out) : m_out(out) {}
    ~CChunkWriter() { Finish(); }
    CChunkWriter(const CChunkWriter&) = delete;
    CChunkWriter& operator=(const CChunkWriter&) = delete;

    void Append(const std::string& text);
    // Writes what is left and waits for it; false when any part could not be written.
    bool Finish();

private:
    void HandOver();
    bool WriteOut(const std::string& text) const;

    std::FILE* m_out;
    std::string m_filling;
    std::string m_writing;
    std::future<bool> m_pending;
    bool m_ok = true;
};
