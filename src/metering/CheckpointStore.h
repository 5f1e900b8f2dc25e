#pragma once

#include <optional>
#include <string>

// Where the checkpoint of the running connection is kept (on Linux: a file in the data directory).
class CheckpointStore {
public:
    virtual ~CheckpointStore() = default;
    // Replaces the checkpoint as a whole and durably: after a crash or a power cut it is either the
    // old one or the new one. False when it could not be written.
    virtual bool Write(const std::string& text) = 0;
    // The checkpoint's text; nothing when there is none. One that cannot be read reads as empty.
    virtual std::optional<std::string> Read() = 0;
    virtual bool Remove() = 0;
    // Moves a checkpoint that cannot be used out of the way, never over another file; the name it is
    // kept under, empty when it could not be moved.
    virtual std::string SetAside() = 0;
};
