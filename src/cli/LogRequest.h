#pragma once

#include "cli/CliContext.h"
#include "cli/CommandOptions.h"
#include "cli/LogSelection.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

class CStringTable;

// The options of a command that shows rows of the log: the selection's and the command's own,
// with --format text, csv or json.
struct LogRequest {
    CCommandOptions options;
    CLogSelection selection;
    std::string format;
};

// Reads the words after the command's first; on wrong use tells why with the command's usage.
std::optional<LogRequest> ParseLogRequest(std::string_view command, const std::vector<std::string>& words,
                                          const CliContext& context, const CStringTable& strings, bool ordered,
                                          std::set<std::string> values, std::set<std::string> flags);
// The texts of the resource library; tells when it is missing.
const CStringTable* ResourceStrings(const CliContext& context);
// A missing log is a log without connections, never created; one that is there and cannot be
// read is reported.
bool LogIsReadable(const CliContext& context);
