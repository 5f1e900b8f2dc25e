#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads a golden file of tests/data in the .hex form (see tests/data/README.md).
std::vector<uint8_t> LoadHexBytes(const std::string& name);
std::string DataPath(const std::string& name);
