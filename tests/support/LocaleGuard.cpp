#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <clocale>

CLocaleGuard::CLocaleGuard(const char* name)
    : m_previous(std::setlocale(LC_ALL, nullptr)), m_active(std::setlocale(LC_ALL, name) != nullptr) {
    if (!m_active) {
        ADD_FAILURE() << "the locale " << name << " is missing (scripts/setup.sh generates it)";
    }
}

CLocaleGuard::~CLocaleGuard() {
    std::setlocale(LC_ALL, m_previous.c_str());
}
