// libbstr: the wide-string allocator that hosts and the module share.

#include "bstr.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

// The byte length stored before the string.
std::uint32_t BytePrefix(BSTR text) {
    std::uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<const char*>(text) - sizeof bytes, sizeof bytes);
    return bytes;
}

TEST(SysAllocStringLen, CopiesTheUnitsWithZerosInsideAndEndsWithZero) {
    const char16_t units[] = {u'а', 0, u'б', 0, u'в'};
    BSTR text = SysAllocStringLen(units, 5);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 5u);
    EXPECT_EQ(BytePrefix(text), 10u);
    EXPECT_EQ(std::u16string_view(text, 5), std::u16string_view(units, 5));
    EXPECT_EQ(text[5], u'\0');
    SysFreeString(text);
}

TEST(SysAllocStringLen, WithoutSourceMakesZeroUnits) {
    BSTR text = SysAllocStringLen(nullptr, 3);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string_view(text, 4), std::u16string_view(u"\0\0\0\0", 4));
    SysFreeString(text);
}

TEST(SysAllocStringLen, EmptyStringIsNotNull) {
    BSTR text = SysAllocStringLen(u"x", 0);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 0u);
    EXPECT_EQ(text[0], u'\0');
    SysFreeString(text);
}

// A length whose byte count does not fit the 32-bit prefix must fail, not wrap around.
TEST(SysAllocStringLen, RefusesALengthTheByteCountCannotHold) {
    EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
    EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(SysStringLen, NullIsTheEmptyString) { EXPECT_EQ(SysStringLen(nullptr), 0u); }

TEST(SysFreeString, IgnoresNull) { SysFreeString(nullptr); }

TEST(SysReAllocStringLen, ReplacesTheStringInTheVariable) {
    BSTR text = SysAllocStringLen(u"старое", 6);
    ASSERT_NE(SysReAllocStringLen(&text, u"новое значение", 14), 0);
    EXPECT_EQ(std::u16string_view(text, SysStringLen(text)), u"новое значение");
    SysFreeString(text);
}

TEST(SysReAllocStringLen, FillsANullVariable) {
    BSTR text = nullptr;
    ASSERT_NE(SysReAllocStringLen(&text, u"abc", 3), 0);
    EXPECT_EQ(std::u16string_view(text, SysStringLen(text)), u"abc");
    SysFreeString(text);
}

// The source may be a part of the string it replaces.
TEST(SysReAllocStringLen, TakesItsSourceFromTheOldString) {
    BSTR text = SysAllocStringLen(u"ключ$значение$", 14);
    ASSERT_NE(SysReAllocStringLen(&text, text + 5, 8), 0);
    EXPECT_EQ(std::u16string_view(text, SysStringLen(text)), u"значение");
    SysFreeString(text);
}

TEST(SysReAllocStringLen, FailureLeavesTheVariableAlone) {
    BSTR text = SysAllocStringLen(u"держится", 8);
    const BSTR before = text;
    EXPECT_EQ(SysReAllocStringLen(&text, nullptr, 0xFFFFFFFFu), 0);
    EXPECT_EQ(text, before);
    EXPECT_EQ(SysReAllocStringLen(nullptr, u"x", 1), 0);
    SysFreeString(text);
}

}  // namespace
