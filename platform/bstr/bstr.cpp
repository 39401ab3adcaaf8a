#include "bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);

// The block of a string begins with its 32-bit byte length, the string itself follows.
std::uint32_t* Block(BSTR bstr) {
    return reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(bstr) - kPrefix);
}

}  // namespace

BSTR SysAllocStringLen(const char16_t* str, unsigned int len) {
    const std::uint64_t bytes = std::uint64_t{len} * sizeof(char16_t);
    if (bytes > UINT32_MAX - kPrefix - sizeof(char16_t)) return nullptr;
    auto* block = static_cast<char*>(std::malloc(kPrefix + bytes + sizeof(char16_t)));
    if (!block) return nullptr;
    const auto length = static_cast<std::uint32_t>(bytes);
    std::memcpy(block, &length, kPrefix);
    auto* text = reinterpret_cast<char16_t*>(block + kPrefix);
    if (str)
        std::memcpy(text, str, bytes);
    else
        std::memset(text, 0, bytes);
    text[len] = u'\0';
    return text;
}

int SysReAllocStringLen(BSTR* bstr, const char16_t* str, unsigned int len) {
    if (!bstr) return 0;
    // The new string is made before the old one goes: str may point into it.
    BSTR made = SysAllocStringLen(str, len);
    if (!made) return 0;
    SysFreeString(*bstr);
    *bstr = made;
    return 1;
}

void SysFreeString(BSTR bstr) {
    if (bstr) std::free(Block(bstr));
}

unsigned int SysStringLen(BSTR bstr) {
    if (!bstr) return 0;
    std::uint32_t bytes;
    std::memcpy(&bytes, Block(bstr), kPrefix);
    return bytes / sizeof(char16_t);
}
