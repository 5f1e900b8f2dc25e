#pragma once

#include "core/FileDescriptor.h"

#include <fcntl.h>
#include <string>
#include <sys/types.h>

// Reads a whole file; false (and empty text) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text);
