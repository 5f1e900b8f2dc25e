#pragma once

#include <string>

// Switches the C library's locale for one test and restores the previous one afterwards.
// Locale() tells whether the switch worked, so a test can fail clearly when the locale is missing.
class CLocaleGuard {
public:
    explicit CLocaleGuard(const char* name);
    ~CLocaleGuard();
    CLocaleGuard(const CLocaleGuard&) = delete;
    CLocaleGuard& operator=(const CLocaleGuard&) = delete;

    bool IsActive() const { return m_active; }

private:
    std::string m_previous;
    bool m_active;
};
