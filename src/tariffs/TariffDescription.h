#pragma once

#include "core/Money.h"
#include "tariffs/Tarif.h"
#include "tariffs/TarifFile.h"
#include "tariffs/TariffZone.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A tariff written as text for people to read and edit. '#' starts a comment; names are matched
// without regard to case. "[section]" lines divide the text:
//   [options]        "NAME = yes|no" for minimum charge, discount, Friday own table, Sunday own table,
//                    holidays as Sundays (an option not named is off)
//   [discount]       "units = N", "price = AMOUNT"
//   [working days], [Friday], [weekend], [Sunday], [holidays]
//                    zones of that day kind, one a line: "FROM-TO SECONDS PRICE" (08:00-17:59 90 0.12),
//                    then any of "start-charge AMOUNT", "minimum-charge AMOUNT", "initial-period SECONDS",
//                    "discount-seconds SECONDS" (default: SECONDS), "no-discount"
//   [holiday dates]  one YYYY-MM-DD a line
// Read from a tariff file and written as text, a tariff reads back as the same records.
class CTariffDescription {
public:
    // Why a text was refused: the line, counted from 1, and what is wrong with it.
    struct Error {
        size_t line = 0;
        std::string message;
    };
    // A kind of "[section]"; known only to the parser.
    struct Section;

    // The tariff the text describes, or nothing and the first fault in the text.
    static std::optional<CTariffDescription> Parse(std::string_view text, Error& error);
    // The tariff a tariff file holds; nothing when it cannot be read or holds records of another kind.
    static std::optional<CTariffDescription> ReadTariffFile(const std::string& path);

    // The text that Parse reads back as this tariff: options, discount, the zones of each kind of
    // day in their order, holiday dates. A holiday stored with a time of day, which never applies,
    // stays a comment.
    std::string ToText() const;

    // Writes the tariff as a new tariff file: the options, the discount, the holidays, then the
    // zones in the order the text lists them, since the first zone that covers a moment wins.
    // The file appears whole or not at all; an existing file of that name is replaced only when
    // replace is set (otherwise the write fails with EEXIST).
    bool WriteTariffFile(const std::string& path, bool replace = true) const;

private:
    // A zone of a kind of day; charges not written in the text are none.
    struct Zone {
        uint32_t kind = 0;
        TariffZone fields{.startCharge = CMoney(), .minimumCharge = CMoney()};
    };
    // Without a discount record the lookup uses its default discount; a [discount] section starts from it.
    struct Discount {
        uint32_t unitLimit = CTarif::kDefaultDiscountLimit;
        CMoney price{CTarif::kDefaultDiscountPrice};
    };

    // Takes one line of the section it stands in.
    void ReadLine(const Section* section, std::string_view line);
    void ReadOption(std::string_view line);
    void ReadDiscount(std::string_view line);
    void ReadZone(uint32_t kind, std::string_view line);
    // Takes the record the file stands on.
    void TakeRecord(const CTarifFile& file, bool& optionsTaken);

    std::array<bool, 5> m_options{};
    std::optional<Discount> m_discount;
    std::vector<double> m_holidays; // OLE dates; whole days unless the file was written elsewhere
    std::vector<Zone> m_zones;
};
