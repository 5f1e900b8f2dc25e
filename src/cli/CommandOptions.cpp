#include "cli/CommandOptions.h"

bool CCommandOptions::Parse(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                            const std::set<std::string>& flags) {
    for (size_t i = 0; i < words.size(); ++i) {
        // "--name=value" is "--name value".
        const size_t equals = words[i].starts_with("--") ? words[i].find('=') : std::string::npos;
        const std::string word = words[i].substr(0, equals);
        const bool takesValue = valueOptions.contains(word);
        if (!takesValue && !flags.contains(word)) {
            m_error = "unknown word '" + words[i] + "'";
            return false;
        }
        if (m_values.contains(word)) {
            m_error = word + " is given twice";
            return false;
        }
        if (!takesValue && equals != std::string::npos) {
            m_error = word + " takes no value";
            return false;
        }
        if (takesValue && equals == std::string::npos && i + 1 == words.size()) {
            m_error = word + " needs a value";
            return false;
        }
        m_values[word] = !takesValue                   ? std::string()
                         : equals != std::string::npos ? words[i].substr(equals + 1)
                                                       : words[++i];
    }
    return true;
}

std::optional<std::string> CCommandOptions::Get(const std::string& name) const {
    const auto it = m_values.find(name);
    return it == m_values.end() ? std::nullopt : std::optional(it->second);
}
