// Build tool: turns a tariff described as text into a tariff file, written by the program's own
// tariff file code. A fault in the text stops the build with the file and line ("FILE:LINE: what").
#include "tariffs/TariffDescription.h"

#include <cstdio>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_tariff DESCRIPTION.txt OUTPUT.tff\n");
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    std::ostringstream text;
    if (!(text << input.rdbuf())) {
        std::fprintf(stderr, "make_tariff: cannot read %s\n", argv[1]);
        return 1;
    }
    CTariffDescription::Error error;
    const std::optional<CTariffDescription> description = CTariffDescription::Parse(text.str(), error);
    if (!description) {
        std::fprintf(stderr, "%s:%zu: %s\n", argv[1], error.line, error.message.c_str());
        return 1;
    }
    if (!description->WriteTariffFile(argv[2])) {
        std::fprintf(stderr, "make_tariff: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
