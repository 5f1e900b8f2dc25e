#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The one path by which the program changes its files: every write, flush, rename and removal goes
// through here with its result checked. Each returns false (errno set) when the operation failed.
//
// A test can make the Nth of these operations fail (counted from 1 in this process), in process
// through FailOperation or for a whole program with FERNZAHL_FAIL_AT=N or N:EIO (ENOSPC unless
// said otherwise), to walk each place that writes through a full disk or a failing device.
class CFileLayer {
public:
    static bool WriteAll(int fd, const void* data, size_t size);
    static bool WriteAt(int fd, uint64_t offset, const void* data, size_t size);
    // Flushes the file's data to the disk (fdatasync).
    static bool Flush(int fd);
    // The same for a file by its name; a file that does not exist fails.
    static bool FlushFile(const std::string& path);
    // Makes a new name, a rename or a removal in the directory of path survive a power cut.
    static bool FlushDirectoryOf(const std::string& path);
    static bool Rename(const std::string& from, const std::string& to);
    // A new name for a file that never replaces another file.
    static bool Link(const std::string& from, const std::string& to);
    // Renames a file, never over another file (EEXIST then): renameat2 with RENAME_NOREPLACE, and
    // where the file system lacks that, a name taken exclusively and renamed over.
    static bool RenameNoReplace(const std::string& from, const std::string& to);
    // A file that is already gone counts as removed.
    static bool Remove(const std::string& path);

    // A whole-file rewrite: write fills a temporary file beside the path, which is flushed and
    // renamed over it, so the path names the old or the new file, whatever happens meanwhile, even a
    // power cut. The file keeps its mode; a new one gets the user's umask; neither is ever writable
    // by others. Nothing is replaced when write answers false.
    static bool Replace(const std::string& path, const std::function<bool(int fd)>& write);
    static bool Replace(const std::string& path, std::string_view text);
    // The same for a text written to a stream, for exports chosen by the user: a symbolic link's
    // target is replaced, and a device or pipe named as the file (/dev/stdout) is written to.
    static bool ReplaceThroughStream(const std::string& path, const std::function<bool(std::FILE*)>& write);
    // The same for a file that another library writes by its name (a PDF): write makes the file
    // named; a device or pipe named as the file is handed to it as it is.
    static bool ReplaceByName(const std::string& path, const std::function<bool(const std::string& file)>& write);
    // The same for a file that must not exist yet: the text is linked in under the path only when
    // no file of that name exists, so the path names nothing, another file, or the whole text. On a
    // file system without hard links (FAT, exFAT, SMB) it is renamed in, never over another file.
    static bool Create(const std::string& path, std::string_view text);
    // Renames a file (or a folder in a file's place) to path + suffix (then suffix + "-2", ...), never
    // over another file: the new name, empty when it could not be moved.
    static std::string MoveAside(const std::string& path, const std::string& suffix = ".damaged");

    // The seam: the nth operation from now fails with the error (0: none fails).
    static void FailOperation(unsigned n, int error = ENOSPC);
    // The operations counted since the start or the last FailOperation.
    static unsigned CountOperations();
    // The seam's file system without hard links (FAT, exFAT, SMB): every link fails with EPERM.
    static void WithoutHardLinks(bool without);
    // The seam's folder that was made read-only while its files stayed writable: a file is written
    // in place, but no name comes or goes (a new file, a rename, a link, a removal fail with
    // EACCES). In a whole program: FERNZAHL_FROZEN_FOLDER=1. Root, for whom no folder is
    // read-only, meets it this way too.
    static void FrozenFolder(bool frozen);
    // Whether a new file may be made (false only in the frozen folder, errno then EACCES).
    static bool MayCreateFiles();

    // One operation as the seam saw it, so that a test can pin the order of the writes.
    struct Operation {
        enum class Kind { Write, Flush, FlushDirectory, Rename, Link, Remove };
        Kind kind;
        std::string path; // a rename's or link's new name; a descriptor's file as /proc names it
    };
    // Notes every operation from now on, until TakeRecordedOperations hands them over.
    static void RecordOperations();
    static std::vector<Operation> TakeRecordedOperations();
};
