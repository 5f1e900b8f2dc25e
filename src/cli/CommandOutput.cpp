#include "cli/CommandOutput.h"

#include "cli/CliContext.h"
#include "core/FileLayer.h"
#include "core/TextTable.h"
#include "settings/Formatting.h"

#include <cstring>
#include <ostream>

std::string PlainAmount(const CMoney& amount) {
    return FormatAmount(amount, LocaleFacts{":", ".", 2, ""});
}

std::string Counted(int64_t count, const std::string& noun) {
    return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

std::string CsvField(const std::string& text) {
    return CTextTable::CsvField(text);
}

bool Write(std::FILE* out, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

void PrintTable(std::FILE* out, const std::vector<std::vector<std::string>>& rows, const std::set<size_t>& right) {
    Write(out, CTextTable(rows, right).ToAlignedText());
}

int WriteOutput(const CliContext& context, const std::string& output, const std::function<bool(std::FILE*)>& write) {
    const bool toStandardOutput = output.empty() || output == "-";
    const bool written = toStandardOutput ? write(context.out) && std::fflush(context.out) == 0
                                          : CFileLayer::ReplaceThroughStream(output, write);
    if (written) {
        return 0;
    }
    context.err << "fernzahl-cli: the output could not be written completely"
                << (toStandardOutput ? std::string() : " to " + output) << ": " << std::strerror(errno) << '\n';
    return 1;
}
