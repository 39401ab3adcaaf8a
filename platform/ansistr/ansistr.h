#pragma once
// The 8-bit strings of the module runtime that veltan and its outside libraries
// (parsek, strimo) share, and the conversion between them and UTF-16.
//
// Format: a pointer to the first character of a zero-terminated array of 8-bit
// characters whose length stands as a 32-bit integer in the four bytes before it; a null
// pointer is the empty string. The length, not the zero, ends the string. The characters
// are in the system's 8-bit code page, Windows-1251.
//
// Thread: the conversions keep one converter per direction; call them from one thread
// at a time.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ansistr {

// An owned 8-bit string in the runtime format.
class AnsiString {
  public:
    AnsiString() = default;
    explicit AnsiString(std::string_view text);

    // The string for a call that takes the runtime format: null when empty.
    const char* Data() const { return block_ ? block_.get() + sizeof(std::int32_t) : nullptr; }
    std::string_view View() const;

  private:
    std::unique_ptr<char[]> block_;
};

// The characters of a string in the runtime format.
std::string_view View(const char* text);

// UTF-16 to the 8-bit code page; a character the code page lacks becomes "?".
std::string ToAnsi(std::u16string_view text);
// UTF-8 to the 8-bit code page; a character the code page lacks becomes "?".
std::string Utf8ToAnsi(std::string_view text);
// The 8-bit code page to UTF-16; the one unassigned byte becomes U+FFFD.
std::u16string FromAnsi(std::string_view text);

}  // namespace ansistr
