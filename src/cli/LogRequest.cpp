#include "cli/LogRequest.h"

#include "cli/CommandUsage.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "platform/SystemClock.h"

#include <filesystem>
#include <ostream>

std::optional<LogRequest> ParseLogRequest(std::string_view command, const std::vector<std::string>& words,
                                          const CliContext& context, const CStringTable& strings, bool ordered,
                                          std::set<std::string> values, std::set<std::string> flags) {
    LogRequest request;
    values.merge(CLogSelection::ValueOptions(ordered));
    flags.merge(CLogSelection::Flags(ordered));
    if (!request.options.Parse({words.begin() + 1, words.end()}, values, flags)) {
        WrongUse(context.err, command, request.options.GetError());
        return std::nullopt;
    }
    request.format = request.options.Get("--format").value_or("text");
    if (request.format != "text" && request.format != "csv" && request.format != "json") {
        WrongUse(context.err, command, "unknown format '" + request.format + "' (text, csv or json)");
        return std::nullopt;
    }
    if (!request.selection.Parse(request.options, context.dataDirectory, CSystemClock().Now(), strings, ordered)) {
        WrongUse(context.err, command, request.selection.GetError());
        return std::nullopt;
    }
    return request;
}

const CStringTable* ResourceStrings(const CliContext& context) {
    const CStringTable* strings = context.strings();
    if (strings == nullptr) {
        context.err << "fernzahl-cli: Fernzahl.dll not found\n";
    }
    return strings;
}

bool LogIsReadable(const CliContext& context) {
    CProtokollFile log(context.dataDirectory);
    if (!log.OpenForReading()) {
        context.err << "fernzahl-cli: cannot read the log " << context.dataDirectory << CProtokollFile::kFileName
                    << '\n';
        return false;
    }
    return true;
}
