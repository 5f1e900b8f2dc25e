#include "cli/TariffHolidaysCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandUsage.h"
#include "cli/TariffLookup.h"
#include "core/DateTime.h"
#include "core/NumberText.h"
#include "tariff_editor/PublicHolidays.h"
#include "tariff_editor/TariffRecords.h"
#include "tariffs/TarifFile.h"

#include <algorithm>
#include <ostream>

int RunTariffHolidaysCommand(const std::vector<std::string>& words, const CliContext& context) {
    if (words.empty() || words[0].starts_with("--")) {
        return WrongUse(context.err, "tariff", "holidays FILE is needed");
    }
    CCommandOptions options;
    if (!options.Parse(std::vector<std::string>(words.begin() + 1, words.end()), {"--year", "--set"}, {"--add"})) {
        return WrongUse(context.err, "tariff", options.GetError());
    }
    const std::optional<uint32_t> year = ParseUint32(options.Get("--year").value_or(""));
    if (!year || *year < CPublicHolidays::kFirstYear || *year > CPublicHolidays::kLastYear) {
        return WrongUse(context.err, "tariff",
                        "--year needs a year from " + std::to_string(CPublicHolidays::kFirstYear) + " to " +
                            std::to_string(CPublicHolidays::kLastYear));
    }
    const std::optional<CPublicHolidays::Country> country =
        CPublicHolidays::CountryOfCode(options.Get("--set").value_or(""));
    if (!country) {
        return WrongUse(context.err, "tariff", "--set needs de, at or ch");
    }
    const std::optional<std::string> path = FindTariffFile(words[0], context.dataDirectory, context.err);
    if (!path) {
        return 1;
    }
    if (options.Has("--add") && !CTarifFile(*path).HoldsOnlyTariffRecords()) {
        context.err << "fernzahl-cli: " << *path << " is no tariff file; nothing was added\n";
        return 1;
    }
    CTariffRecords records(*path);
    const std::vector<int32_t> held = records.ReadHolidayDays();
    const std::vector<CPublicHolidays::Holiday> holidays = CPublicHolidays::Of(*country, static_cast<int>(*year));
    if (options.Has("--add")) {
        std::vector<int32_t> days;
        for (const CPublicHolidays::Holiday& holiday : holidays) {
            days.push_back(holiday.day);
        }
        const TariffAdd added = records.AddMissingHolidays(days);
        if (added.refused) {
            context.err << "fernzahl-cli: " << added.refused->Reason(*path) << "; nothing was added\n";
            return 1;
        }
        if (!added) {
            context.err << "fernzahl-cli: cannot write the tariff file " << *path << '\n';
            return 1;
        }
    }
    for (const CPublicHolidays::Holiday& holiday : holidays) {
        const bool wasHeld = std::find(held.begin(), held.end(), holiday.day) != held.end();
        const char* state = wasHeld ? "in the tariff" : (options.Has("--add") ? "added" : "missing");
        std::fprintf(context.out, "%s  %-28s  %s\n", CDateTime(holiday.day).Format("%x").c_str(), holiday.name.c_str(),
                     state);
    }
    return 0;
}
