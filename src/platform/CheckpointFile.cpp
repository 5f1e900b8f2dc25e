#include "platform/CheckpointFile.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"
#include "metering/Checkpoint.h"

#include <unistd.h>

CCheckpointFile::CCheckpointFile(const std::string& dataDirectory)
    : m_path(dataDirectory + (dataDirectory.empty() || dataDirectory.back() == '/' ? "" : "/") +
             CCheckpoint::kFileName) {}

bool CCheckpointFile::Write(const std::string& text) {
    return CFileLayer::Replace(m_path, text);
}

std::optional<std::string> CCheckpointFile::Read() {
    return ReadFrom(m_path);
}

bool CCheckpointFile::Remove() {
    return RemoveFile(m_path);
}

std::optional<std::string> CCheckpointFile::ReadFrom(const std::string& path) {
    std::string text;
    if (ReadWholeFile(path, text)) {
        return text;
    }
    // One that is there but cannot be read is no checkpoint either, and is set aside.
    return access(path.c_str(), F_OK) == 0 ? std::optional(std::string()) : std::nullopt;
}

bool CCheckpointFile::RemoveFile(const std::string& path) {
    return CFileLayer::Remove(path) && CFileLayer::FlushDirectoryOf(path);
}

std::string CCheckpointFile::SetAside() {
    return CFileLayer::MoveAside(m_path);
}

std::string CCheckpointFile::KeepUnlogged() {
    return CFileLayer::MoveAside(m_path, kUnloggedSuffix);
}

std::vector<std::string> CCheckpointFile::ListUnlogged() {
    // Kept as "Fernzahl.run.unlogged", "...unlogged-2", ...: in the order they were kept.
    std::vector<std::string> names;
    for (int n = 1; n < 100; ++n) {
        const std::string name = m_path + kUnloggedSuffix + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (access(name.c_str(), F_OK) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

std::optional<std::string> CCheckpointFile::ReadUnlogged(const std::string& name) {
    return ReadFrom(name);
}

bool CCheckpointFile::RemoveUnlogged(const std::string& name) {
    return RemoveFile(name);
}
