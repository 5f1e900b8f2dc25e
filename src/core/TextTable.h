#pragma once

#include <set>
#include <string>
#include <vector>

// Rows of cells as plain text: aligned columns two blanks apart, or RFC 4180 comma-separated
// fields. The first row is the headings.
class CTextTable {
public:
    CTextTable(std::vector<std::vector<std::string>> rows, std::set<size_t> rightAligned)
        : m_rows(std::move(rows)), m_right(std::move(rightAligned)) {}

    void AddRow(std::vector<std::string> cells) { m_rows.push_back(std::move(cells)); }
    // A line a row, each ending in '\n'.
    std::string ToAlignedText() const;
    // A line a row, each ending in CR LF; texts quoted, numbers and plain headings as they are.
    std::string ToCsv() const;
    // A text as one field, quoted.
    static std::string CsvField(const std::string& text);

private:
    std::vector<std::vector<std::string>> m_rows;
    std::set<size_t> m_right; // the columns of numbers, aligned to the right
};
