#include "cli/CommandOutput.h"

#include "core/TextTable.h"
#include "settings/Formatting.h"

std::string PlainAmount(const CMoney& amount) {
    return FormatAmount(amount, LocaleFacts{":", ".", 2});
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
