#include "cli/JsonText.h"

#include "core/QuotedText.h"

std::string JsonString(std::string_view text) {
    return QuoteText(text, QuoteStyle::Json);
}
