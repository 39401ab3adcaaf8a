#pragma once
// The Windows-1251 code page, in which the program's files are written.
// Inside the program texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace cp1251 {

inline constexpr char32_t kReplacement = U'\uFFFD';

// One byte to its character; the unassigned byte 0x98 gives kReplacement.
char32_t ToUnicode(unsigned char byte);
// A character to its byte, or none when the code page lacks it.
std::optional<unsigned char> FromUnicode(char32_t c);

// Windows-1251 bytes to UTF-8. Never fails.
std::string ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1251; a character the code page lacks becomes fallback.
std::string FromUtf8(std::string_view text, char fallback = '?');
// UTF-8 to code points; an invalid byte becomes kReplacement.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace cp1251
