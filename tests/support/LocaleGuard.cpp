#include "support/LocaleGuard.h"

#include <clocale>

CLocaleGuard::CLocaleGuard(const char* name)
    : m_previous(std::setlocale(LC_ALL, nullptr)), m_active(std::setlocale(LC_ALL, name) != nullptr) {}

CLocaleGuard::~CLocaleGuard() {
    std::setlocale(LC_ALL, m_previous.c_str());
}
