// The rule tables of sections 5 to 10 (roundness, pressure, size, the dots of Ё,
// hooks, strokes), read directly: which rules fire, what each condition rests on,
// the texts given word for word, and where the first name stands.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "report.h"
#include "ruletest.h"

namespace {

using enum OptionId;
using ruletest::IsSelf;
using ruletest::kAllVariants;
using ruletest::Rule;
using ruletest::Sheet;
using ruletest::Text;
using ruletest::VariantName;

const TRuleSection* const kRoundnessToStrokes[] = {&rules::kSection5, &rules::kSection6,
                                                   &rules::kSection7, &rules::kSection8,
                                                   &rules::kSection9, &rules::kSection10};

// ---------------------------------------------------------------------------
// Which rules fire on the sheets that matter, in report order.

struct TSheetCase {
    const char* Name;
    std::vector<OptionId> Checked;
    std::vector<std::string> Fired;
};

void PrintTo(const TSheetCase& c, std::ostream* os) { *os << c.Name; }

class Rules5To10Firing : public testing::TestWithParam<TSheetCase> {};

TEST_P(Rules5To10Firing, AppendsTheseRulesInOrder) {
    EXPECT_EQ(ruletest::FiredRules(Sheet(GetParam().Checked), 5, 10), GetParam().Fired);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Rules5To10Firing,
    testing::Values(
        TSheetCase{"EmptySheetGivesRules10_2And10_8", {}, {"10.2", "10.8"}},
        TSheetCase{"RoundLettersAlone", {RB5_1}, {"5.1", "10.2", "10.8"}},
        TSheetCase{"RoundLettersWithBothAngularChecks",
                   {RB5_1, RB5_2, RB5_3},
                   {"5.1", "5.2", "5.3", "10.2", "10.8"}},
        TSheetCase{"LightPressureDisciplinedMind",
                   {RB6_1, RB15_3, RB7_1, RB5_7},
                   {"6.1", "6.2", "7.1", "7.5", "10.2", "10.8"}},
        TSheetCase{"FancyLettersBlockRule6_2",
                   {RB6_1, RB15_3, RB7_1, RB5_7, RB14_1},
                   {"6.1", "7.1", "7.5", "10.2", "10.8"}},
        TSheetCase{"LightPressureSmallRoundLetters",
                   {RB6_1, RB7_1, RB5_1},
                   {"5.1", "5.4", "6.1", "6.3", "7.1", "10.2", "10.8"}},
        TSheetCase{"CurlsOnCapitalsBlockRule6_3",
                   {RB6_1, RB7_1, RB5_1, RB15_8},
                   {"5.1", "5.4", "6.1", "7.1", "10.2", "10.8"}},
        TSheetCase{
            "HeavyPressureWithGracefulCapitals", {RB6_3, RB15_5}, {"6.7", "6.8", "10.2", "10.8"}},
        TSheetCase{"LargeHandwritingAlone", {RB7_4}, {"7.7", "7.8", "10.2", "10.8"}},
        TSheetCase{"OriginalLettersDropRule7_8", {RB7_4, RB7_7}, {"7.7", "10.2", "10.8"}},
        // A section 10 answer counts for section 7, which runs before it.
        TSheetCase{
            "LongFinalStrokeBringsRule7_9", {RB7_4, RB7_7, RB10_3}, {"7.7", "7.9", "10.2", "10.8"}},
        TSheetCase{"MediumHandwritingAddsNothing", {RB7_3}, {"10.2", "10.8"}},
        TSheetCase{"ChangingSizeAddsNothing", {RB7_6}, {"10.2", "10.8"}},
        TSheetCase{"CirclesOverLetter", {RB8_6}, {"8.6", "8.7", "10.2", "10.8"}},
        TSheetCase{
            "CirclesOverLetterWithFancyLetters", {RB8_6, RB14_1}, {"8.6", "8.8", "10.2", "10.8"}},
        TSheetCase{"HooksAtBothEnds", {RB9_1, RB9_2}, {"9.1", "10.2", "10.8"}},
        TSheetCase{"HookAtStartOnly", {RB9_1}, {"9.2", "10.2", "10.8"}},
        TSheetCase{"HookAtEndOnly", {RB9_2}, {"9.3", "10.2", "10.8"}},
        TSheetCase{"InitialStrokeAlone", {RB10_1}, {"10.1"}},
        TSheetCase{"FinalStrokeAlone", {RB10_2}, {"10.2", "10.3"}},
        TSheetCase{"BothStrokes", {RB10_1, RB10_2}, {"10.1", "10.3"}},
        TSheetCase{"LongFinalStrokeWithAngularLetters",
                   {RB10_2, RB10_3, RB5_4},
                   {"10.2", "10.3", "10.4", "10.5"}},
        TSheetCase{"LongFinalStrokeWithAngularLettersAndInitialStroke",
                   {RB10_1, RB10_2, RB10_3, RB5_4},
                   {"10.1", "10.3", "10.4", "10.5"}},
        // The kinds of final stroke left checked without "Есть конечный штрих" add nothing.
        TSheetCase{"LongStrokeWithoutFinalStroke", {RB10_3}, {"10.2", "10.8"}},
        TSheetCase{"HeavyStrokeWithoutFinalStroke", {RB10_4}, {"10.2", "10.8"}},
        TSheetCase{"ShortStrokeWithoutFinalStroke", {RB10_5}, {"10.2", "10.8"}}),
    [](const testing::TestParamInfo<TSheetCase>& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------------------
// One row per rule: its step, what its condition rests on, and its patterns.

struct TRuleRow {
    const char* Id;
    int Step;
    std::vector<OptionId> Required;   // all of these checked
    std::vector<OptionId> Forbidden;  // none of these checked
    const char* Self;
    const char* SelfFemale;  // nullptr: one text for both genders
    const char* Other;
    const char* OtherFemale;  // nullptr: one text for both genders
};

void PrintTo(const TRuleRow& row, std::ostream* os) { *os << row.Id; }

// Every rule of sections 5 to 10, in evaluation order.
const TRuleRow kRuleRows[] = {
    {"5.1", 1, {RB5_1}, {}, "N t N t", "N t N t", "N t N t", "N t N t"},
    {"5.2", 1, {RB5_1, RB5_2}, {}, "t", nullptr, "t", "t"},
    {"5.3", 1, {RB5_1, RB5_3}, {}, "t", nullptr, "t", "t"},
    {"5.4", 1, {RB5_1, RB7_1}, {}, "t", nullptr, "t N t", "t N t"},
    {"5.5", 1, {RB5_1, RB7_4}, {}, "t", "t", "N t N t", "N t N t"},
    {"5.6", 2, {RB5_4, RB6_3, RB7_4}, {}, "t", nullptr, "N t N t", "N t N t"},
    {"5.7", 2, {RB5_4, RB17_1, RB7_1}, {}, "t", nullptr, "N t N t", "N t N t"},
    {"5.8", 2, {RB5_4, RB5_6, RB2_6}, {}, "t N t", nullptr, "N t N t", "N t N t"},
    {"5.9", 3, {RB5_8}, {}, "t N t", "t N t", "t N t N t", "t N t N t"},
    {"6.1", 1, {RB6_1}, {}, "t", "t", "t N t", "t N t"},
    {"6.2", 1, {RB6_1, RB15_3, RB7_1, RB5_7}, {RB14_1}, "t", nullptr, "t N t", "t N t"},
    {"6.3", 1, {RB6_1, RB7_1, RB5_1}, {RB15_8}, "t", "t", "N t", "N t"},
    {"6.4", 1, {RB6_1, RB5_7, RB12_3}, {}, "t", "t", "N t", "N t"},
    {"6.5", 1, {RB6_1, RB16_11}, {}, "t", "t", "t N t", "t N t"},
    {"6.6", 2, {RB6_2}, {}, "t", nullptr, "t", "t"},
    {"6.7", 3, {RB6_3}, {}, "t", "t", "N t N t N t N t", "N t N t N t N t"},
    {"6.8", 3, {RB6_3, RB15_5}, {}, "t", nullptr, "t N t", "t N t"},
    {"6.9", 3, {RB6_3, RB6_4}, {}, "t", nullptr, "N t N t", "N t N t"},
    {"6.10", 3, {RB6_3, RB16_12}, {}, "t", "t", "t N t", "t N t"},
    {"6.11", 4, {RB6_5}, {}, "t", nullptr, "t", "t"},
    {"6.12", 5, {RB6_6}, {}, "t", nullptr, "t", "t"},
    {"6.13", 6, {RB6_7}, {}, "t", "t", "N t", "N t"},
    {"7.1", 1, {RB7_1}, {}, "N t", "N t", "t N t", "t N t"},
    {"7.2", 1, {RB7_1, RB14_1, RB17_1, RB15_2}, {}, "t", "t", "N t", "N t"},
    {"7.3", 1, {RB7_1, RB7_7, RB15_1}, {}, "N t", "N t", "N t N t", "N t N t"},
    {"7.4", 1, {RB7_1, RB15_1}, {}, "t", nullptr, "t", "t"},
    {"7.5", 1, {RB7_1, RB15_3}, {}, "t", nullptr, "N t", "N t"},
    {"7.6", 1, {RB7_1, RB17_2, RB7_2}, {}, "t", "t", "N t N t", "N t N t"},
    {"7.7", 3, {RB7_4}, {}, "t N t", nullptr, "t N t N t", "t N t N t"},
    {"7.8", 3, {RB7_4}, {RB7_7}, "t", "t", "N t", "N t"},
    {"7.9", 3, {RB7_4, RB7_7, RB10_3}, {}, "t", "t", "t N t N t", "t N t N t"},
    {"7.10", 3, {RB7_4, RB15_5}, {}, "t", "t", "N t", "N t"},
    {"7.11", 3, {RB7_4, RB5_4, RB3_1}, {}, "t", nullptr, "N t N t N t", "N t N t N t"},
    {"8.1", 1, {RB8_1}, {}, "N t", "N t", "t", "t"},
    {"8.2", 2, {RB8_2}, {}, "N t", "N t", "t", "t"},
    {"8.3", 3, {RB8_3}, {}, "N t", "N t", "t N t", "t N t"},
    {"8.4", 4, {RB8_4}, {}, "t", "t", "N t", "N t"},
    {"8.5", 5, {RB8_5}, {}, "N t", nullptr, "t N t", "t N t"},
    {"8.6", 6, {RB8_6}, {}, "t", nullptr, "t N t", "t N t"},
    {"8.7", 6, {RB8_6}, {RB14_1}, "t", nullptr, "t", "t"},
    {"8.8", 6, {RB8_6, RB14_1}, {}, "t", "t", "N t", "N t"},
    {"8.9", 7, {RB8_7}, {}, "t", "t", "N t", "N t"},
    {"8.10", 8, {RB8_8}, {}, "t N t", nullptr, "t N t", "t N t"},
    {"9.1", 1, {RB9_1, RB9_2}, {}, "t", nullptr, "t N t N t", "t N t N t"},
    {"9.2", 1, {RB9_1}, {RB9_2}, "N t", "N t", "t N t N t", "t N t N t"},
    // The female self text names the user before its last sentence; the male one does not.
    {"9.3", 1, {RB9_2}, {RB9_1}, "t", "t N t", "N t", "N t"},
    {"9.4", 2, {RB9_3}, {}, "t", nullptr, "t", "t"},
    {"10.1", 1, {RB10_1}, {}, "t", nullptr, "t N t", "t N t"},
    {"10.2", 1, {}, {RB10_1}, "t", "t", "N t", "N t"},
    {"10.3", 2, {RB10_2}, {}, "t", nullptr, "t N t", "t N t"},
    {"10.4", 2, {RB10_2, RB10_3}, {}, "t", "t", "N t", "N t"},
    {"10.5", 2, {RB10_2, RB10_3, RB5_4}, {}, "t", "t", "t", "t"},
    {"10.6", 2, {RB10_2, RB10_4}, {}, "t", nullptr, "t N t", "t N t"},
    {"10.7", 2, {RB10_2, RB10_5}, {}, "t", nullptr, "t N t", "t N t"},
    {"10.8", 3, {}, {RB10_1, RB10_2}, "t", nullptr, "t N t", nullptr},
};

// The rows name every rule of the six sections, in the tables' order, with its step: a rule
// lost, doubled, moved out of order or put on the wrong step shows here.
TEST(Rules5To10Table, ListsEveryRuleInOrderWithItsStep) {
    std::vector<std::string> inTables, inRows;
    for (const TRuleSection* section : kRoundnessToStrokes)
        for (const TRule& rule : section->Rules)
            inTables.push_back(std::string(rule.Id) + " step " + std::to_string(rule.Step));
    for (const TRuleRow& row : kRuleRows)
        inRows.push_back(std::string(row.Id) + " step " + std::to_string(row.Step));
    EXPECT_EQ(inTables, inRows);
}

class Rules5To10Rule : public testing::TestWithParam<TRuleRow> {};

// A condition holds on exactly its options, and fails as soon as one required option is
// missing or one excluded option is checked (a mistyped option id shows here).
TEST_P(Rules5To10Rule, ConditionRestsOnItsOptions) {
    const TRuleRow& row = GetParam();
    const TRule& rule = Rule(row.Id);
    EXPECT_TRUE(rule.When(Sheet(row.Required)));
    for (std::size_t i = 0; i < row.Required.size(); ++i) {
        std::vector<OptionId> lacking = row.Required;
        lacking.erase(lacking.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_FALSE(rule.When(Sheet(lacking)))
            << "fires without " << catalogue::Option(row.Required[i]).Id;
    }
    for (OptionId excluded : row.Forbidden) {
        std::vector<OptionId> spoilt = row.Required;
        spoilt.push_back(excluded);
        EXPECT_FALSE(rule.When(Sheet(spoilt))) << "fires with " << catalogue::Option(excluded).Id;
    }
}

// The name stands where the pattern says, as an address (", " after it) in the self texts
// and as the subject of a sentence (a space after it) in the other texts, never glued to the
// text before it.
TEST_P(Rules5To10Rule, NameSlotsStandWhereThePatternSays) {
    const TRuleRow& row = GetParam();
    const TRule& rule = Rule(row.Id);
    for (TTextVariant variant : kAllVariants) {
        SCOPED_TRACE(VariantName(variant));
        const bool female =
            variant == TTextVariant::SelfFemale || variant == TTextVariant::OtherFemale;
        const char* male = IsSelf(variant) ? row.Self : row.Other;
        const char* own = IsSelf(variant) ? row.SelfFemale : row.OtherFemale;
        const char* expected = female && own != nullptr ? own : male;
        const std::string_view text = Text(rule, variant);
        EXPECT_EQ(ruletest::Pattern(text), expected) << text;
        EXPECT_EQ(ruletest::NameSlotFault(text, IsSelf(variant)), "") << text;
    }
}

// "One text" rules leave the female text empty; every other rule words its female text apart.
TEST_P(Rules5To10Rule, FemaleTextsAreSharedOnlyWhereOneText) {
    const TRuleRow& row = GetParam();
    const TRule& rule = Rule(row.Id);
    EXPECT_EQ(rule.SelfFemale.empty(), row.SelfFemale == nullptr);
    EXPECT_EQ(rule.OtherFemale.empty(), row.OtherFemale == nullptr);
    if (row.SelfFemale != nullptr) {
        EXPECT_NE(rule.SelfFemale, rule.SelfMale);
    }
    if (row.OtherFemale != nullptr) {
        EXPECT_NE(rule.OtherFemale, rule.OtherMale);
    }
}

INSTANTIATE_TEST_SUITE_P(Sections5To10, Rules5To10Rule, testing::ValuesIn(kRuleRows),
                         [](const testing::TestParamInfo<TRuleRow>& info) {
                             return ruletest::RowName(info.param.Id);
                         });

// ---------------------------------------------------------------------------
// Texts given word for word.

struct TQuotedCase {
    const char* Id;
    std::string_view SelfMale, SelfFemale, OtherMale, OtherFemale;
};

void PrintTo(const TQuotedCase& c, std::ostream* os) { *os << c.Id; }

class Rules5To10Quoted : public testing::TestWithParam<TQuotedCase> {};

TEST_P(Rules5To10Quoted, ReadsExactly) {
    const TQuotedCase& c = GetParam();
    const TRule& rule = Rule(c.Id);
    EXPECT_EQ(Text(rule, TTextVariant::SelfMale), c.SelfMale);
    EXPECT_EQ(Text(rule, TTextVariant::SelfFemale), c.SelfFemale);
    EXPECT_EQ(Text(rule, TTextVariant::OtherMale), c.OtherMale);
    EXPECT_EQ(Text(rule, TTextVariant::OtherFemale), c.OtherFemale);
}

INSTANTIATE_TEST_SUITE_P(
    Sections5To10, Rules5To10Quoted,
    testing::Values(
        TQuotedCase{"5.3", "В Вас есть некоторая хитринка и склонность к независимости. ",
                    "В Вас есть некоторая хитринка и склонность к независимости. ",
                    "В тестируемом есть некоторая хитринка и склонность к независимости. ",
                    "В тестируемой есть некоторая хитринка и склонность к независимости. "},
        TQuotedCase{"6.10",
                    "Хотя внешне Вы выглядите мягким, но на самом деле у Вас сильный характер. ",
                    "Хотя внешне Вы выглядите мягкой, но на самом деле у Вас сильный характер. ",
                    "Хотя внешне {N} выглядит мягким, но на самом деле у него сильный характер. ",
                    "Хотя внешне {N} выглядит мягкой, но на самом деле у неё сильный характер. "},
        TQuotedCase{"7.5",
                    "Вы не обладаете достаточным мужеством и уверенностью в себе, чтобы "
                    "постоять за себя. Возможно это из-за Вашей чрезмерной скромности. ",
                    "Вы не обладаете достаточным мужеством и уверенностью в себе, чтобы "
                    "постоять за себя. Возможно это из-за Вашей чрезмерной скромности. ",
                    "{N} не обладает достаточным мужеством и уверенностью в себе, чтобы "
                    "постоять за себя. Возможно это из-за его чрезмерной скромности. ",
                    "{N} не обладает достаточным мужеством и уверенностью в себе, чтобы "
                    "постоять за себя. Возможно это из-за её чрезмерной скромности. "},
        TQuotedCase{"8.10",
                    "У Вас живое воображение. Также {N}, Вы любите новые идеи и развлечения. ",
                    "У Вас живое воображение. Также {N}, Вы любите новые идеи и развлечения. ",
                    "У тестируемого живое воображение. Также {N} любит новые идеи и развлечения. ",
                    "У тестируемой живое воображение. Также {N} любит новые идеи и развлечения. "},
        TQuotedCase{
            "9.3",
            "Вы сначала покорно принимаете новые идеи, но под конец начинаете оказывать им "
            "энергичное сопротивление. Вас нелегко убедить в том, что идеи другого человека "
            "лучше, чем Ваши. Ваше упрямство сломить чрезвычайно трудно. ",
            "Вы сначала покорно принимаете новые идеи, но под конец начинаете оказывать им "
            "энергичное сопротивление. Вас нелегко убедить в том, что идеи другого человека "
            "лучше, чем Ваши. {N}, Ваше упрямство сломить чрезвычайно трудно. ",
            "{N} сначала покорно принимает новые идеи, но под конец начинает оказывать им "
            "энергичное сопротивление. Его нелегко убедить в том, что идеи другого человека "
            "лучше, чем его. Упрямство тестируемого сломить чрезвычайно трудно. ",
            "{N} сначала покорно принимает новые идеи, но под конец начинает оказывать им "
            "энергичное сопротивление. Её нелегко убедить в том, что идеи другого человека "
            "лучше, чем её. Упрямство тестируемой сломить чрезвычайно трудно. "},
        TQuotedCase{"10.8", "Кроме того, Вы решительно разрываете с традиционностью. ",
                    "Кроме того, Вы решительно разрываете с традиционностью. ",
                    "Кроме того, {N} решительно разрывает с традиционностью. ",
                    "Кроме того, {N} решительно разрывает с традиционностью. "}),
    [](const testing::TestParamInfo<TQuotedCase>& info) {
        return ruletest::RowName(info.param.Id);
    });

}  // namespace
