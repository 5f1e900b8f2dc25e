#pragma once

#include "metering/CheckpointStore.h"

#include <string>

// The checkpoint of the running connection as "Fernzahl.run" in the data directory.
class CCheckpointFile : public CheckpointStore {
public:
    explicit CCheckpointFile(const std::string& dataDirectory);

    bool Write(const std::string& text) override;
    std::optional<std::string> Read() override;
    bool Remove() override;
    std::string SetAside() override;
    std::string KeepUnlogged() override;
    std::vector<std::string> ListUnlogged() override;
    std::optional<std::string> ReadUnlogged(const std::string& name) override;
    bool RemoveUnlogged(const std::string& name) override;
    const std::string& GetPath() const { return m_path; }
    std::string GetName() const override { return m_path; }

private:
    static constexpr const char* kUnloggedSuffix = ".unlogged";
    static std::optional<std::string> ReadFrom(const std::string& path);
    static bool RemoveFile(const std::string& path);

    std::string m_path;
};
