#pragma once

#include "platform/PosixFile.h"

#include <optional>
#include <string>

// Makes sure that one installation (one data directory, by whatever name) runs only once. The lock
// is an flock, so it goes with the process however that ends: on a file in the user's runtime
// directory, and on "fernzahl.lock" in the data directory itself once that exists, which every
// caller finds whatever runtime directory it has; so two meters never write the same files.
class CSingleInstance {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    // Makes the data directory. Unavailable when neither lock file can be made; the caller then runs
    // without the guarantee.
    Result Acquire(const std::string& dataDirectory);
    // The lock file in the runtime directory that belongs to a data directory.
    static std::string LockFilePath(const std::string& dataDirectory);
    // A key of the data directory, the same for every name of it (16 hexadecimal digits).
    static std::string FolderKey(const std::string& dataDirectory);
    // After HeldByAnother: the process that holds the folder, and its program; nothing when the
    // lock file names none that runs.
    struct Holder {
        int pid;
        std::string program;
    };
    std::optional<Holder> FindHolder() const;
    // The holder for a message: "PROGRAM (process PID)", or "another program" when none is named.
    std::string DescribeHolder() const;
    static constexpr const char* kFallbackName = "fernzahl.lock";
    // After HeldByAnother: asks the instance that holds the lock to show itself (SIGUSR1), when it
    // is this same program; false when there was none to ask.
    bool AskHolderToShow() const;

private:
    Result Lock(const std::string& path, CFileDescriptor& lock);

    CFileDescriptor m_lock;
    CFileDescriptor m_folderLock;
    std::string m_heldPath; // the lock file that another instance holds
};
