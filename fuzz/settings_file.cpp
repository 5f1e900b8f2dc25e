// Arbitrary bytes as "fernzahl.ini" (and as a checkpoint, which is written in the same form): a
// text the reader takes whole reads back from its written form to the same values; a damaged one
// names a line it has.
#include "metering/Checkpoint.h"
#include "settings/IniDocument.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CIniDocument doc = CIniDocument::Parse(text);
    if (doc.GetDamagedLine() != 0) {
        if (doc.GetDamagedLine() > std::count(text.begin(), text.end(), '\n') + 1) {
            std::abort();
        }
    } else {
        const CIniDocument again = CIniDocument::Parse(doc.ToText());
        if (again.GetDamagedLine() != 0 || again.Sections() != doc.Sections()) {
            std::abort();
        }
    }
    if (const std::optional<CCheckpoint> checkpoint = CCheckpoint::Parse(text)) {
        if (!CCheckpoint::Parse(checkpoint->ToText())) {
            std::abort();
        }
    }
    return 0;
}
