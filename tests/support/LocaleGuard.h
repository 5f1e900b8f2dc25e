#pragma once

#include <string>

// Switches the C library's locale for one test and restores the previous one afterwards. A locale
// that is missing fails the test that asked for it, which would otherwise run in another.
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
