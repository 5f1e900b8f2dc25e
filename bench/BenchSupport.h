#pragma once

#include "core/StringTable.h"

#include <string>

// A directory below $TMPDIR/fernzahl-bench for one benchmark's files, created when missing;
// fresh empties it first.
std::string BenchDirectory(const std::string& name, bool fresh);
// The data directory of a log of 1,000,000 connections (794 MB, every 97th slot deleted):
// connections every few minutes over about five years, with names as real logs have them. Made
// once in $TMPDIR, then read once so that every benchmark finds it in the page cache.
const std::string& MillionRecordLog();
// The texts of the built resource library.
const CStringTable& BenchStrings();
