#include "cli/LogCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "core/TextEncoding.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollRows.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Amounts for machines: "." and at least two decimals.
std::string PlainAmount(const CMoney& amount) {
    return FormatAmount(amount, LocaleFacts{":", ".", 2});
}

std::string CsvField(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + '"';
}

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

// Opens the log for reading; a missing log is reported, never created.
bool OpenExistingLog(CProtokollFile& log, const CliContext& context) {
    const std::string path = context.dataDirectory + CProtokollFile::kFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !log.OpenRecordFile()) {
        context.err << "fernzahl-cli: cannot read the log " << path << '\n';
        return false;
    }
    return true;
}

bool WriteRecords(CProtokollFile& log, std::FILE* out, std::string (*line)(uint32_t, const LogEntry&)) {
    bool written = true;
    for (bool more = log.FirstValid(); more && written; more = log.NextValid()) {
        const std::string text = line(log.GetRecordIndex(), log.Entry());
        written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    }
    log.Close();
    return std::fflush(out) == 0 && written;
}

int Export(const std::vector<std::string>& words, const CliContext& context) {
    CCommandOptions options;
    if (!options.Parse({words.begin() + 1, words.end()}, {"--output", "--format"}, {})) {
        return WrongUse(context.err, "log", options.GetError());
    }
    const std::string output = options.Get("--output").value_or("");
    const std::string format = options.Get("--format").value_or("text");
    if (format != "text" && format != "csv" && format != "json") {
        return WrongUse(context.err, "log", "unknown format '" + format + "' (text, csv or json)");
    }
    const CStringTable* strings = context.strings();
    if (format == "text" && strings == nullptr) {
        context.err << "fernzahl-cli: Fernzahl.dll not found\n";
        return 1;
    }
    CProtokollFile log(context.dataDirectory);
    if (!OpenExistingLog(log, context)) {
        return 1;
    }
    FilePtr file(output.empty() ? nullptr : std::fopen(output.c_str(), "wb"), &std::fclose);
    if (!output.empty() && !file) {
        context.err << "fernzahl-cli: cannot write " << output << '\n';
        return 1;
    }
    std::FILE* out = file ? file.get() : context.out;
    bool written = false;
    if (format == "text") {
        log.Close();
        written = log.WriteExport(out, nullptr, *strings);
    } else if (format == "csv") {
        const char* header = "record,start,duration,units,costs,connection,user,device,tariff\r\n";
        written = std::fputs(header, out) >= 0 && WriteRecords(log, out, CsvLine);
    } else {
        written = WriteRecords(log, out, JsonLine);
    }
    if (!written) {
        context.err << "fernzahl-cli: the export could not be written completely\n";
        return 1;
    }
    return 0;
}

std::string Pad(const std::string& text, size_t width, bool right) {
    const size_t length = CountUtf8Characters(text);
    const std::string fill(width > length ? width - length : 0, ' ');
    return right ? fill + text : text + fill;
}

int List(const CliContext& context) {
    const CStringTable* strings = context.strings();
    if (strings == nullptr) {
        context.err << "fernzahl-cli: Fernzahl.dll not found\n";
        return 1;
    }
    CProtokollFile log(context.dataDirectory);
    if (!OpenExistingLog(log, context)) {
        return 1;
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    CDateTimeText startText;
    std::vector<std::vector<std::string>> rows = {{"#"}};
    for (int column = 0; column < CProtokollRows::kColumns; ++column) {
        rows.front().push_back(strings->Get(CProtokollRows::Heading(column)));
    }
    for (bool more = log.FirstValid(); more; more = log.NextValid()) {
        const LogEntry& e = log.Entry();
        rows.push_back({std::to_string(log.GetRecordIndex()), startText.Format(e.start),
                        FormatTimeOfDay(e.duration.GetDays(), facts), std::to_string(e.units),
                        FormatAmount(e.costs, facts), e.connectionName, e.userName, e.deviceName, e.tariffName});
    }
    log.Close();
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], CountUtf8Characters(row[c]));
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            const bool numeric = c == 0 || c == 3 || c == 4;
            line += (c ? "  " : "") + (c + 1 == row.size() ? row[c] : Pad(row[c], widths[c], numeric));
        }
        std::fprintf(context.out, "%s\n", line.c_str());
    }
    return 0;
}

} // namespace

int RunLogCommand(const std::vector<std::string>& words, const CliContext& context) {
    if (!words.empty() && words[0] == "export") {
        return Export(words, context);
    }
    if (words.size() == 1 && words[0] == "list") {
        return List(context);
    }
    return WrongUse(context.err, "log", words.empty() ? "export or list is needed" : "unknown word '" + words[0] + "'");
}
