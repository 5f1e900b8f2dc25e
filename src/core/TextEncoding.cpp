#include "core/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Code points of the bytes 0x80-0x9F; the five unassigned bytes map to the C1 controls as Windows does.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOfByte(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

char ByteOfCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// Puts the character's UTF-8 bytes at out (room for 3, as every Windows-1252 character needs at
// most); the end of them.
char* PutUtf8(char* out, char32_t cp) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// Decodes one character at pos and advances pos; a broken sequence yields U+FFFD and skips one byte.
char32_t NextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + length > s.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += length;
    return cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? 0xFFFD : cp;
}

// Whether the character NextCodePoint read from start is a broken sequence rather than U+FFFD itself.
bool IsBrokenAt(std::string_view s, size_t start, char32_t cp) {
    return cp == 0xFFFD && s.substr(start, 3) != "\xEF\xBF\xBD";
}

// The Windows-1252 byte of the character at pos, which it passes.
char NextWindows1252Byte(std::string_view utf8, size_t& pos) {
    const size_t start = pos;
    const char32_t cp = NextCodePoint(utf8, pos);
    // A byte that is no part of a UTF-8 character comes from a name in an 8-bit character set (a
    // Latin-1 file or peer name): it is kept as the byte it is.
    return IsBrokenAt(utf8, start, cp) ? utf8[start] : ByteOfCodePoint(cp);
}

} // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    // Never longer than the UTF-8: written into that room, not a character at a time.
    std::string out(utf8.size(), '\0');
    size_t length = 0;
    for (size_t pos = 0; pos < utf8.size();) {
        out[length++] = NextWindows1252Byte(utf8, pos);
    }
    out.resize(length);
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    // Written into room for the longest form at once, not a character at a time.
    std::string out(bytes.size() * 3, '\0');
    char* end = out.data();
    for (char c : bytes) {
        end = PutUtf8(end, CodePointOfByte(static_cast<unsigned char>(c)));
    }
    out.resize(static_cast<size_t>(end - out.data()));
    return out;
}

void WriteTextField(uint8_t* field, size_t fieldSize, std::string_view utf8) {
    std::memset(field, 0, fieldSize);
    for (size_t pos = 0, length = 0; pos < utf8.size() && length + 1 < fieldSize;) {
        field[length++] = static_cast<uint8_t>(NextWindows1252Byte(utf8, pos));
    }
}

std::string ReadTextField(const uint8_t* field, size_t fieldSize) {
    std::string text;
    ReadTextField(field, fieldSize, text);
    return text;
}

void ReadTextField(const uint8_t* field, size_t fieldSize, std::string& text) {
    DecodeTextBytes(TextFieldBytes(field, fieldSize), text);
}

std::string_view TextFieldBytes(const uint8_t* field, size_t fieldSize) {
    const void* nul = std::memchr(field, 0, fieldSize);
    const size_t length = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - field) : fieldSize;
    return {reinterpret_cast<const char*>(field), length};
}

void DecodeTextBytes(std::string_view bytes, std::string& text) {
    // Most names are plain ASCII, which reads as it is.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        text.assign(bytes);
    } else {
        text = Windows1252ToUtf8(bytes);
    }
}

size_t CountUtf8Characters(std::string_view utf8) {
    size_t count = 0;
    for (size_t pos = 0; pos < utf8.size(); ++count) {
        NextCodePoint(utf8, pos);
    }
    return count;
}

std::string TruncateUtf8(std::string_view utf8, size_t maxCharacters) {
    size_t pos = 0;
    for (size_t count = 0; pos < utf8.size() && count < maxCharacters; ++count) {
        NextCodePoint(utf8, pos);
    }
    return std::string(utf8.substr(0, pos));
}

bool IsValidUtf8(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        if (IsBrokenAt(text, start, NextCodePoint(text, pos))) {
            return false;
        }
    }
    return true;
}

bool IsControlByte(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}
