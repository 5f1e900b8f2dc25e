#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Puts the fuzzer's bytes into a file of the given name in a private directory and returns that
// directory (ending in '/'), so the record-file classes read them as they read a real file.
std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size);
