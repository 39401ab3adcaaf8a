// Group 1: the letter forms of а and А, through the host boundary. The form of these rules
// in all four variants is checked with all 65 in rules_table_test.cpp.

#include <gtest/gtest.h>

#include "ruletest.h"

namespace {

// Rows of the case tables print as their names.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

using veltantest::kOtherFemale;
using veltantest::kOtherMale;
using veltantest::kSelfFemale;
using veltantest::kSelfMale;
using veltantest::Minus;
using veltantest::Pairs;
using veltantest::PairsOf;
using veltantest::Person;
using veltantest::Plus;
using veltantest::RuleParagraph;
using veltantest::Veltan;
using veltantest::WithName;

struct QuotedCase {
    const char* name;
    int rule;
    const Person* person;
    const char* text;  // "{N}" stands for the name
};

class QuotedText : public testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedText, IsWrittenLetterForLetter) {
    EXPECT_EQ(RuleParagraph(GetParam().rule, *GetParam().person), WithName(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Rules1And4, QuotedText,
    testing::Values(
        QuotedCase{"Rule1_SelfMale", 1, &kSelfMale,
                   "{N}, у Вас есть фантазия и живость натуры. Вы религиозен и добр. "},
        QuotedCase{"Rule1_SelfFemale", 1, &kSelfFemale,
                   "{N}, у Вас есть фантазия и живость натуры. Вы религиозна и добра. "},
        QuotedCase{"Rule1_OtherMale", 1, &kOtherMale,
                   "У тестируемого есть фантазия и живость натуры. Он религиозен и добр. "},
        QuotedCase{"Rule1_OtherFemale", 1, &kOtherFemale,
                   "У тестируемой есть фантазия и живость натуры. Она религиозна и добра. "},
        QuotedCase{"Rule4_SelfMale", 4, &kSelfMale,
                   "Вы мягки, кротки, честны и откровенны. {N}, Вы любите влюбляться. Однако, "
                   "Вы небрежны. "},
        QuotedCase{"Rule4_SelfFemale", 4, &kSelfFemale,
                   "Вы мягка, кротка, честная и откровенная. {N}, Вы любите влюбляться. "
                   "Однако, Вы небрежна. "},
        QuotedCase{"Rule4_OtherMale", 4, &kOtherMale,
                   "{N} мягок, кроток, честен и откровеннен. Он любит влюбляться. Однако, {N} "
                   "небрежен. "},
        QuotedCase{"Rule4_OtherFemale", 4, &kOtherFemale,
                   "{N} мягка, кротка, честна и откровенна. Она любит влюбляться. Однако, {N} "
                   "небрежна. "}),
    [](const auto& info) { return info.param.name; });

// A rule's pairs with one pair taken out and others put in instead.
Pairs Swapped(int rule, std::u16string_view key, std::u16string_view value, const Pairs& instead) {
    return Plus(Minus(PairsOf(rule), key, value), instead);
}

Pairs Join(std::initializer_list<int> rules) {
    Pairs pairs;
    for (int rule : rules) pairs = Plus(pairs, PairsOf(rule));
    return pairs;
}

struct ConditionCase {
    const char* name;
    Pairs pairs;
    std::vector<int> fired;
};

class Condition : public testing::TestWithParam<ConditionCase> {};

// The rows name only the rules of this group; the paragraphs of an analysis without
// features (rule 52) are left out of the comparison.
TEST_P(Condition, FiresExactlyTheseRulesInRuleOrder) {
    std::vector<std::string> expected;
    for (int rule : GetParam().fired) expected.push_back(RuleParagraph(rule, kOtherMale));
    EXPECT_EQ(Veltan().Added(kOtherMale, GetParam().pairs), expected);
}

INSTANTIATE_TEST_SUITE_P(
    GroupOne, Condition,
    testing::Values(
        ConditionCase{
            "Rule1_WithoutCurvature", Minus(PairsOf(1), u"а: Кривизна штриха", u"Прямой"), {}},
        ConditionCase{
            "Rule2_WithoutPressure", Minus(PairsOf(2), u"а: Нажим", u"Сильный нажим"), {}},
        ConditionCase{"Rule3_WithoutPointedness",
                      Minus(PairsOf(3), u"А: Остроконечность", u"Остроконечная"),
                      {}},
        ConditionCase{
            "Rule4_WithoutNarrowness", Minus(PairsOf(4), u"А: Просторность", u"Узкая"), {}},
        ConditionCase{"Rule5_WithoutSlant", Minus(PairsOf(5), u"А: Наклон", u"Вправо"), {}},
        // The hook of rules 3 and 4 is one key with two values; both rules fire.
        ConditionCase{"Rules3And4_TwoHooksAtOnce", Join({3, 4}), {3, 4}},
        ConditionCase{"AllFive_InRuleOrder", Join({5, 4, 3, 2, 1}), {1, 2, 3, 4, 5}},
        ConditionCase{
            "Rule1_ValueInOtherCase",
            Swapped(1, u"а: Направление штриха", u"Вверх", {{u"а: Направление штриха", u"вверх"}}),
            {}},
        ConditionCase{
            "Rule1_ValueWithTrailingSpace",
            Swapped(1, u"а: Кривизна штриха", u"Прямой", {{u"а: Кривизна штриха", u"Прямой "}}),
            {}},
        ConditionCase{"Rule5_YoInsteadOfYe",
                      Swapped(5, u"А: Крючок", u"Большой, завернутый",
                              {{u"А: Крючок", u"Большой, завёрнутый"}}),
                      {}},
        // The capital and the lowercase letter are different keys.
        ConditionCase{"Rule2_CapitalLetterKey",
                      Swapped(2, u"а: Размер", u"Как строчная", {{u"А: Размер", u"Как строчная"}}),
                      {}},
        ConditionCase{"Rule2_LatinLetterKey",
                      Swapped(2, u"а: Размер", u"Как строчная", {{u"a: Размер", u"Как строчная"}}),
                      {}},
        ConditionCase{"Rule1_EveryPairTwice", Join({1, 1}), {1}},
        ConditionCase{"Rule1_LaterEntryWithOtherValue",
                      Plus(PairsOf(1), {{u"а: Направление штриха", u"Вниз"}}),
                      {1}},
        ConditionCase{"Rule1_EarlierEntryWithOtherValue",
                      Plus({{u"а: Направление штриха", u"Вниз"}}, PairsOf(1)),
                      {1}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
