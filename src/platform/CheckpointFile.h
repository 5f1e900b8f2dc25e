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
    const std::string& GetPath() const { return m_path; }

private:
    std::string m_path;
};
