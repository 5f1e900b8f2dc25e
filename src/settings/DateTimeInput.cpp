#include "settings/DateTimeInput.h"

#include "core/TextLines.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"

#include <ctime>
#include <langinfo.h>
#include <vector>

namespace {

// The locale's time form spelled out (glibc gives en_US's as "%r"), then the same without seconds,
// so that "10:00 AM" is taken wherever "10:00:00 AM" is.
std::vector<std::string> LocaleTimeForms() {
    std::string time = nl_langinfo(T_FMT);
    if (time == "%r") {
        time = nl_langinfo(T_FMT_AMPM);
    } else if (time == "%T") {
        time = "%H:%M:%S";
    }
    std::vector<std::string> forms = {time};
    const size_t seconds = time.find("%S");
    if (seconds != std::string::npos && seconds > 0) {
        forms.push_back(time.erase(seconds - 1, 3)); // the separator before the seconds, and them
    }
    return forms;
}

// The forms of a moment, tried in turn.
std::vector<std::string> DateTimeForms() {
    const std::string date = nl_langinfo(D_FMT);
    std::vector<std::string> forms;
    for (const std::string& time : LocaleTimeForms()) {
        forms.push_back(date + " " + time);
    }
    forms.insert(forms.end(), {date + " %H:%M:%S", date + " %H:%M", "%Y-%m-%d %H:%M:%S", "%Y-%m-%dT%H:%M:%S",
                               "%Y-%m-%d %H:%M", "%Y-%m-%dT%H:%M"});
    return forms;
}

std::vector<std::string> DateForms() {
    return {nl_langinfo(D_FMT), "%Y-%m-%d"};
}

std::vector<std::string> TimeForms() {
    std::vector<std::string> forms = LocaleTimeForms();
    forms.insert(forms.end(), {"%H:%M:%S", "%H:%M"});
    return forms;
}

// The fields of the text in the first of the forms that takes it whole.
std::optional<std::tm> Fields(std::string_view input, const std::vector<std::string>& forms) {
    const std::string text(TrimBlanks(input));
    for (const std::string& form : forms) {
        std::tm fields{};
        fields.tm_mday = 1;
        const char* end = strptime(text.c_str(), form.c_str(), &fields);
        if (end != nullptr && *end == '\0') {
            return fields;
        }
    }
    return std::nullopt;
}

std::optional<CDateTime> FromFields(const std::tm& f, bool withDate) {
    if (f.tm_hour > 23 || f.tm_min > 59 || f.tm_sec > 59) {
        return std::nullopt;
    }
    if (!withDate) {
        return CDateTime::FromDate(1899, 12, 30, f.tm_hour, f.tm_min, f.tm_sec);
    }
    const int year = f.tm_year + 1900;
    if (!CDateTime::IsValidDate(year, f.tm_mon + 1, f.tm_mday)) {
        return std::nullopt;
    }
    return CDateTime::FromDate(year, f.tm_mon + 1, f.tm_mday, f.tm_hour, f.tm_min, f.tm_sec);
}

} // namespace

std::optional<CDateTime> ParseDateTimeInput(std::string_view text) {
    for (const auto& [forms, withDate] :
         {std::pair{DateTimeForms(), true}, std::pair{DateForms(), true}, std::pair{TimeForms(), false}}) {
        if (const std::optional<std::tm> fields = Fields(text, forms)) {
            return FromFields(*fields, withDate);
        }
    }
    return std::nullopt;
}

std::optional<CDateTime> ParseDateInput(std::string_view text) {
    const std::optional<std::tm> fields = Fields(text, DateForms());
    return fields ? FromFields(*fields, true) : std::nullopt;
}

std::string FormatDateTimeInput(const CDateTime& value) {
    // Durations are kept as times of day: shown as the lists show durations, never "AM".
    if (value.SplitDayAndSecond().day == 0) {
        return FormatTimeOfDay(value.GetOleDate());
    }
    return CDateTimeText().Format(value);
}
