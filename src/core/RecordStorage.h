#pragma once

#include <cstddef>
#include <cstdint>

// The bytes of one open record file: a file on disk, or one in a memory directory.
class RecordStorage {
public:
    virtual ~RecordStorage() = default;
    virtual bool IsWritable() const = 0;
    virtual uint64_t Length() = 0;
    // Up to size bytes from the offset; the number read.
    virtual size_t ReadAt(uint64_t offset, uint8_t* data, size_t size) = 0;
    // All the bytes at the offset, handed on to the system; false when they were not.
    virtual bool WriteAt(uint64_t offset, const uint8_t* data, size_t size) = 0;
    // What was written, flushed to the disk; false when it could not be.
    virtual bool Flush() = 0;
};
