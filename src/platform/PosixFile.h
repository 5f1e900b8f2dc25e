#pragma once

#include "core/FileDescriptor.h"

#include <fcntl.h>
#include <string>
#include <sys/types.h>

// Reads a whole file; false (and empty text) when it cannot be read or is no regular file (a
// FIFO or device in its place is never waited on).
bool ReadWholeFile(const std::string& path, std::string& text);
