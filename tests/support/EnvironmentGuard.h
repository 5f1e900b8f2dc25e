#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Changes an environment variable for as long as it lives and puts back what was there before, also
// when a test ends early. Nothing as a value removes the variable.
class CEnvironmentGuard {
public:
    // Only keeps the value, for a test that sets the variable through Set.
    explicit CEnvironmentGuard(const char* name) : m_name(name) {
        if (const char* value = std::getenv(name)) {
            m_previous = value;
        }
    }
    CEnvironmentGuard(const char* name, const std::optional<std::string>& value) : CEnvironmentGuard(name) {
        Set(value);
    }
    ~CEnvironmentGuard() { Set(m_previous); }
    CEnvironmentGuard(const CEnvironmentGuard&) = delete;
    CEnvironmentGuard& operator=(const CEnvironmentGuard&) = delete;

    void Set(const std::optional<std::string>& value) const {
        if (value) {
            setenv(m_name, value->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    void Restore() const { Set(m_previous); }

private:
    const char* m_name;
    std::optional<std::string> m_previous;
};
