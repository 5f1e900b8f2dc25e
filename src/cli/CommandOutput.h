#pragma once

#include "core/Money.h"

struct CliContext;

#include <cstdint>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

// How the commands write what they show.

// Amounts for machines: "." and at least two decimals.
std::string PlainAmount(const CMoney& amount);
// A count with its English noun in the count's form: "1 connection", "2 connections".
std::string Counted(int64_t count, const std::string& noun);
// A text as one RFC 4180 field, quoted.
std::string CsvField(const std::string& text);
// False when not every byte was written.
bool Write(std::FILE* out, const std::string& text);
// Rows of cells in aligned columns, two spaces apart; the columns named are aligned to the right.
void PrintTable(std::FILE* out, const std::vector<std::vector<std::string>>& rows, const std::set<size_t>& right);
// What a command writes for its --output: a file replaced whole (so a failure leaves the last one
// as it was), or standard output without a file or for "-". Says why it failed; the exit code.
int WriteOutput(const CliContext& context, const std::string& output, const std::function<bool(std::FILE*)>& write);
