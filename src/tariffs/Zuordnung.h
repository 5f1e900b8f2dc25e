#pragma once

#include <optional>
#include <string>
#include <vector>

class SettingsStore;
struct TariffFileEntry;

// The assignment of dial-up entries to tariff files (section "Zuordnung"): one row per phonebook
// entry, plus the modem line ("*") unless the modem is switched off. A row's tariff is a title,
// or "" for the default tariff, which is stored as "*".
struct AssignmentRow {
    std::string entry;  // the phonebook entry; empty for the modem line
    std::string tariff; // the assigned title; "" for the default tariff
    bool IsModemLine() const { return entry.empty(); }
};

class CZuordnung {
public:
    static constexpr const char* kModemLineKey = "*";

    static CZuordnung Read(SettingsStore& settings, const std::vector<std::string>& phonebook);

    const std::vector<AssignmentRow>& Rows() const { return m_rows; }
    void Assign(size_t row, const std::string& title);
    // Every row, in list order; a deleted entry's value stays as it is. False when a row could not
    // be written; the rows after it are then not tried.
    bool Write(SettingsStore& settings) const;
    // One entry's tariff ("" for the default tariff), by its key ("*" for the modem line); false
    // when it could not be written.
    static bool WriteEntry(SettingsStore& settings, const std::string& key, const std::string& title);
    // The title to assign for a tariff the user named: the tariff file's title as it is on disk,
    // matched without regard to case, "" for the default tariff (there even without its file, as
    // the built-in rate); nothing when there is no such tariff.
    static std::optional<std::string> FindTariff(const std::vector<TariffFileEntry>& files, const std::string& name);

private:
    std::vector<AssignmentRow> m_rows;
};
