#include "parsek.h"

#include <string>
#include <string_view>

#include "ansistr.h"

namespace {

// The field with the given number (from 1); empty when there is none.
std::string_view Field(std::string_view text, unsigned field, char separator) {
    if (field == 0) return {};
    for (; field > 1; --field) {
        const std::size_t end = text.find(separator);
        if (end == std::string_view::npos) return {};
        text.remove_prefix(end + 1);
    }
    return text.substr(0, text.find(separator));
}

}  // namespace

void ReadSection(unsigned char field, const char* text, char separator, BSTR* result) {
    const std::u16string wide = ansistr::FromAnsi(Field(ansistr::View(text), field, separator));
    SysReAllocStringLen(result, wide.data(), static_cast<unsigned>(wide.size()));
}
