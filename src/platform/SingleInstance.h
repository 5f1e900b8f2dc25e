#pragma once

#include "platform/PosixFile.h"

#include <string>

// Makes sure that one installation (one data directory) runs only once. The lock is an flock on a
// file in the user's runtime directory, so it goes with the process however that ends, and nothing
// is written into the data directory.
class CSingleInstance {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    // Unavailable when no lock file can be made; the caller then runs without the guarantee.
    Result Acquire(const std::string& dataDirectory);
    // The lock file that belongs to a data directory.
    static std::string LockFilePath(const std::string& dataDirectory);

private:
    CFileDescriptor m_lock;
};
