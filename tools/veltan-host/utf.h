#pragma once
// UTF-8 on the host's side, UTF-16 at the module's boundary.

#include <string>
#include <string_view>

// UTF-8 to UTF-16; a byte that begins no valid character becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
