#include "core/TextTable.h"

#include "core/TextEncoding.h"

#include <algorithm>

namespace {
std::string Pad(const std::string& text, size_t width, bool right) {
    const size_t length = CountUtf8Characters(text);
    const std::string fill(width > length ? width - length : 0, ' ');
    return right ? fill + text : text + fill;
}
} // namespace

std::string CTextTable::ToAlignedText() const {
    std::vector<size_t> widths;
    for (const auto& row : m_rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], CountUtf8Characters(row[c]));
        }
    }
    std::string text;
    for (const auto& row : m_rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            const bool right = m_right.contains(c);
            // A last column aligned to the left needs no trailing blanks.
            const bool padded = c + 1 < row.size() || right;
            text += (c ? "  " : "") + (padded ? Pad(row[c], widths[c], right) : row[c]);
        }
        text += '\n';
    }
    return text;
}

std::string CTextTable::ToCsv() const {
    std::string text;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const std::vector<std::string>& row = m_rows[r];
        for (size_t c = 0; c < row.size(); ++c) {
            // Headings are quoted only when they must be, as the other exports write them.
            const bool quoted = r == 0 ? row[c].find_first_of(",\"\r\n") != std::string::npos : !m_right.contains(c);
            text += (c ? "," : "") + (quoted ? CsvField(row[c]) : row[c]);
        }
        text += "\r\n";
    }
    return text;
}

std::string CTextTable::CsvField(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + '"';
}
