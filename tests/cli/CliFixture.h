#pragma once

#include "cli/CliContext.h"
#include "core/StringTable.h"
#include "platform/IniSettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// Runs fernzahl-cli commands in-process on an installation in a temporary folder.
struct CliFixture : ::testing::Test {
    CTempDir dir;
    CIniSettingsStore store{dir.File("fernzahl.ini"), dir.Path()};
    CStringTable strings = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    const CStringTable* windowStrings = nullptr; // the window's language; English unless a test sets it
    std::ostringstream err;
    std::string out;

    template <typename Command> int Run(Command command, const std::vector<std::string>& words) {
        char* buffer = nullptr;
        size_t length = 0;
        std::FILE* stream = open_memstream(&buffer, &length);
        err.str("");
        const CliContext context{store,
                                 dir.Path(),
                                 stream,
                                 err,
                                 [this] { return &strings; },
                                 [this] { return windowStrings ? windowStrings : &strings; }};
        const int code = command(words, context);
        std::fclose(stream);
        out.assign(buffer, length);
        std::free(buffer);
        return code;
    }

    // The first field of each line of a CSV text after its heading: the order of its rows.
    static std::vector<std::string> FirstFields(const std::string& csv) {
        std::vector<std::string> fields;
        for (size_t line = csv.find('\n'); line != std::string::npos && line + 1 < csv.size();
             line = csv.find('\n', line + 1)) {
            fields.push_back(csv.substr(line + 1, csv.find(',', line) - line - 1));
        }
        return fields;
    }
};
