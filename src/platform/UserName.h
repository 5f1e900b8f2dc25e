#pragma once

#include <string>

// The login name of the effective user; empty when the system cannot name one.
std::string GetLoginName();
