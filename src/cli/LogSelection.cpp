#include "cli/LogSelection.h"

#include "cli/CommandOptions.h"
#include "core/NumberText.h"
#include "core/StringTable.h"
#include "settings/DateTimeInput.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, CProtokollFilter::TextField>, 4> kTextOptions = {
    {{"--connection", CProtokollFilter::kConnection},
     {"--user", CProtokollFilter::kUser},
     {"--device", CProtokollFilter::kDevice},
     {"--tariff", CProtokollFilter::kTariff}}};

constexpr std::array<const char*, CProtokollRows::kColumns> kSortNames = {"start",      "duration", "units",  "costs",
                                                                          "connection", "user",     "device", "tariff"};

constexpr const char* kDateForm = "a date and time (\"YYYY-MM-DD HH:MM[:SS]\" or as the locale writes it)";

// A duration as a time of day ("00:01:30") or in whole seconds.
std::optional<CDateTime> ParseDuration(const std::string& text) {
    if (const std::optional<uint32_t> seconds = ParseUint32(text); seconds && *seconds < 86400) {
        return CDateTime(CTimeSpan::FromSeconds(*seconds).GetDays());
    }
    const std::optional<CDateTime> time = ParseDateTimeInput(text);
    return time && time->SplitDayAndSecond().day == 0 ? time : std::nullopt;
}

} // namespace

std::set<std::string> CLogSelection::ValueOptions(bool withOrder) {
    std::set<std::string> options = {"--from",         "--to",         "--shortest", "--longest",
                                     "--fewest-units", "--most-units", "--cheapest", "--dearest"};
    for (const auto& [option, field] : kTextOptions) {
        options.insert(option);
    }
    if (withOrder) {
        options.insert("--sort");
    }
    return options;
}

std::set<std::string> CLogSelection::Flags(bool withOrder) {
    std::set<std::string> flags = {"--today", "--this-week", "--this-month"};
    if (withOrder) {
        flags.insert("--descending");
    }
    return flags;
}

bool CLogSelection::Refuse(const std::string& option, const std::string& value, const char* expected) {
    m_error = option + " \"" + value + "\" is not " + expected;
    return false;
}

bool CLogSelection::Parse(const CCommandOptions& options, const std::string& directory, const CDateTime& now,
                          const CStringTable& strings, bool withOrder) {
    if (withOrder && !ParseSort(options)) {
        return false;
    }
    const std::set<std::string> filters = ValueOptions(false);
    const std::set<std::string> periods = Flags(false);
    const auto given = [&options](const std::string& option) { return options.Has(option); };
    const bool filtered =
        std::any_of(filters.begin(), filters.end(), given) || std::any_of(periods.begin(), periods.end(), given);
    if (!filtered) {
        return true;
    }
    // As in the log view: bounds that enclose the whole log, narrowed by what was asked for.
    m_filter.Scan(directory, now, strings);
    m_filter.SetActive(true);
    for (const auto& [flag, period] :
         {std::pair{"--today", CProtokollFilter::Today(now)}, std::pair{"--this-week", CProtokollFilter::ThisWeek(now)},
          std::pair{"--this-month", CProtokollFilter::ThisMonth(now)}}) {
        if (options.Has(flag)) {
            m_filter.from = std::max(m_filter.from, period.from);
            m_filter.to = std::min(m_filter.to, period.to);
        }
    }
    return ParseBounds(options) && ParseTexts(options, strings);
}

bool CLogSelection::ParseBounds(const CCommandOptions& options) {
    for (const auto& [option, bound] : {std::pair{"--from", &m_filter.from}, std::pair{"--to", &m_filter.to}}) {
        if (const std::optional<std::string> text = options.Get(option)) {
            const std::optional<CDateTime> moment = ParseDateTimeInput(*text);
            if (!moment) {
                return Refuse(option, *text, kDateForm);
            }
            *bound = *moment;
        }
    }
    for (const auto& [option, bound] :
         {std::pair{"--shortest", &m_filter.shortest}, std::pair{"--longest", &m_filter.longest}}) {
        if (const std::optional<std::string> text = options.Get(option)) {
            const std::optional<CDateTime> length = ParseDuration(*text);
            if (!length) {
                return Refuse(option, *text, "a duration (seconds, or HH:MM:SS below a day)");
            }
            *bound = *length;
        }
    }
    for (const auto& [option, bound] :
         {std::pair{"--fewest-units", &m_filter.fewestUnits}, std::pair{"--most-units", &m_filter.mostUnits}}) {
        if (const std::optional<std::string> text = options.Get(option)) {
            const std::optional<int32_t> units = ParseInt32(*text);
            if (!units) {
                return Refuse(option, *text, "a whole number");
            }
            *bound = *units;
        }
    }
    for (const auto& [option, bound] :
         {std::pair{"--cheapest", &m_filter.cheapest}, std::pair{"--dearest", &m_filter.dearest}}) {
        if (const std::optional<std::string> text = options.Get(option)) {
            const std::optional<CMoney> amount = CMoney::Parse(*text);
            if (!amount) {
                return Refuse(option, *text, "an amount such as 1.25");
            }
            *bound = *amount;
        }
    }
    return true;
}

bool CLogSelection::ParseTexts(const CCommandOptions& options, const CStringTable& strings) {
    for (const auto& [option, field] : kTextOptions) {
        if (const std::optional<std::string> text = options.Get(option)) {
            const std::vector<std::string>& choices = m_filter.Choices(field);
            const auto found = std::find(choices.begin() + 1, choices.end(), strings.ShownName(*text));
            m_nothingMatches = m_nothingMatches || found == choices.end();
            m_filter.Select(field, found == choices.end() ? 0 : static_cast<int>(found - choices.begin()));
        }
    }
    return true;
}

bool CLogSelection::ParseSort(const CCommandOptions& options) {
    m_descending = options.Has("--descending");
    const std::optional<std::string> name = options.Get("--sort");
    if (!name) {
        return true;
    }
    const auto found = std::find(kSortNames.begin(), kSortNames.end(), *name);
    if (found == kSortNames.end()) {
        return Refuse("--sort", *name, "start, duration, units, costs, connection, user, device or tariff");
    }
    m_column = static_cast<CProtokollRows::Column>(found - kSortNames.begin());
    return true;
}

void CLogSelection::Read(const std::string& directory, const CStringTable& strings, CProtokollRows& rows) const {
    if (m_nothingMatches) {
        rows = CProtokollRows();
        return;
    }
    rows.Read(directory, &m_filter, strings);
}

std::vector<uint32_t> CLogSelection::Order(const CProtokollRows& rows) const {
    return rows.Order(m_column, m_descending);
}
