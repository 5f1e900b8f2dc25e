#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the program reads at a section and name: the fixed settings of the table and the values
// named by their users (recent descriptions, column widths, the assignment of dial-up entries).
// The command line refuses what is not here, as the options sheet would.
struct SettingSpec {
    // An amount is stored as a number in ten-thousandths of the currency unit.
    enum class Kind { Number, Amount, String };
    Kind kind = Kind::Number;
    uint32_t minValue = 0;
    uint32_t maxValue = UINT32_MAX;
};

class CSettingsCatalog {
public:
    static std::optional<SettingSpec> Find(std::string_view section, std::string_view name);
    // "Section Name" of the known value closest to the given one (fewest edits), for a message.
    static std::string Nearest(std::string_view section, std::string_view name);
};
