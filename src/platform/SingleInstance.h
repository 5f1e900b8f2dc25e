#pragma once

#include "core/FileDescriptor.h"

#include <optional>
#include <string>

// Makes sure that one installation (one data directory, by whatever name) runs only once. The lock
// is an flock, so it goes with the process however that ends: on a file in the user's runtime
// directory, and on "fernzahl.lock" in the data directory itself once that exists, which every
// caller finds whatever runtime directory it has; so two meters never write the same files.
class CSingleInstance {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };
    // What the holder does with the folder, written beside its process number for a second start.
    enum class Purpose { Window, Meter, Simulation };

    // Makes the data directory. Unavailable when neither lock file can be made; the caller then runs
    // without the guarantee. A lock file that exists but cannot be taken counts as held.
    Result Acquire(const std::string& dataDirectory, Purpose purpose = Purpose::Window);
    // The lock file in the runtime directory that belongs to a data directory.
    static std::string LockFilePath(const std::string& dataDirectory);
    // A key of the data directory, the same for every name of it (16 hexadecimal digits).
    static std::string FolderKey(const std::string& dataDirectory);
    // After HeldByAnother: the process that holds the lock (as the kernel names it, whatever the
    // file says), its program, and what it is to a second start; nothing when none can be found.
    struct Holder {
        enum class Kind {
            ThisProgram,     // this very program file: it can be asked to show itself
            OtherCopy,       // the desktop program from another file
            ReplacedProgram, // the desktop program whose file was replaced since it started (an update)
            HeadlessMeter,   // fernzahl-cli run
            Simulation,      // fernzahl-cli meter, adding a simulated connection
            OtherProgram,    // anything else that holds a lock file
        };
        int pid;
        std::string program; // the program file, else the process's name
        Kind kind;
    };
    std::optional<Holder> FindHolder() const;
    // The lock file that another instance holds, after HeldByAnother.
    const std::string& HeldPath() const { return m_heldPath; }
    // What a holder is, from its program file as /proc shows it, the purpose its lock file names
    // (when it wrote that file) and the file of this program.
    static Holder::Kind Classify(const std::string& program, const std::string& purpose, const std::string& ownProgram);
    // The holder for a message: "PROGRAM (process PID)", or "another program" when none is named.
    std::string DescribeHolder() const;
    // Whether the process holds the lock of the data directory (either lock file), as the kernel
    // says: the one test of being that folder's meter that no other program can pass.
    static bool HoldsFolder(const std::string& dataDirectory, int pid);
    // The process that holds the lock of the data directory, as the kernel says: a meter found
    // without the bus. Nothing when none holds it.
    static std::optional<int> FolderHolder(const std::string& dataDirectory);
    // Any process for a message: "PROGRAM (process PID)".
    static std::string DescribeProcess(int pid);
    static constexpr const char* kFallbackName = "fernzahl.lock";
    // After HeldByAnother: asks the instance that holds the lock to show itself (SIGUSR1), when it
    // is this same program; false when there was none to ask.
    bool AskHolderToShow() const;

private:
    Result Lock(const std::string& path, Purpose purpose, CFileDescriptor& lock);

    CFileDescriptor m_lock;
    CFileDescriptor m_folderLock;
    std::string m_heldPath; // the lock file that another instance holds
};
