// Group 1: the letter forms of а and А, through the host boundary.

#include <gtest/gtest.h>

#include <map>

#include "veltanlib.h"

namespace {

// Rows of the case tables print as their names.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

using veltantest::Pairs;
using veltantest::Person;
using veltantest::Veltan;

// A name that no fixed text holds, to find the name slots.
constexpr std::u16string_view kName = u"Ксенофонт";
constexpr std::string_view kNameUtf8 = "Ксенофонт";

const Person kSelfMale{std::u16string(kName), u"Мужской", u"Лично"};
const Person kSelfFemale{std::u16string(kName), u"Женский", u"Лично"};
const Person kOtherMale{std::u16string(kName), u"Мужской", u"Другой"};
const Person kOtherFemale{std::u16string(kName), u"Женский", u"Другой"};

// The pairs that make each rule fire.
const std::map<int, Pairs> kRulePairs = {
    {1,
     {{u"а: Отделение штриха", u"Слегка отделяется"},
      {u"а: Направление штриха", u"Вверх"},
      {u"а: Кривизна штриха", u"Прямой"}}},
    {2,
     {{u"а: Размер", u"Как строчная"},
      {u"а: Нажим", u"Сильный нажим"},
      {u"а: Замкнутость", u"Незамкнутая"}}},
    {3, {{u"А: Крючок", u"Наподобие нуля"}, {u"А: Остроконечность", u"Остроконечная"}}},
    {4,
     {{u"А: Просторность", u"Узкая"},
      {u"А: Крючок", u"Маленький"},
      {u"А: Остроконечность", u"Остроконечная"}}},
    {5,
     {{u"А: Наклон", u"Вправо"},
      {u"А: Просторность", u"Просторная"},
      {u"А: Крючок", u"Большой, завернутый"},
      {u"А: Остроконечность", u"Остроконечная"}}},
};

// The paragraph a rule adds on its own.
std::string Paragraph(int rule, const Person& person) {
    const std::vector<std::string> added = Veltan().Added(person, kRulePairs.at(rule));
    return added.size() == 1 ? added[0] : "(" + std::to_string(added.size()) + " paragraphs)";
}

// The pattern of a paragraph: "N" for the name, "t" for the fixed text between.
std::string Pattern(std::string_view paragraph) {
    std::string pattern;
    while (!paragraph.empty()) {
        const std::size_t name = paragraph.find(kNameUtf8);
        if (name != 0) pattern += pattern.empty() ? "t" : " t";
        if (name == std::string_view::npos) break;
        pattern += pattern.empty() ? "N" : " N";
        paragraph.remove_prefix(name + kNameUtf8.size());
    }
    return pattern;
}

struct QuotedCase {
    const char* name;
    int rule;
    Person person;
    std::string text;  // "{N}" stands for the name
};

class QuotedText : public testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedText, IsWrittenLetterForLetter) {
    std::string expected = GetParam().text;
    for (std::size_t slot; (slot = expected.find("{N}")) != std::string::npos;)
        expected.replace(slot, 3, kNameUtf8);
    EXPECT_EQ(Paragraph(GetParam().rule, GetParam().person), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules1And4, QuotedText,
    testing::Values(
        QuotedCase{"Rule1_SelfMale", 1, kSelfMale,
                   "{N}, у Вас есть фантазия и живость натуры. Вы религиозен и добр. "},
        QuotedCase{"Rule1_SelfFemale", 1, kSelfFemale,
                   "{N}, у Вас есть фантазия и живость натуры. Вы религиозна и добра. "},
        QuotedCase{"Rule1_OtherMale", 1, kOtherMale,
                   "У тестируемого есть фантазия и живость натуры. Он религиозен и добр. "},
        QuotedCase{"Rule1_OtherFemale", 1, kOtherFemale,
                   "У тестируемой есть фантазия и живость натуры. Она религиозна и добра. "},
        QuotedCase{"Rule4_SelfMale", 4, kSelfMale,
                   "Вы мягки, кротки, честны и откровенны. {N}, Вы любите влюбляться. Однако, "
                   "Вы небрежны. "},
        QuotedCase{"Rule4_SelfFemale", 4, kSelfFemale,
                   "Вы мягка, кротка, честная и откровенная. {N}, Вы любите влюбляться. "
                   "Однако, Вы небрежна. "},
        QuotedCase{"Rule4_OtherMale", 4, kOtherMale,
                   "{N} мягок, кроток, честен и откровеннен. Он любит влюбляться. Однако, {N} "
                   "небрежен. "},
        QuotedCase{"Rule4_OtherFemale", 4, kOtherFemale,
                   "{N} мягка, кротка, честна и откровенна. Она любит влюбляться. Однако, {N} "
                   "небрежна. "}),
    [](const auto& info) { return info.param.name; });

struct PatternCase {
    const char* name;
    int rule;
    std::string self;
    std::string other;
};

class RulePattern : public testing::TestWithParam<PatternCase> {};

// Every variant has the rule's pattern, ends in ". " and is its own text per gender.
TEST_P(RulePattern, HoldsInAllFourVariants) {
    const PatternCase& c = GetParam();
    const std::string selfMale = Paragraph(c.rule, kSelfMale);
    const std::string selfFemale = Paragraph(c.rule, kSelfFemale);
    const std::string otherMale = Paragraph(c.rule, kOtherMale);
    const std::string otherFemale = Paragraph(c.rule, kOtherFemale);
    EXPECT_EQ(Pattern(selfMale), c.self);
    EXPECT_EQ(Pattern(selfFemale), c.self);
    EXPECT_EQ(Pattern(otherMale), c.other);
    EXPECT_EQ(Pattern(otherFemale), c.other);
    EXPECT_NE(selfMale, selfFemale);
    EXPECT_NE(otherMale, otherFemale);
    for (const std::string& text : {selfMale, selfFemale, otherMale, otherFemale}) {
        EXPECT_TRUE(text.ends_with(". ") && !text.ends_with("  ")) << text;
        EXPECT_EQ(text.find_first_of("\r\n?"), std::string::npos) << text;
    }
    for (const std::string& text : {selfMale, selfFemale})
        EXPECT_NE(text.find("Вы"), std::string::npos);
    for (const std::string& text : {otherMale, otherFemale})
        EXPECT_EQ(text.find("Вы"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(GroupOne, RulePattern,
                         testing::Values(PatternCase{"Rule1", 1, "N t", "t"},
                                         PatternCase{"Rule2", 2, "t", "N t"},
                                         PatternCase{"Rule3", 3, "t", "N t"},
                                         PatternCase{"Rule4", 4, "t N t", "N t N t"},
                                         PatternCase{"Rule5", 5, "N t", "t N t"}),
                         [](const auto& info) { return info.param.name; });

Pairs Join(std::initializer_list<int> rules) {
    Pairs pairs;
    for (int rule : rules)
        pairs.insert(pairs.end(), kRulePairs.at(rule).begin(), kRulePairs.at(rule).end());
    return pairs;
}

Pairs Without(Pairs pairs, std::u16string_view key) {
    std::erase_if(pairs, [&](const auto& pair) { return pair.first == key; });
    return pairs;
}

Pairs With(Pairs pairs, std::u16string_view key, std::u16string_view value) {
    pairs.emplace_back(key, value);
    return pairs;
}

struct ConditionCase {
    const char* name;
    Pairs pairs;
    std::vector<int> fired;
};

class Condition : public testing::TestWithParam<ConditionCase> {};

TEST_P(Condition, FiresExactlyTheseRulesInRuleOrder) {
    std::vector<std::string> expected;
    for (int rule : GetParam().fired) expected.push_back(Paragraph(rule, kOtherMale));
    EXPECT_EQ(Veltan().Added(kOtherMale, GetParam().pairs), expected);
}

INSTANTIATE_TEST_SUITE_P(
    GroupOne, Condition,
    testing::Values(
        ConditionCase{"Rule1_WithoutCurvature", Without(Join({1}), u"а: Кривизна штриха"), {}},
        ConditionCase{"Rule2_WithoutPressure", Without(Join({2}), u"а: Нажим"), {}},
        ConditionCase{"Rule3_WithoutPointedness", Without(Join({3}), u"А: Остроконечность"), {}},
        ConditionCase{"Rule4_WithoutNarrowness", Without(Join({4}), u"А: Просторность"), {}},
        ConditionCase{"Rule5_WithoutSlant", Without(Join({5}), u"А: Наклон"), {}},
        // The hook of rules 3 and 4 is one key with two values; both rules fire.
        ConditionCase{"Rules3And4_TwoHooksAtOnce", Join({3, 4}), {3, 4}},
        ConditionCase{"AllFive_InRuleOrder", Join({5, 4, 3, 2, 1}), {1, 2, 3, 4, 5}},
        ConditionCase{
            "Rule1_ValueInOtherCase",
            With(Without(Join({1}), u"а: Направление штриха"), u"а: Направление штриха", u"вверх"),
            {}},
        ConditionCase{
            "Rule1_ValueWithTrailingSpace",
            With(Without(Join({1}), u"а: Кривизна штриха"), u"а: Кривизна штриха", u"Прямой "),
            {}},
        ConditionCase{"Rule5_YoInsteadOfYe",
                      With(Without(Join({5}), u"А: Крючок"), u"А: Крючок", u"Большой, завёрнутый"),
                      {}},
        // The capital and the lowercase letter are different keys.
        ConditionCase{"Rule2_CapitalLetterKey",
                      With(Without(Join({2}), u"а: Размер"), u"А: Размер", u"Как строчная"),
                      {}},
        ConditionCase{"Rule2_LatinLetterKey",
                      With(Without(Join({2}), u"а: Размер"), u"a: Размер", u"Как строчная"),
                      {}},
        ConditionCase{"Rule1_EveryPairTwice", Join({1, 1}), {1}},
        ConditionCase{"Rule1_LaterEntryWithOtherValue",
                      With(Join({1}), u"а: Направление штриха", u"Вниз"),
                      {1}},
        ConditionCase{"Rule1_EarlierEntryWithOtherValue",
                      [] {
                          Pairs pairs{{u"а: Направление штриха", u"Вниз"}};
                          for (const auto& pair : Join({1})) pairs.push_back(pair);
                          return pairs;
                      }(),
                      {1}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
