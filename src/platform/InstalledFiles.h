#pragma once

#include <string>
#include <vector>

// The files that come with the program (the resource library, the user guide, the example
// tariff): beside the program in a build, in <prefix>/share/fernzahl when installed. The prefix is
// taken from where the program runs, so an installation into any prefix finds its own files.
class CInstalledFiles {
public:
    // The folders searched, in order.
    static std::vector<std::string> Directories();
    // The full path of the first such file, empty when none exists.
    static std::string Find(const std::string& relativePath);
    // The running program's own file, as its bytes; empty when it cannot be told.
    static std::string ProgramFile();
};
