#pragma once

#include <optional>
#include <string>
#include <vector>

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
    // Where it is kept, for the user.
    virtual std::string GetName() const = 0;
    // Moves a checkpoint that cannot be used out of the way, never over another file; the name it is
    // kept under, empty when it could not be moved.
    virtual std::string SetAside() = 0;

    // Keeps the checkpoint of a connection that could not be logged under a name of its own, never
    // over another file, so that the next connection's checkpoint does not replace it: the name, empty
    // when it could not be moved. The next start logs it.
    virtual std::string KeepUnlogged() = 0;
    // The names of the checkpoints kept so, oldest first; each is read and removed by its name.
    virtual std::vector<std::string> ListUnlogged() = 0;
    virtual std::optional<std::string> ReadUnlogged(const std::string& name) = 0;
    virtual bool RemoveUnlogged(const std::string& name) = 0;
};
