// Arbitrary bytes as a tariff text, as "fernzahl-cli tariff import" reads it: refused with a line
// and a reason, or taken within the limits of a tariff; a text taken is written as text again and
// read back as the same tariff.
#include "tariffs/TariffDescription.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CTariffDescription::Error error;
    const std::optional<CTariffDescription> description = CTariffDescription::Parse(text, error);
    if (!description) {
        if (error.line == 0 || error.message.empty()) {
            std::abort(); // a refusal names its line and its reason
        }
        return 0;
    }
    const std::string written = description->ToText();
    const std::optional<CTariffDescription> again = CTariffDescription::Parse(written, error);
    if (!again || again->ToText() != written) {
        std::abort(); // what the export writes, the import reads back the same
    }
    return 0;
}
