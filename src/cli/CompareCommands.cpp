#include "cli/CompareCommands.h"

#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "cli/LogRequest.h"
#include "cli/TariffLookup.h"
#include "core/NumberText.h"
#include "core/StringTable.h"
#include "metering/TarifVergleich.h"
#include "metering/TarifVergleichText.h"

#include <algorithm>
#include <ostream>

namespace {

using Text = CTarifVergleichText;

// The shown rows of the log, in log order, ready to be compared.
struct Comparison {
    CProtokollRows rows;
    std::optional<CTarifVergleich> comparison;
};

std::optional<LogRequest> ParseRequest(std::string_view command, std::vector<std::string> words,
                                       const CliContext& context, const CStringTable& strings,
                                       std::set<std::string> values) {
    words.insert(words.begin(), std::string(command));
    return ParseLogRequest(command, words, context, strings, false, std::move(values), {});
}

void ReadShownRows(const LogRequest& request, const CliContext& context, const CStringTable& strings, Comparison& out) {
    request.selection.Read(context.dataDirectory, strings, out.rows);
    std::vector<uint32_t> logOrder(out.rows.Size());
    for (uint32_t row = 0; row < logOrder.size(); ++row) {
        logOrder[row] = row;
    }
    out.comparison.emplace(out.rows, logOrder);
}

// A JSON object of the cells of one line, keyed by the plain headings.
std::string JsonObject(const std::vector<std::string>& keys, const std::vector<std::string>& cells,
                       const std::set<size_t>& texts) {
    std::string json = "{";
    for (size_t c = 0; c < keys.size(); ++c) {
        const std::string value = texts.contains(c) ? JsonString(cells[c]) : cells[c].empty() ? "null" : cells[c];
        json += (c ? ",\"" : "\"") + keys[c] + "\":" + value;
    }
    return json + "}";
}

// The word after --tariff names the tariff to re-rate under here, not a logged tariff to filter.
std::optional<std::string> TakeTariffOption(std::vector<std::string>& words) {
    const auto option = std::find_if(words.begin(), words.end(), [](const std::string& word) {
        return word == "--tariff" || word.starts_with("--tariff=");
    });
    if (option == words.end() || (*option == "--tariff" && option + 1 == words.end())) {
        return std::nullopt;
    }
    const bool joined = *option != "--tariff";
    std::string name = joined ? option->substr(9) : *(option + 1);
    words.erase(option, option + (joined ? 1 : 2));
    return name;
}

void PrintRerated(const std::string& format, const CliContext& context, const Comparison& c,
                  const CStringTable& strings) {
    const Text text(*c.comparison, c.rows, strings, format == "text" ? Text::Style::kTerminal : Text::Style::kPlain);
    if (format != "json") {
        const CTextTable table = text.Connections(0);
        Write(context.out,
              format == "csv" ? table.ToCsv() : text.ConnectionsCaption(0) + "\n\n" + table.ToAlignedText());
        return;
    }
    std::vector<std::string> keys = text.ConnectionHeadings();
    for (size_t connection = 0; connection < c.comparison->Rows().size(); ++connection) {
        Write(context.out, JsonObject(keys, text.ConnectionCells(0, connection),
                                      {Text::kStart, Text::kConnection, Text::kUser, Text::kDevice}) +
                               "\n");
    }
    std::vector<std::string> totals = text.ConnectionTotals(0);
    keys[Text::kStart] = "connections";
    totals[Text::kStart] = std::to_string(c.comparison->Rows().size());
    Write(context.out, JsonObject(keys, totals, {}) + "\n");
}

void PrintCompared(const std::string& format, const CliContext& context, const Comparison& c,
                   const CStringTable& strings) {
    const CTarifVergleich& comparison = *c.comparison;
    const std::vector<size_t> order = comparison.CheapestFirst();
    const Text text(comparison, c.rows, strings, format == "text" ? Text::Style::kTerminal : Text::Style::kPlain);
    if (format != "json") {
        const CTextTable table = text.Tariffs(order);
        Write(context.out, format == "csv" ? table.ToCsv() : table.ToAlignedText());
        return;
    }
    std::vector<std::string> keys = text.TariffHeadings();
    keys.push_back("cheapest");
    for (const size_t line : order) {
        std::vector<std::string> cells = text.TariffCells(line);
        cells.push_back(comparison.Cheapest() == line ? "true" : "false");
        Write(context.out, JsonObject(keys, cells, {Text::kTariff}) + "\n");
    }
}

} // namespace

int RunRerateCommand(const std::vector<std::string>& words, const CliContext& context) {
    const CStringTable* strings = ResourceStrings(context);
    if (strings == nullptr) {
        return 1;
    }
    std::vector<std::string> rest = words;
    const std::optional<std::string> tariff = TakeTariffOption(rest);
    const std::optional<LogRequest> request =
        ParseRequest("rerate", rest, context, *strings, {"--discount", "--format"});
    if (!request) {
        return 2;
    }
    if (!tariff) {
        return WrongUse(context.err, "rerate", "--tariff needs the tariff file to re-rate under");
    }
    if (std::find(rest.begin(), rest.end(), "--tariff") != rest.end()) {
        return WrongUse(context.err, "rerate", "--tariff may be given once: the tariff to re-rate under");
    }
    CNachberechnung::CounterRules rules = CNachberechnung::CounterRules::FromSettings(context.settings);
    if (const std::optional<std::string> discount = request->options.Get("--discount")) {
        const std::optional<uint32_t> count = ParseUint32(*discount);
        if (!count) {
            return WrongUse(context.err, "rerate", "--discount needs a whole number of units");
        }
        rules.discountCount = *count;
    }
    const std::optional<std::string> path = FindTariffFile(*tariff, context.dataDirectory, context.err);
    if (!path) {
        return 1;
    }
    if (!LogIsReadable(context)) {
        return 1;
    }
    Comparison c;
    ReadShownRows(*request, context, *strings, c);
    c.comparison->Compare({{TariffTitle(*path), *path}}, rules);
    if (!c.comparison->Lines().front().readable) {
        context.err << "fernzahl-cli: cannot read the tariff file " << *path << '\n';
        return 1;
    }
    PrintRerated(request->format, context, c, *strings);
    return 0;
}

int RunCompareCommand(const std::vector<std::string>& words, const CliContext& context) {
    const CStringTable* strings = ResourceStrings(context);
    if (strings == nullptr) {
        return 1;
    }
    const std::optional<LogRequest> request = ParseRequest("compare", words, context, *strings, {"--format"});
    if (!request) {
        return 2;
    }
    if (!LogIsReadable(context)) {
        return 1;
    }
    Comparison c;
    ReadShownRows(*request, context, *strings, c);
    c.comparison->Compare(CTarifVergleich::TariffFilesOf(context.dataDirectory),
                          CNachberechnung::CounterRules::FromSettings(context.settings));
    PrintCompared(request->format, context, c, *strings);
    return 0;
}
