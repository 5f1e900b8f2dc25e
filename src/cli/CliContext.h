#pragma once

#include <cstdio>
#include <functional>
#include <iosfwd>
#include <string>

class CStringTable;
class SettingsStore;

// What every command of fernzahl-cli works with.
struct CliContext {
    SettingsStore& settings;
    std::string dataDirectory; // ends in '/'
    std::FILE* out;            // the commands write their results here
    std::ostream& err;
    // The resource library's texts, loaded on first use; nullptr when the library is missing.
    std::function<const CStringTable*()> strings;
};
