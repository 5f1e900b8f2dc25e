#pragma once

#include <string>
#include <vector>

// The options every command shares, and the words of the command itself.
class CCliArguments {
public:
    // Takes --data-dir DIR (or --data-dir=DIR), --help and --version wherever they stand before
    // the command's own words; an unknown option is an error.
    static CCliArguments Parse(int argc, char** argv);

    bool WantsHelp() const { return m_help; }
    bool WantsVersion() const { return m_version; }
    const std::string& GetError() const { return m_error; }
    const std::string& GetDataDirectory() const { return m_dataDirectory; }
    const std::vector<std::string>& GetWords() const { return m_words; }

private:
    bool m_help = false;
    bool m_version = false;
    std::string m_error;
    std::string m_dataDirectory;
    std::vector<std::string> m_words;
};
