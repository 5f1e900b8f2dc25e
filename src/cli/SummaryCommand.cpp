#include "cli/SummaryCommand.h"

#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "cli/LogRequest.h"
#include "cli/PdfOutput.h"
#include "core/StringTable.h"
#include "settings/Formatting.h"
#include "summary/Zusammenfassung.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Z = CZusammenfassung;

constexpr std::array<const char*, Z::kModes> kModeNames = {"day",      "user",    "name", "hour",
                                                           "monthday", "weekday", "month"};
constexpr std::array<const char*, Z::kColumns> kColumnNames = {"label", "count", "duration", "units", "costs"};

// The place of a word in a list of names, or the list's size.
template <size_t N> size_t IndexOf(const std::array<const char*, N>& names, const std::string& word) {
    return static_cast<size_t>(std::distance(names.begin(), std::find(names.begin(), names.end(), word)));
}

void PrintText(std::FILE* out, const Z& summary, const std::vector<uint32_t>& order, const CStringTable& strings) {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    std::vector<std::vector<std::string>> table = {{""}};
    for (int column = 1; column < Z::kColumns; ++column) {
        table.front().push_back(strings.Get(Z::Heading(column)));
    }
    for (const uint32_t group : order) {
        const ZusammenfassungGruppe& g = summary[group];
        table.push_back({g.label, std::to_string(g.count), FormatDuration(g.duration.GetDays(), facts),
                         std::to_string(g.units), FormatAmount(g.costs, facts)});
    }
    PrintTable(out, table, {1, 3, 4});
}

void PrintCsv(std::FILE* out, const Z& summary, const std::vector<uint32_t>& order) {
    Write(out, "label,count,duration,units,costs\r\n");
    for (const uint32_t group : order) {
        const ZusammenfassungGruppe& g = summary[group];
        Write(out, CsvField(summary.PlainLabel(group)) + ',' + std::to_string(g.count) + ',' +
                       std::to_string(g.duration.GetTotalSeconds()) + ',' + std::to_string(g.units) + ',' +
                       PlainAmount(g.costs) + "\r\n");
    }
}

void PrintJson(std::FILE* out, const Z& summary, const std::vector<uint32_t>& order) {
    for (const uint32_t group : order) {
        const ZusammenfassungGruppe& g = summary[group];
        Write(out, "{\"label\":" + JsonString(summary.PlainLabel(group)) + ",\"count\":" + std::to_string(g.count) +
                       ",\"duration\":" + std::to_string(g.duration.GetTotalSeconds()) +
                       ",\"units\":" + std::to_string(g.units) + ",\"costs\":" + PlainAmount(g.costs) + "}\n");
    }
}

} // namespace

int RunSummaryCommand(const std::vector<std::string>& words, const CliContext& context) {
    const CStringTable* strings = ResourceStrings(context);
    if (strings == nullptr) {
        return 1;
    }
    // The selection's options follow a first word of their own in the log commands; here they
    // follow the command directly.
    std::vector<std::string> withCommand = {"summary"};
    withCommand.insert(withCommand.end(), words.begin(), words.end());
    const std::optional<LogRequest> request = ParseLogRequest(
        "summary", withCommand, context, *strings, false, {"--by", "--sort", "--format", "--pdf"}, {"--descending"});
    if (!request) {
        return 2;
    }
    const size_t mode = IndexOf(kModeNames, request->options.Get("--by").value_or(""));
    if (mode == Z::kModes) {
        return WrongUse(context.err, "summary", "--by needs day, user, name, hour, monthday, weekday or month");
    }
    const size_t column = IndexOf(kColumnNames, request->options.Get("--sort").value_or("label"));
    if (column == Z::kColumns) {
        return WrongUse(context.err, "summary", "--sort needs label, count, duration, units or costs");
    }
    if (!LogIsReadable(context)) {
        return 1;
    }
    // Paper is for people: a printout in the window's language, its names too.
    const std::optional<std::string> pdf = request->options.Get("--pdf");
    const CStringTable& shownIn = pdf ? *context.windowStrings() : *strings;
    CProtokollRows rows;
    request->selection.Read(context.dataDirectory, shownIn, rows);
    Z summary;
    summary.Build(static_cast<Z::Mode>(mode), rows);
    const std::vector<uint32_t> order =
        summary.Order(static_cast<Z::Column>(column), request->options.Has("--descending"));
    if (pdf) {
        return WriteSummaryPdf(*pdf, context, summary, order, shownIn);
    }
    if (request->format == "text") {
        PrintText(context.out, summary, order, *strings);
    } else if (request->format == "csv") {
        PrintCsv(context.out, summary, order);
    } else {
        PrintJson(context.out, summary, order);
    }
    return 0;
}
