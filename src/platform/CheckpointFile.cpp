#include "platform/CheckpointFile.h"

#include "metering/Checkpoint.h"
#include "platform/PosixFile.h"

#include <cerrno>
#include <unistd.h>

CCheckpointFile::CCheckpointFile(const std::string& dataDirectory)
    : m_path(dataDirectory + (dataDirectory.empty() || dataDirectory.back() == '/' ? "" : "/") +
             CCheckpoint::kFileName) {}

bool CCheckpointFile::Write(const std::string& text) {
    return ReplaceFileAtomically(m_path, text);
}

std::optional<std::string> CCheckpointFile::Read() {
    std::string text;
    if (ReadWholeFile(m_path, text)) {
        return text;
    }
    // One that is there but cannot be read is no checkpoint either, and is set aside.
    return access(m_path.c_str(), F_OK) == 0 ? std::optional(std::string()) : std::nullopt;
}

bool CCheckpointFile::Remove() {
    return unlink(m_path.c_str()) == 0 || errno == ENOENT;
}

std::string CCheckpointFile::SetAside() {
    return MoveAside(m_path);
}
