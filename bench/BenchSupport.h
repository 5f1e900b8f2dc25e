#pragma once

#include "core/StringTable.h"

#include <string>

// A directory below $TMPDIR/fernzahl-bench for one benchmark's files, created when missing;
// fresh empties it first.
std::string BenchDirectory(const std::string& name, bool fresh);
// The texts of the built resource library.
const CStringTable& BenchStrings();
