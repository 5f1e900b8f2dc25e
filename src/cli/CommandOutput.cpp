#include "cli/CommandOutput.h"

#include "core/TextEncoding.h"
#include "settings/Formatting.h"

#include <algorithm>

namespace {
std::string Pad(const std::string& text, size_t width, bool right) {
    const size_t length = CountUtf8Characters(text);
    const std::string fill(width > length ? width - length : 0, ' ');
    return right ? fill + text : text + fill;
}
} // namespace

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

bool Write(std::FILE* out, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

void PrintTable(std::FILE* out, const std::vector<std::vector<std::string>>& rows, const std::set<size_t>& right) {
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], CountUtf8Characters(row[c]));
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            // A last column aligned to the left needs no trailing blanks.
            const bool padded = c + 1 < row.size() || right.count(c) != 0;
            line += (c ? "  " : "") + (padded ? Pad(row[c], widths[c], right.count(c) != 0) : row[c]);
        }
        std::fprintf(out, "%s\n", line.c_str());
    }
}
