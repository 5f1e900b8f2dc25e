#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

// One usage text per command: "fernzahl-cli COMMAND --help" prints it, a wrong call of the command
// repeats it on stderr, and "fernzahl-cli --help" lists them all.

// The whole help: every command, the shared options and the exit codes.
std::string ProgramUsage();
// The usage of one command ("log", "settings", ...); empty for an unknown command.
std::string_view CommandUsage(std::string_view command);
// Tells why a call of the command is wrong, then its usage; returns the exit code of wrong use.
int WrongUse(std::ostream& err, std::string_view command, const std::string& reason);
