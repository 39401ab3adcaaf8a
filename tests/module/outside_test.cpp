// The stand-ins of the outside libraries: ReadSection of libparsek and EqStrings of
// libstrimo, called with 8-bit strings in the module runtime's format.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "parsek.h"
#include "strimo.h"

namespace {

// Rows of the case tables print as their names.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// An 8-bit string in the runtime format: the 32-bit length, the bytes, a zero.
class RuntimeString {
  public:
    explicit RuntimeString(std::string_view bytes) : block_(4 + bytes.size() + 1, '\0') {
        const auto length = static_cast<std::int32_t>(bytes.size());
        std::memcpy(block_.data(), &length, 4);
        std::memcpy(block_.data() + 4, bytes.data(), bytes.size());
    }
    const char* Get() const { return block_.data() + 4; }

  private:
    std::vector<char> block_;
};

std::u16string Read(unsigned char field, const char* text, char separator = '$') {
    BSTR result = nullptr;
    ReadSection(field, text, separator, &result);
    std::u16string wide(result, SysStringLen(result));
    SysFreeString(result);
    return wide;
}

struct FieldCase {
    const char* name;
    std::string entry;  // Windows-1251 bytes
    unsigned char field;
    std::u16string expected;
};

class ReadSectionField : public testing::TestWithParam<FieldCase> {};

TEST_P(ReadSectionField, IsTheTextBetweenSeparators) {
    EXPECT_EQ(Read(GetParam().field, RuntimeString(GetParam().entry).Get()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadSectionField,
    testing::Values(
        // "Размер$Мелкий$" in Windows-1251.
        FieldCase{"Key", "\xD0\xE0\xE7\xEC\xE5\xF0$\xCC\xE5\xEB\xEA\xE8\xE9$", 1, u"Размер"},
        FieldCase{"Value", "\xD0\xE0\xE7\xEC\xE5\xF0$\xCC\xE5\xEB\xEA\xE8\xE9$", 2, u"Мелкий"},
        FieldCase{"YoAndDashes", "\xA8$\x96\x97$", 2, u"–—"},
        FieldCase{"PastTheLastSeparator", "key$value$", 3, u""},
        FieldCase{"FarPastTheEnd", "key$value$", 200, u""},
        FieldCase{"NumberZero", "key$value$", 0, u""}, FieldCase{"EmptyKey", "$value$", 1, u""},
        FieldCase{"NoFinalSeparator", "key$value", 2, u"value"},
        FieldCase{"NoSeparatorAtAll", "key", 1, u"key"},
        FieldCase{"ZeroInsideValue", std::string("key$va\0ue$", 10), 2,
                  std::u16string(u"va\0ue", 5)},
        FieldCase{"ShiftedByDollarInValue", "key$va$lue$", 2, u"va"}),
    [](const auto& info) { return info.param.name; });

TEST(ReadSection, NullEntryIsEmpty) { EXPECT_EQ(Read(1, nullptr), u""); }

TEST(ReadSection, OtherSeparator) { EXPECT_EQ(Read(2, RuntimeString("a;b;c").Get(), ';'), u"b"); }

TEST(ReadSection, ReplacesTheStringInTheVariable) {
    BSTR result = SysAllocStringLen(u"прежнее", 7);
    ReadSection(1, RuntimeString("key$value$").Get(), '$', &result);
    EXPECT_EQ(std::u16string_view(result, SysStringLen(result)), u"key");
    SysFreeString(result);
}

struct EqualCase {
    const char* name;
    const char* first;  // null: a null string
    const char* second;
    unsigned char expected;
};

class EqStringsResult : public testing::TestWithParam<EqualCase> {};

TEST_P(EqStringsResult, IsOneOnlyForTheSameBytes) {
    const auto make = [](const char* bytes) {
        return bytes ? std::optional<RuntimeString>(RuntimeString(bytes)) : std::nullopt;
    };
    const std::optional<RuntimeString> first = make(GetParam().first);
    const std::optional<RuntimeString> second = make(GetParam().second);
    EXPECT_EQ(EqStrings(first ? first->Get() : nullptr, second ? second->Get() : nullptr),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, EqStringsResult,
                         testing::Values(EqualCase{"Same", "\xD0\xE0\xE7", "\xD0\xE0\xE7", 1},
                                         EqualCase{"OtherCase", "\xD0\xE0\xE7", "\xF0\xE0\xE7", 0},
                                         EqualCase{"Prefix", "\xD0\xE0", "\xD0\xE0\xE7", 0},
                                         EqualCase{"TrailingSpace", "key", "key ", 0},
                                         EqualCase{"BothNull", nullptr, nullptr, 1},
                                         EqualCase{"NullAndEmpty", nullptr, "", 1},
                                         EqualCase{"NullAndText", nullptr, "key", 0}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
