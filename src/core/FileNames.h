#pragma once

#include <optional>
#include <string>
#include <vector>

// File names of the data directory are matched without regard to ASCII letter case, so that
// "Mobil.TFF" and "mobil.tff" name the same tariff.

bool EqualsNoCase(const std::string& a, const std::string& b);
// The path of the file in the directory whose name matches, or nothing.
std::optional<std::string> FindFileNoCase(const std::string& directory, const std::string& name);
// The regular files in the directory whose names end in the extension (".tff"), sorted by name.
std::vector<std::string> ListFilesWithExtension(const std::string& directory, const std::string& extension);
