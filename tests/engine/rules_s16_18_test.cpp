// The rule tables of the signature, legibility and doodle sections, read directly.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ruletest.h"

namespace {

using enum OptionId;
using ruletest::IsSelf;
using ruletest::kAllVariants;
using ruletest::Rule;
using ruletest::Text;
using ruletest::VariantName;

const TRuleSection* const kSections[] = {&rules::kSection16, &rules::kSection17,
                                         &rules::kSection18};

// ---------------------------------------------------------------------------
// Which rules fire, and in which order.

struct TFiringCase {
    const char* Name;
    std::vector<OptionId> Checked;
    std::vector<std::string> Fired;
};

void PrintTo(const TFiringCase& c, std::ostream* os) { *os << c.Name; }

class FiringTest : public testing::TestWithParam<TFiringCase> {};

TEST_P(FiringTest, FiresExactlyTheseRulesInOrder) {
    EXPECT_EQ(ruletest::FiredRules(ruletest::Sheet(GetParam().Checked), 16, 18), GetParam().Fired);
}

const std::vector<OptionId> kAllDoodles = {RB18_1, RB18_2, RB18_3, RB18_4,  RB18_5,  RB18_6,
                                           RB18_7, RB18_8, RB18_9, RB18_10, RB18_11, RB18_12};

std::vector<OptionId> With(std::vector<OptionId> ids, OptionId more) {
    ids.push_back(more);
    return ids;
}

INSTANTIATE_TEST_SUITE_P(
    Sections16To18, FiringTest,
    testing::Values(
        TFiringCase{"EmptySheet", {}, {}},
        TFiringCase{"SignatureLeftWithRightSlant", {RB16_1, RB1_3}, {"16.1"}},
        TFiringCase{"SignatureLeftWithStrongRightSlant", {RB16_1, RB1_4}, {"16.1"}},
        TFiringCase{"SignatureLeftWithLeftSlant", {RB16_1, RB1_1}, {}},
        TFiringCase{"SignatureLeftWithoutSlant", {RB16_1}, {}},
        // A slant of the handwriting alone must not pass for the signature's.
        TFiringCase{"StrongRightSlantWithoutSignatureSlant", {RB1_4}, {}},
        TFiringCase{"SignatureRightWithStrongLeftSlant", {RB16_3, RB1_2}, {"16.2"}},
        TFiringCase{"StrongLeftSlantWithoutSignatureSlant", {RB1_2}, {}},
        TFiringCase{"LargeSignatureOfSmallHandwriting", {RB16_4, RB7_1}, {"16.3"}},
        TFiringCase{"SmallFancySignatureOfLargeHandwriting", {RB16_6, RB7_4, RB16_7}, {"16.4"}},
        TFiringCase{"SmallPlainSignatureOfLargeHandwriting", {RB16_6, RB7_4}, {}},
        TFiringCase{"DotAfterSignature", {RB16_8}, {"16.5"}},
        TFiringCase{"LineAboveSignature", {RB16_21}, {"16.16"}},
        TFiringCase{"LineAboveAndUnderSignature", {RB16_10, RB16_21}, {"16.15", "16.16"}},
        TFiringCase{"StrongLongLineUnderSignature", {RB16_10, RB16_11, RB16_15}, {"16.6", "16.10"}},
        TFiringCase{"StrongLongLineWithoutLineUnder", {RB16_11, RB16_15}, {}},
        TFiringCase{"LightLongLineUnderSignature", {RB16_10, RB16_12, RB16_15}, {"16.7", "16.9"}},
        TFiringCase{"EveryLineFeatureUnderSignature",
                    {RB16_10, RB16_11, RB16_14, RB16_17, RB16_18, RB16_19, RB16_20},
                    {"16.6", "16.8", "16.11", "16.12", "16.13", "16.14"}},
        TFiringCase{"LineFeaturesWithoutLineUnder",
                    {RB16_11, RB16_14, RB16_17, RB16_18, RB16_19, RB16_20},
                    {}},
        TFiringCase{"ClearHandwriting", {RB17_1}, {"17.1"}},
        TFiringCase{"ClearHandwritingWithOriginalLetters", {RB17_1, RB7_7}, {"17.1", "17.2"}},
        TFiringCase{"ClearHandwritingWithOriginalLettersAndFlourishedCapitals",
                    {RB17_1, RB7_7, RB15_8},
                    {"17.1"}},
        TFiringCase{"IllegibleHandwriting", {RB17_2, RB7_7}, {"17.3"}},
        TFiringCase{"LegibleOnSecondLook", {RB17_3}, {"17.4"}},
        TFiringCase{"AllDoodles",
                    kAllDoodles,
                    {"18.1", "18.2", "18.3", "18.4", "18.5", "18.6", "18.7", "18.8", "18.9",
                     "18.10", "18.11"}},
        TFiringCase{"NoDoodlesBlocksEveryDoodle", With(kAllDoodles, RB18_13), {}},
        TFiringCase{"WavyLinesAndTrebleClef", {RB18_11, RB18_12}, {"18.10", "18.11"}},
        TFiringCase{"OneRulePerSection", {RB16_8, RB17_3, RB18_10}, {"16.5", "17.4", "18.9"}}),
    [](const testing::TestParamInfo<TFiringCase>& info) { return info.param.Name; });

// ---------------------------------------------------------------------------
// Texts that are fixed word for word.

struct TQuotedCase {
    const char* Name;
    const char* Id;
    TTextVariant Variant;
    std::string_view Text;
};

void PrintTo(const TQuotedCase& c, std::ostream* os) { *os << c.Name; }

class QuotedTextTest : public testing::TestWithParam<TQuotedCase> {};

TEST_P(QuotedTextTest, ReadsExactly) {
    EXPECT_EQ(Text(Rule(GetParam().Id), GetParam().Variant), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Sections16To18, QuotedTextTest,
    testing::Values(
        TQuotedCase{"Rule16_5_SelfMale", "16.5", TTextVariant::SelfMale, "Вы упрямый. "},
        TQuotedCase{"Rule16_5_SelfFemale", "16.5", TTextVariant::SelfFemale, "Вы упрямая. "},
        TQuotedCase{"Rule16_5_OtherMale", "16.5", TTextVariant::OtherMale, "{N} упрямый. "},
        TQuotedCase{"Rule16_5_OtherFemale", "16.5", TTextVariant::OtherFemale, "{N} упрямая. "},
        TQuotedCase{"Rule18_9_SelfMale", "18.9", TTextVariant::SelfMale,
                    "Вы проявляете спортивный дух. "},
        TQuotedCase{"Rule18_9_SelfFemale", "18.9", TTextVariant::SelfFemale,
                    "Вы проявляете спортивный дух. "},
        TQuotedCase{"Rule18_9_OtherMale", "18.9", TTextVariant::OtherMale,
                    "{N} проявляет спортивный дух. "},
        TQuotedCase{"Rule18_9_OtherFemale", "18.9", TTextVariant::OtherFemale,
                    "{N} проявляет спортивный дух. "}),
    [](const testing::TestParamInfo<TQuotedCase>& info) { return info.param.Name; });

// Two kinds of doodle state one finding: the report repeats the same paragraph.
TEST(RepeatedFinding, MusicReadsTheSameInEveryVariant) {
    for (TTextVariant variant : kAllVariants)
        EXPECT_EQ(Text(Rule("18.10"), variant), Text(Rule("18.11"), variant));
}

// ---------------------------------------------------------------------------
// Where the first name stands, and which texts both genders share.

struct TPatternCase {
    const char* Id;
    const char* Self;
    const char* Other;
    bool SelfOneText;   // both genders read the identical self text
    bool OtherOneText;  // both genders read the identical other text
};

const TPatternCase kPatterns[] = {
    {"16.1", "t", "t", true, true},
    {"16.2", "t", "t N t", false, false},
    {"16.3", "t", "N t N t", false, false},
    {"16.4", "t", "N t", false, false},
    {"16.5", "t", "N t", false, false},
    {"16.6", "t", "N t", true, true},
    {"16.7", "t", "t", true, false},
    {"16.8", "t", "t", true, false},
    {"16.9", "t", "t", true, false},
    {"16.10", "t", "t N t", false, false},
    {"16.11", "t", "t", true, false},
    {"16.12", "t", "N t", false, false},
    {"16.13", "N t", "N t N t", false, false},
    {"16.14", "t", "N t", false, false},
    {"16.15", "t", "t", true, false},
    {"16.16", "t", "N t N t", true, false},
    {"17.1", "t", "N t N t", false, false},
    {"17.2", "N t", "t N t", false, false},
    {"17.3", "t N t", "t N t", false, false},
    {"17.4", "t", "t N t", true, false},
    {"18.1", "t", "t N t", true, false},
    {"18.2", "t", "t N t", true, false},
    {"18.3", "t", "N t", false, false},
    {"18.4", "t", "N t", false, false},
    {"18.5", "t", "N t", true, true},
    {"18.6", "t", "t", true, false},
    {"18.7", "t", "N t", true, false},
    {"18.8", "t", "N t", true, true},
    {"18.9", "t", "N t", true, true},
    {"18.10", "t", "t", true, false},
    {"18.11", "t", "t", true, false},
};

// Every rule of the three sections has its row, in the tables' order.
TEST(PatternTable, ListsEveryRuleOfTheSections) {
    std::vector<std::string_view> inTables, inRows;
    for (const TRuleSection* section : kSections)
        for (const TRule& rule : section->Rules) inTables.push_back(rule.Id);
    for (const TPatternCase& row : kPatterns) inRows.push_back(row.Id);
    EXPECT_EQ(inTables, inRows);
}

void PrintTo(const TPatternCase& c, std::ostream* os) { *os << c.Id; }

class PatternTest : public testing::TestWithParam<TPatternCase> {};

TEST_P(PatternTest, NameSlotsStandWhereThePatternSays) {
    const TRule& rule = Rule(GetParam().Id);
    for (TTextVariant variant : kAllVariants) {
        SCOPED_TRACE(VariantName(variant));
        const std::string_view text = Text(rule, variant);
        EXPECT_EQ(ruletest::Pattern(text), IsSelf(variant) ? GetParam().Self : GetParam().Other);
        // The name carries no punctuation of its own: the fixed texts around it do.
        EXPECT_EQ(ruletest::NameSlotFault(text, IsSelf(variant)), "") << text;
    }
}

TEST_P(PatternTest, FemaleTextIsOwnUnlessOneText) {
    const TRule& rule = Rule(GetParam().Id);
    EXPECT_EQ(rule.SelfFemale.empty(), GetParam().SelfOneText);
    EXPECT_EQ(rule.OtherFemale.empty(), GetParam().OtherOneText);
    // A female text of its own differs from the male one in grammatical gender.
    if (!GetParam().SelfOneText) {
        EXPECT_NE(rule.SelfFemale, rule.SelfMale);
    }
    if (!GetParam().OtherOneText) {
        EXPECT_NE(rule.OtherFemale, rule.OtherMale);
    }
}

INSTANTIATE_TEST_SUITE_P(Sections16To18, PatternTest, testing::ValuesIn(kPatterns),
                         [](const testing::TestParamInfo<TPatternCase>& info) {
                             return ruletest::RowName(info.param.Id);
                         });

}  // namespace
