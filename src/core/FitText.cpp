#include "core/FitText.h"

namespace {
constexpr std::string_view kEllipsis = "...";

// The length of the text without its last UTF-8 character.
size_t WithoutLastCharacter(std::string_view text) {
    size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return end;
}
} // namespace

std::string FitTextToWidth(std::string_view text, int width, int margin, const TextWidth& measure) {
    if (text.empty() || measure(text) + margin <= width) {
        return std::string(text);
    }
    const int reserved = measure(kEllipsis) + margin;
    std::string_view rest = text;
    while (true) {
        const size_t shorter = WithoutLastCharacter(rest);
        if (shorter == 0 || measure(rest) + reserved <= width) {
            break;
        }
        rest = rest.substr(0, shorter);
    }
    return std::string(rest) + std::string(kEllipsis);
}
