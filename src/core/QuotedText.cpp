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

// Line style: no quotes around, so a quote is no special character, and bytes that are no UTF-8
// are the terminal's business.
enum class EscapeStyle { Ini, Json, Line };

std::string Escape(std::string_view text, EscapeStyle style) {
    std::string out;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += style == EscapeStyle::Line ? "\"" : "\\\"";
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
            if (style == EscapeStyle::Json ? byte < 0x20 : IsControlByte(c)) {
                out += Escaped(style == EscapeStyle::Json ? "\\u%04x" : "\\x%02X", byte);
            } else if (style == EscapeStyle::Ini && byte >= 0x80) {
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
    return out;
}

} // namespace

std::string QuoteText(std::string_view text, QuoteStyle style) {
    return '"' + Escape(text, style == QuoteStyle::Json ? EscapeStyle::Json : EscapeStyle::Ini) + '"';
}

std::string EscapeForLine(std::string_view text) {
    return Escape(text, EscapeStyle::Line);
}
