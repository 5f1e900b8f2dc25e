#include "cli/SettingsCommand.h"

#include "core/NumberText.h"
#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <ostream>

namespace {

std::optional<SettingValue> TableDefault(const std::string& section, const std::string& name) {
    for (const DwordSetting& s : Setting::kDwordSettings) {
        if (section == s.section && name == s.name) {
            return SettingValue::Number(s.defaultValue);
        }
    }
    for (const StringSetting& s : Setting::kStringSettings) {
        if (section == s.section && name == s.name) {
            return SettingValue::String(s.defaultValue);
        }
    }
    return std::nullopt;
}

void Print(std::FILE* out, const SettingValue& value) {
    const std::string text = value.kind == SettingValue::Kind::Number ? std::to_string(value.number) : value.text;
    std::fprintf(out, "%s\n", text.c_str());
}

int Get(const std::string& section, const std::string& name, SettingsStore& store, std::FILE* out, std::ostream& err) {
    const std::optional<SettingsSection> values = store.OpenSettingsKey(false, section);
    if (values) {
        for (const auto& [valueName, value] : *values) {
            if (valueName == name) {
                Print(out, value);
                return 0;
            }
        }
    }
    if (const std::optional<SettingValue> fallback = TableDefault(section, name)) {
        Print(out, *fallback);
        return 0;
    }
    err << "fernzahl-cli: no value " << name << " in section " << section << '\n';
    return 1;
}

int Set(const std::vector<std::string>& words, SettingsStore& store, std::ostream& err) {
    const bool forceString = words.size() == 5 && words[1] == "--string";
    if (words.size() != 4 && !forceString) {
        err << "usage: fernzahl-cli settings set [--string] SECTION NAME VALUE\n";
        return 2;
    }
    const size_t first = forceString ? 2 : 1;
    const std::string& section = words[first];
    const std::string& name = words[first + 1];
    const std::string& text = words[first + 2];
    const std::optional<uint32_t> number = forceString ? std::nullopt : ParseUint32(text);
    const bool written =
        number ? store.WriteSettingDword(section, name, *number) : store.WriteSettingString(section, name, text);
    if (!written) {
        err << "fernzahl-cli: the settings could not be written\n";
        return 1;
    }
    return 0;
}

// Stored values first, then the defaults of the settings nobody has stored yet, marked as such.
int List(SettingsStore& store, std::FILE* out) {
    CIniDocument stored;
    for (const auto& [section, values] : store.ListAll()) {
        for (const auto& [name, value] : values) {
            stored.Set(section, name, value);
        }
    }
    CIniDocument defaults;
    for (const DwordSetting& s : Setting::kDwordSettings) {
        if (!stored.Find(s.section, s.name) && !defaults.Find(s.section, s.name)) {
            defaults.Set(s.section, s.name, SettingValue::Number(s.defaultValue));
        }
    }
    for (const StringSetting& s : Setting::kStringSettings) {
        if (!stored.Find(s.section, s.name)) {
            defaults.Set(s.section, s.name, SettingValue::String(s.defaultValue));
        }
    }
    const std::string text =
        "; stored values\n" + stored.ToText() + "\n; defaults of the values not stored\n" + defaults.ToText();
    std::fputs(text.c_str(), out);
    return 0;
}

} // namespace

int RunSettingsCommand(const std::vector<std::string>& words, const CliContext& context) {
    if (words.size() == 3 && words[0] == "get") {
        return Get(words[1], words[2], context.settings, context.out, context.err);
    }
    if (!words.empty() && words[0] == "set") {
        return Set(words, context.settings, context.err);
    }
    if (words.size() == 1 && words[0] == "list") {
        return List(context.settings, context.out);
    }
    context.err << "usage: fernzahl-cli settings get SECTION NAME | set [--string] SECTION NAME VALUE | list\n";
    return 2;
}
