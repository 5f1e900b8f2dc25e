#include "cli/SettingsCommand.h"

#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "core/NumberText.h"
#include "settings/AmountInput.h"
#include "settings/IniDocument.h"
#include "settings/NumberInput.h"
#include "settings/SettingsCatalog.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <ostream>
#include <set>

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

bool IsAmount(const std::string& section, const std::string& name) {
    const std::optional<SettingSpec> spec = CSettingsCatalog::Find(section, name);
    return spec && spec->kind == SettingSpec::Kind::Amount;
}

// A name the program does not know is wrong use, for get as for set, with the nearest known one.
int RefuseUnknown(const std::string& section, const std::string& name, std::ostream& err) {
    err << "fernzahl-cli: no setting \"" << section << ' ' << name << "\"; did you mean \""
        << CSettingsCatalog::Nearest(section, name) << "\"?\n";
    return 2;
}

// An amount setting is shown as the amount, as it is typed.
void Print(std::FILE* out, const SettingValue& value, bool amount) {
    std::string text = value.text;
    if (value.kind == SettingValue::Kind::Number) {
        text = amount ? PlainAmount(CMoney(value.number)) : std::to_string(value.number);
    }
    std::fprintf(out, "%s\n", text.c_str());
}

// A number setting the settings file holds as a text (written by hand, "15 ; day") is read by the
// program as that number, or as its default when the text is none: shown as the program reads it.
SettingValue AsTheProgramReads(const std::string& name, const SettingValue& stored,
                               const std::optional<SettingValue>& fallback, std::ostream& err) {
    if (!fallback || fallback->kind != SettingValue::Kind::Number || stored.kind != SettingValue::Kind::String) {
        return stored;
    }
    if (const std::optional<uint32_t> number = ParseUint32(stored.text)) {
        return SettingValue::Number(*number);
    }
    err << "fernzahl-cli: " << name << "=\"" << stored.text
        << "\" in the settings file is no number; the default applies\n";
    return *fallback;
}

int Get(const std::string& section, const std::string& name, SettingsStore& store, std::FILE* out, std::ostream& err) {
    const bool amount = IsAmount(section, name);
    const std::optional<SettingsSection> values = store.OpenSettingsKey(false, section);
    if (values) {
        for (const auto& [valueName, value] : *values) {
            if (valueName == name) {
                Print(out, AsTheProgramReads(name, value, TableDefault(section, name), err), amount);
                return 0;
            }
        }
    }
    if (const std::optional<SettingValue> fallback = TableDefault(section, name)) {
        Print(out, *fallback, amount);
        return 0;
    }
    return RefuseUnknown(section, name, err);
}

int Written(bool written, const SettingsStore& store, std::ostream& err) {
    if (!written) {
        err << "fernzahl-cli: the settings could not be written to " << store.GetFilePath() << '\n';
        return 1;
    }
    return 0;
}

// An amount as the options sheet takes it (the locale's separator or a point), kept in ten-thousandths.
int StoreAmount(const std::string& section, const std::string& name, const std::string& text, const SettingSpec& spec,
                SettingsStore& store, std::ostream& err) {
    const CMoney least(spec.minValue);
    const CMoney most(spec.maxValue);
    const CAmountInput amount = CAmountInput::Check(text, LocaleFacts::FromCLibrary(), least, most);
    if (!amount.IsValid()) {
        err << "fernzahl-cli: \"" << section << ' ' << name << "\" takes an amount from " << PlainAmount(least)
            << " to " << PlainAmount(most) << ", not \"" << text << "\"\n";
        return 2;
    }
    return Written(store.WriteSettingDword(section, name, static_cast<uint32_t>(amount.Value().GetValue())), store,
                   err);
}

// Only a value the program reads, checked as the options sheet checks it; nothing is written on refusal.
int StoreChecked(const std::string& section, const std::string& name, const std::string& text, SettingsStore& store,
                 std::ostream& err) {
    const std::optional<SettingSpec> spec = CSettingsCatalog::Find(section, name);
    if (!spec) {
        return RefuseUnknown(section, name, err);
    }
    if (spec->kind == SettingSpec::Kind::String && !SettingsStore::FitsStringLimit(text)) {
        err << "fernzahl-cli: \"" << section << ' ' << name << "\" takes no more than "
            << SettingsStore::kMaxStringLength << " characters\n";
        return 2;
    }
    if (spec->kind == SettingSpec::Kind::String) {
        return Written(store.WriteSettingString(section, name, text), store, err);
    }
    if (spec->kind == SettingSpec::Kind::Amount) {
        return StoreAmount(section, name, text, *spec, store, err);
    }
    const CNumberInput input = CNumberInput::Check(text, spec->minValue, spec->maxValue);
    if (!input.IsValid()) {
        err << "fernzahl-cli: \"" << section << ' ' << name << "\" takes a whole number from " << spec->minValue
            << " to " << spec->maxValue << ", not \"" << text << "\"\n";
        return 2;
    }
    return Written(store.WriteSettingDword(section, name, input.Value()), store, err);
}

// For testers: any name, any value; a whole number is stored as a number unless asString.
int StoreForced(const std::string& section, const std::string& name, const std::string& text, bool asString,
                SettingsStore& store, std::ostream& err) {
    const std::optional<uint32_t> number = asString ? std::nullopt : ParseUint32(text);
    return Written(number ? store.WriteSettingDword(section, name, *number)
                          : store.WriteSettingString(section, name, text),
                   store, err);
}

int Set(const std::vector<std::string>& words, SettingsStore& store, std::ostream& err) {
    std::set<std::string> flags;
    size_t first = 1;
    while (first < words.size() && (words[first] == "--string" || words[first] == "--force") &&
           flags.insert(words[first]).second) {
        ++first;
    }
    if (words.size() - first != 3) {
        return WrongUse(err, "settings", "set needs SECTION NAME VALUE");
    }
    const std::string& section = words[first];
    const std::string& name = words[first + 1];
    const std::string& text = words[first + 2];
    return flags.contains("--force") ? StoreForced(section, name, text, flags.contains("--string"), store, err)
                                     : StoreChecked(section, name, text, store, err);
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
    return WrongUse(context.err, "settings",
                    words.empty() ? "get, set or list is needed" : "wrong words after settings");
}
