#include "cli/CliArguments.h"

CCliArguments CCliArguments::Parse(int argc, char** argv) {
    CCliArguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            args.m_help = true;
        } else if (word == "--version") {
            args.m_version = true;
        } else if (word == "--data-dir") {
            if (i + 1 == argc) {
                args.m_error = "--data-dir needs a directory";
                return args;
            }
            args.m_dataDirectory = argv[++i];
        } else if (word.starts_with("--data-dir=")) {
            args.m_dataDirectory = word.substr(11);
        } else {
            args.m_words.push_back(word);
        }
    }
    return args;
}
