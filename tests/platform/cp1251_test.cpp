#include "cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, RoundTripsRussianText) {
    const std::string text = "Ёжик в тумане: «Щука», №5 — ёлка.";
    const std::string bytes = cp1251::FromUtf8(text);
    EXPECT_EQ(bytes.size(), cp1251::DecodeUtf8(text).size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA8);  // Ё
    EXPECT_EQ(cp1251::ToUtf8(bytes), text);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeTheFallback) {
    EXPECT_EQ(cp1251::FromUtf8("a\u4E2Db"), "a?b");
    EXPECT_EQ(cp1251::FromUtf8("\xFF\xFEz"), "??z");  // invalid UTF-8
    EXPECT_FALSE(cp1251::FromUnicode(U'\u4E2D').has_value());
}

TEST(Cp1251, EveryByteDecodes) {
    for (int b = 0; b < 256; ++b) {
        char32_t c = cp1251::ToUnicode(static_cast<unsigned char>(b));
        if (b == 0x98) {
            EXPECT_EQ(c, cp1251::kReplacement);
            continue;
        }
        EXPECT_EQ(cp1251::FromUnicode(c), static_cast<unsigned char>(b)) << b;
    }
}

}  // namespace
