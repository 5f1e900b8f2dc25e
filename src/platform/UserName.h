#pragma once

#include <string>

// The login name of the effective user; empty when the system cannot name one.
std::string GetLoginName();
// The home folder the password database gives the effective user; empty when it gives none.
std::string GetHomeFromPasswordDatabase();
