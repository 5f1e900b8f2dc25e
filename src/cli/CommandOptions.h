#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The "--name value" (or "--name=value") options and "--flag" switches of one command.
class CCommandOptions {
public:
    // Takes the words after the command; false (with the reason in GetError) for an unknown word,
    // a missing value or a repeated option.
    bool Parse(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flags);

    std::optional<std::string> Get(const std::string& name) const;
    bool Has(const std::string& name) const { return m_values.contains(name); }
    const std::string& GetError() const { return m_error; }

private:
    std::map<std::string, std::string> m_values;
    std::string m_error;
};
