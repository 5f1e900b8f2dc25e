#include "cli/TariffCommand.h"

#include "cli/CommandUsage.h"
#include "cli/JsonText.h"
#include "cli/TariffAssignCommands.h"
#include "cli/TariffHolidaysCommand.h"
#include "cli/TariffLookup.h"
#include "cli/TariffTextCommands.h"
#include "core/DateTime.h"
#include "settings/Formatting.h"
#include "tariffs/TarifFile.h"

#include <optional>
#include <ostream>

namespace {

const LocaleFacts kPlain{":", ".", 2, ""};

constexpr const char* kOptionNames[] = {"minimumCharge", "discount", "fridayOwnTable", "sundayOwnTable",
                                        "holidaysAsSundays"};

std::string IsoDate(double oleDate) {
    const LocalTime t = CDateTime(oleDate).ToLocalTime();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

// The text is for people: dates and amounts as the locale writes them, as every table of the terminal.
std::string DateText(double oleDate) {
    return CDateTime(oleDate).Format("%x") +
           (oleDate != static_cast<int64_t>(oleDate) ? " (with a time of day: never matches)" : "");
}

std::string ZoneText(const CTarifFile& f, const LocaleFacts& facts) {
    return FormatQuarterHour(f.GetFirstQuarter(), false, facts) + "-" +
           FormatQuarterHour(f.GetLastQuarter(), true, facts) + "  " + std::to_string(f.GetSecondsPerUnit()) +
           " s per unit at " + FormatAmount(f.GetUnitPrice(), facts) + "; start charge " +
           FormatAmount(f.GetStartCharge(), facts) + ", minimum charge " + FormatAmount(f.GetMinimumCharge(), facts) +
           ", initial period " + std::to_string(f.GetInitialPeriod()) + " s; discount units of " +
           std::to_string(f.GetDiscountSecondsPerUnit()) + " s" +
           (f.GetNoDiscount() ? ", no discount in this zone" : "");
}

std::string ZoneJson(const CTarifFile& f) {
    return "{\"kind\":" + std::to_string(f.GetKind()) + ",\"firstQuarter\":" + std::to_string(f.GetFirstQuarter()) +
           ",\"lastQuarter\":" + std::to_string(f.GetLastQuarter()) +
           ",\"from\":" + JsonString(FormatQuarterHour(f.GetFirstQuarter(), false, kPlain)) +
           ",\"to\":" + JsonString(FormatQuarterHour(f.GetLastQuarter(), true, kPlain)) +
           ",\"secondsPerUnit\":" + std::to_string(f.GetSecondsPerUnit()) +
           ",\"price\":" + FormatAmount(f.GetUnitPrice(), kPlain) +
           ",\"startCharge\":" + FormatAmount(f.GetStartCharge(), kPlain) +
           ",\"minimumCharge\":" + FormatAmount(f.GetMinimumCharge(), kPlain) +
           ",\"initialPeriod\":" + std::to_string(f.GetInitialPeriod()) +
           ",\"discountSecondsPerUnit\":" + std::to_string(f.GetDiscountSecondsPerUnit()) +
           ",\"noDiscount\":" + (f.GetNoDiscount() ? "true" : "false") + "}";
}

// Everything the tariff holds, as text or as one JSON object.
std::string Dump(CTarifFile& file, bool json) {
    std::string text;
    bool options[5] = {};
    const bool hasOptions = file.FindFirst(CTarifFile::kByKind, CTarifFile::kOptions);
    for (int i = 0; i < 5; ++i) {
        options[i] = hasOptions && file.GetOption(static_cast<CTarifFile::Option>(i));
    }
    const bool hasDiscount = file.FindFirst(CTarifFile::kByKind, CTarifFile::kDiscount);
    const uint32_t limit = hasDiscount ? file.GetUnitLimit() : 400;
    const CMoney price = hasDiscount ? file.GetDiscountPrice() : CMoney(600);
    if (json) {
        text = "{\"file\":" + JsonString(file.GetPath()) + ",\"hasOptions\":" + (hasOptions ? "true" : "false") +
               ",\"options\":{";
        for (int i = 0; i < 5; ++i) {
            text += std::string(i ? "," : "") + "\"" + kOptionNames[i] + "\":" + (options[i] ? "true" : "false");
        }
        text += "},\"discount\":{\"stored\":" + std::string(hasDiscount ? "true" : "false") +
                ",\"unitLimit\":" + std::to_string(limit) + ",\"price\":" + FormatAmount(price, kPlain) +
                "},\"holidays\":[";
        bool first = true;
        for (bool more = file.FindFirst(CTarifFile::kByKind, CTarifFile::kHoliday); more; more = file.FindNext()) {
            text += (first ? "" : ",") + JsonString(IsoDate(file.GetHolidayDate()));
            first = false;
        }
        text += "],\"zones\":[";
        first = true;
        for (const DayKindName& kind : kDayKindNames) {
            for (bool more = file.FindFirst(CTarifFile::kByKind, static_cast<int32_t>(kind.kind)); more;
                 more = file.FindNext()) {
                text += (first ? "" : ",") + ZoneJson(file);
                first = false;
            }
        }
        return text + "]}\n";
    }
    text = "Tariff file " + file.GetPath() + (hasOptions ? "\n" : " (no options record: not a tariff file yet)\n");
    text += "Options:\n";
    const char* labels[] = {"minimum-charge scheme", "discount scheme", "Friday has its own zones",
                            "Sunday has its own zones", "holidays are treated as Sundays"};
    for (int i = 0; i < 5; ++i) {
        text += std::string("  ") + labels[i] + ": " + (options[i] ? "yes" : "no") + "\n";
    }
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    text += "Discount: " + std::to_string(limit) + " units per period at " + FormatAmount(price, facts) +
            (hasDiscount ? "\n" : " (no discount record: the defaults)\n");
    text += "Holidays:\n";
    for (bool more = file.FindFirst(CTarifFile::kByKind, CTarifFile::kHoliday); more; more = file.FindNext()) {
        text += "  " + DateText(file.GetHolidayDate()) + "\n";
    }
    for (const DayKindName& kind : kDayKindNames) {
        text += "Zones for " + std::string(kind.name) + " (" + std::to_string(kind.kind) + "):\n";
        for (bool more = file.FindFirst(CTarifFile::kByKind, static_cast<int32_t>(kind.kind)); more;
             more = file.FindNext()) {
            text += "  " + ZoneText(file, facts) + "\n";
        }
    }
    return text;
}

} // namespace

int RunTariffCommand(const std::vector<std::string>& words, const CliContext& context) {
    if (!words.empty() && words[0] == "holidays") {
        return RunTariffHolidaysCommand(std::vector<std::string>(words.begin() + 1, words.end()), context);
    }
    if (!words.empty() && words[0] == "import") {
        return RunTariffImport(std::vector<std::string>(words.begin() + 1, words.end()), context);
    }
    if (!words.empty() && words[0] == "export") {
        return RunTariffExport(std::vector<std::string>(words.begin() + 1, words.end()), context);
    }
    if (!words.empty() && words[0] == "assign") {
        return RunTariffAssign(std::vector<std::string>(words.begin() + 1, words.end()), context);
    }
    if (!words.empty() && words[0] == "unassign") {
        return RunTariffUnassign(std::vector<std::string>(words.begin() + 1, words.end()), context);
    }
    if (words.size() < 2 || words[0] != "dump") {
        return WrongUse(
            context.err, "tariff",
            "dump FILE, import TEXTFILE NAME, export FILE, assign ENTRY TARIFF or unassign ENTRY is needed");
    }
    const bool json = words.size() == 3 && words[2] == "--json";
    if (words.size() > 3 || (words.size() == 3 && !json)) {
        return WrongUse(context.err, "tariff", "unknown word '" + words.back() + "'");
    }
    const std::optional<std::string> path = FindTariffFile(words[1], context.dataDirectory, context.err);
    if (!path) {
        return 1;
    }
    CTarifFile file(*path);
    if (!file.OpenForReading()) {
        context.err << "fernzahl-cli: cannot read the tariff file " << *path << '\n';
        return 1;
    }
    const std::string text = Dump(file, json);
    file.Close();
    std::fputs(text.c_str(), context.out);
    return 0;
}
