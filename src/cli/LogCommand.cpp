#include "cli/LogCommand.h"

#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "cli/LogRequest.h"
#include "cli/PdfOutput.h"
#include "core/FileLayer.h"
#include "core/QuotedText.h"
#include "core/StringTable.h"
#include "log/ProtokollFile.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <ostream>

namespace {

using LineFormat = std::string (*)(uint32_t, const LogEntry&);

constexpr const char* kCsvHeader = "record,start,duration,units,costs,connection,user,device,tariff\r\n";

std::string CsvLine(uint32_t index, const LogEntry& e) {
    return std::to_string(index) + ',' + e.start.FormatIso() + ',' + std::to_string(e.duration.GetTotalSeconds()) +
           ',' + std::to_string(e.units) + ',' + PlainAmount(e.costs) + ',' + CsvField(e.connectionName) + ',' +
           CsvField(e.userName) + ',' + CsvField(e.deviceName) + ',' + CsvField(e.tariffName) + "\r\n";
}

std::string JsonLine(uint32_t index, const LogEntry& e) {
    const std::string start = e.start.IsValid() ? JsonString(e.start.FormatIso()) : "null";
    return "{\"record\":" + std::to_string(index) + ",\"start\":" + start +
           ",\"duration\":" + std::to_string(e.duration.GetTotalSeconds()) + ",\"units\":" + std::to_string(e.units) +
           ",\"costs\":" + PlainAmount(e.costs) + ",\"connection\":" + JsonString(e.connectionName) +
           ",\"user\":" + JsonString(e.userName) + ",\"device\":" + JsonString(e.deviceName) +
           ",\"tariff\":" + JsonString(e.tariffName) + "}\n";
}

std::string CsvTotals(const LogTotals& t) {
    return "total,," + std::to_string(t.duration.GetTotalSeconds()) + ',' + std::to_string(t.units) + ',' +
           PlainAmount(t.costs) + ",,,,\r\n";
}

std::string JsonTotals(const LogTotals& t) {
    return "{\"connections\":" + std::to_string(t.count) +
           ",\"duration\":" + std::to_string(t.duration.GetTotalSeconds()) + ",\"units\":" + std::to_string(t.units) +
           ",\"costs\":" + PlainAmount(t.costs) + "}\n";
}

bool WriteRows(std::FILE* out, const CProtokollRows& rows, const std::vector<uint32_t>& order, LineFormat line) {
    LogEntry entry;
    bool written = true;
    for (const uint32_t row : order) {
        rows.ToEntry(row, entry);
        written = written && Write(out, line(static_cast<uint32_t>(rows[row].recordIndex), entry));
    }
    return written;
}

int Export(const std::vector<std::string>& words, const CliContext& context) {
    const CStringTable* strings = ResourceStrings(context);
    if (strings == nullptr) {
        return 1;
    }
    std::optional<LogRequest> request =
        ParseLogRequest("log", words, context, *strings, false, {"--output", "--format"}, {});
    if (!request) {
        return 2;
    }
    if (!LogIsReadable(context)) {
        return 1;
    }
    const std::string output = request->options.Get("--output").value_or("");
    // The text export is the window's, in its language; CSV and JSON are for scripts. Exports keep
    // the log's order; the whole log is written straight from the file.
    const CStringTable& shownIn = request->format == "text" ? *context.windowStrings() : *strings;
    CProtokollRows rows;
    if (request->selection.IsFiltered() || request->format != "text") {
        request->selection.Read(context.dataDirectory, shownIn, rows);
    }
    std::vector<uint32_t> logOrder(rows.Size());
    std::iota(logOrder.begin(), logOrder.end(), 0u);
    CProtokollFile log(context.dataDirectory);
    const auto writeTo = [&](std::FILE* out) {
        if (request->format == "text") {
            return log.WriteExport(out, request->selection.IsFiltered() ? &rows : nullptr, shownIn);
        }
        if (request->format == "csv") {
            return Write(out, kCsvHeader) && WriteRows(out, rows, logOrder, CsvLine);
        }
        return WriteRows(out, rows, logOrder, JsonLine);
    };
    return WriteOutput(context, output, writeTo);
}

void PrintText(std::FILE* out, const CProtokollRows& rows, const std::vector<uint32_t>& order,
               const CStringTable& strings, bool totals) {
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    CDateTimeText startText;
    std::vector<std::vector<std::string>> table = {{"#"}};
    for (int column = 0; column < CProtokollRows::kColumns; ++column) {
        table.front().push_back(strings.Get(CProtokollRows::Heading(column)));
    }
    LogEntry e;
    for (const uint32_t row : order) {
        rows.ToEntry(row, e);
        table.push_back({std::to_string(rows[row].recordIndex), startText.Format(e.start),
                         FormatDuration(e.duration.GetDays(), facts), std::to_string(e.units),
                         FormatAmount(e.costs, facts), EscapeForLine(e.connectionName), EscapeForLine(e.userName),
                         EscapeForLine(e.deviceName), EscapeForLine(e.tariffName)});
    }
    PrintTable(out, table, {0, 3, 4});
    if (totals) {
        std::fprintf(out, "%s\n", rows.Totals().Format(strings, facts).c_str());
    }
}

int List(const std::vector<std::string>& words, const CliContext& context) {
    const CStringTable* strings = ResourceStrings(context);
    if (strings == nullptr) {
        return 1;
    }
    std::optional<LogRequest> request =
        ParseLogRequest("log", words, context, *strings, true, {"--format"}, {"--totals"});
    if (!request) {
        return 2;
    }
    if (!LogIsReadable(context)) {
        return 1;
    }
    CProtokollRows rows;
    request->selection.Read(context.dataDirectory, *strings, rows);
    const std::vector<uint32_t> order = request->selection.Order(rows);
    const bool totals = request->options.Has("--totals");
    if (request->format == "text") {
        PrintText(context.out, rows, order, *strings, totals);
    } else if (request->format == "csv") {
        Write(context.out, kCsvHeader);
        WriteRows(context.out, rows, order, CsvLine);
        if (totals) {
            Write(context.out, CsvTotals(rows.Totals()));
        }
    } else {
        WriteRows(context.out, rows, order, JsonLine);
        if (totals) {
            Write(context.out, JsonTotals(rows.Totals()));
        }
    }
    return 0;
}

// Through the page layout of the desktop program's printout, into a PDF file.
int Print(const std::vector<std::string>& words, const CliContext& context) {
    const CStringTable* strings = ResourceStrings(context);
    if (strings == nullptr) {
        return 1;
    }
    std::optional<LogRequest> request = ParseLogRequest("log", words, context, *strings, true, {"--pdf"}, {});
    if (!request) {
        return 2;
    }
    const std::optional<std::string> pdf = request->options.Get("--pdf");
    if (!pdf) {
        return WrongUse(context.err, "log", "print needs --pdf FILE");
    }
    if (!LogIsReadable(context)) {
        return 1;
    }
    // Paper is for people: in the window's language.
    const CStringTable& shownIn = *context.windowStrings();
    CProtokollRows rows;
    request->selection.Read(context.dataDirectory, shownIn, rows);
    return WriteLogPdf(*pdf, context, rows, request->selection.Order(rows), shownIn);
}

} // namespace

int RunLogCommand(const std::vector<std::string>& words, const CliContext& context) {
    if (!words.empty() && words[0] == "export") {
        return Export(words, context);
    }
    if (!words.empty() && words[0] == "list") {
        return List(words, context);
    }
    if (!words.empty() && words[0] == "print") {
        return Print(words, context);
    }
    return WrongUse(context.err, "log",
                    words.empty() ? "export, list or print is needed" : "unknown word '" + words[0] + "'");
}
