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
    // English: what the terminal is told stays the same under every language.
    std::function<const CStringTable*()> strings;
    // The same in the language the window would use, for what people read elsewhere: the names
    // stored in records, printouts, the text export.
    std::function<const CStringTable*()> windowStrings;
};
