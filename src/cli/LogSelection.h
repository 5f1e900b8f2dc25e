#pragma once

#include "log/ProtokollFilter.h"
#include "log/ProtokollRows.h"

#include <optional>
#include <set>
#include <string>

class CCommandOptions;
class CStringTable;

// Which rows of the log a command shows, in which order: the filter and sort options of
// `log list` and `log export`, made into the log view's own filter and order.
class CLogSelection {
public:
    // The options that take a value, and the switches; with or without those of the order.
    static std::set<std::string> ValueOptions(bool withOrder);
    static std::set<std::string> Flags(bool withOrder);

    // Builds the selection; false with the reason in GetError for a value that cannot be read.
    // With withOrder, --sort and --descending name the log's order; without, they are the
    // command's own (a summary sorts its groups) and left to it.
    // A name is matched as the log view shows it: any language's placeholder of a name is one name.
    bool Parse(const CCommandOptions& options, const std::string& directory, const CDateTime& now,
               const CStringTable& strings, bool withOrder);
    const std::string& GetError() const { return m_error; }

    // The rows that pass, read from the log, and their order.
    void Read(const std::string& directory, const CStringTable& strings, CProtokollRows& rows) const;
    std::vector<uint32_t> Order(const CProtokollRows& rows) const;
    bool IsFiltered() const { return m_filter.IsActive(); }

private:
    bool ParseBounds(const CCommandOptions& options);
    bool ParseTexts(const CCommandOptions& options, const CStringTable& strings);
    bool ParseSort(const CCommandOptions& options);
    bool Refuse(const std::string& option, const std::string& value, const char* expected);

    CProtokollFilter m_filter;
    bool m_nothingMatches = false; // a text asked for that the log does not hold
    CProtokollRows::Column m_column = CProtokollRows::kStart;
    bool m_descending = false;
    std::string m_error;
};
