#include "core/QuotedText.h"

#include "core/TextEncoding.h"

#include <cstdio>

namespace {

std::string Escaped(const char* format, unsigned char byte) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, static_cast<unsigned>(byte));
    return escaped;
}

// The length of the UTF-8 character at pos, 0 when the bytes there are none.
size_t Utf8CharacterAt(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    return length != 0 && pos + length <= text.size() && IsValidUtf8(text.substr(pos, length)) ? length : 0;
}

} // namespace

std::string QuoteText(std::string_view text, QuoteStyle style) {
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (style == QuoteStyle::Json ? byte < 0x20 : IsControlByte(c)) {
                out += Escaped(style == QuoteStyle::Json ? "\\u%04x" : "\\x%02X", byte);
            } else if (style == QuoteStyle::Ini && byte >= 0x80) {
                const size_t length = Utf8CharacterAt(text, pos);
                if (length == 0) {
                    out += Escaped("\\x%02X", byte);
                } else {
                    out += text.substr(pos, length);
                    pos += length - 1;
                }
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}
