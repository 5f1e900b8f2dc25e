#pragma once

#include "settings/SettingsTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One stored value: a 32-bit number or a string, each keeping its kind.
struct SettingValue {
    enum class Kind { Number, String };
    Kind kind = Kind::Number;
    uint32_t number = 0;
    std::string text;

    static SettingValue Number(uint32_t n) { return {Kind::Number, n, {}}; }
    static SettingValue String(std::string s) { return {Kind::String, 0, std::move(s)}; }
    bool operator==(const SettingValue&) const = default;
};

// The values of one section, in stored order.
using SettingsSection = std::vector<std::pair<std::string, SettingValue>>;

// The persistent preferences: sections of named values. There is no cache: every read sees the
// last write, from this process or another. Reading never creates a section.
class SettingsStore {
public:
    // Strings read back are limited to this many characters; a longer value reads as the default.
    static constexpr size_t kMaxStringLength = 249;
    // Whether a string is short enough to be read back; the options sheet and the command line
    // refuse a longer one.
    static bool FitsStringLimit(const std::string& text);

    virtual ~SettingsStore() = default;

    // The section's values; with create false a missing section gives nothing and is not created,
    // with create true it is created when missing (nothing when that fails).
    virtual std::optional<SettingsSection> OpenSettingsKey(bool create, const std::string& section) = 0;
    // Every section with its values, in stored order.
    virtual std::vector<std::pair<std::string, SettingsSection>> ListAll() = 0;
    // The directory that holds every data file, ending in '/'; created on first use.
    virtual std::string GetProgramDirectory() = 0;
    // The file the settings are kept in, for the message when it cannot be written.
    virtual std::string GetFilePath() const = 0;

    uint32_t ReadSettingDword(const std::string& section, const std::string& name, uint32_t defaultValue);
    bool WriteSettingDword(const std::string& section, const std::string& name, uint32_t value);
    std::string ReadSettingString(const std::string& section, const std::string& name, const std::string& defaultValue);
    bool WriteSettingString(const std::string& section, const std::string& name, const std::string& text);

    // The same for the settings of the table, with their defaults.
    uint32_t Read(const DwordSetting& s) { return ReadSettingDword(s.section, s.name, s.defaultValue); }
    bool Write(const DwordSetting& s, uint32_t value) { return WriteSettingDword(s.section, s.name, value); }
    std::string Read(const StringSetting& s) { return ReadSettingString(s.section, s.name, s.defaultValue); }
    bool Write(const StringSetting& s, const std::string& text) { return WriteSettingString(s.section, s.name, text); }
    // Whether the setting holds a text too long to be read back (written by hand): Read then gives
    // the default, which a caller may not take for the user's choice.
    bool IsTooLong(const StringSetting& s);

protected:
    virtual std::optional<SettingValue> ReadValue(const std::string& section, const std::string& name) = 0;
    virtual bool WriteValue(const std::string& section, const std::string& name, const SettingValue& value) = 0;
};
