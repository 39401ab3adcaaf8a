#include "utf.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character at the head of text and the bytes it takes; kReplacement and 1 for a
// byte that begins no valid character.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return {kReplacement, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return {kReplacement, 1};
        c = (c << 6) | (next & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    if (c < least[length] || c > 0x10FFFF || surrogate) return {kReplacement, 1};
    return {c, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    constexpr unsigned char kLead[] = {0x00, 0x00, 0xC0, 0xE0, 0xF0};
    const int length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    out += static_cast<char>(kLead[length] | (c >> (6 * (length - 1))));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    while (!text.empty()) {
        const auto [c, length] = DecodeUtf8(text);
        text.remove_prefix(length);
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = kReplacement;
        AppendUtf8(out, c);
    }
    return out;
}
