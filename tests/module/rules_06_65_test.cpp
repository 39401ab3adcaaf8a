// Rules 6 to 65 through the host boundary: the quoted texts, and which paragraphs come
// back, in which order, for the pairs that matter.

#include <gtest/gtest.h>

#include <array>

#include "ruletest.h"

namespace {

using veltantest::kOtherFemale;
using veltantest::kOtherMale;
using veltantest::kRuleNameUtf8;
using veltantest::kSelfFemale;
using veltantest::kSelfMale;
using veltantest::kVariants;
using veltantest::Minus;
using veltantest::Pairs;
using veltantest::PairsOf;
using veltantest::Person;
using veltantest::Plus;
using veltantest::RuleParagraph;
using veltantest::RuleParagraphs;
using veltantest::Veltan;
using veltantest::WithName;

struct QuotedCase {
    const char* name;
    int rule;
    // Self male, self female, other male, other female; "{N}" stands for the name.
    std::array<const char*, 4> texts;
};

void PrintTo(const QuotedCase& c, std::ostream* os) { *os << c.name; }

class QuotedRule : public testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedRule, IsWrittenLetterForLetterInAllFourVariants) {
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(RuleParagraph(GetParam().rule, kVariants[i].person),
                  WithName(GetParam().texts[i]))
            << kVariants[i].name;
}

INSTANTIATE_TEST_SUITE_P(
    Rules6To65, QuotedRule,
    testing::Values(
        QuotedCase{"Rule12",
                   12,
                   {"Вы проявляете нерешительность, стоит ли Вам встречать новых людей и "
                    "принимать новые идеи. ",
                    "Вы проявляете нерешительность, стоит ли Вам встречать новых людей и "
                    "принимать новые идеи. ",
                    "{N} проявляет нерешительность, стоит ли ему встречать новых людей и "
                    "принимать новые идеи. ",
                    "{N} проявляет нерешительность, стоит ли ей встречать новых людей и "
                    "принимать новые идеи. "}},
        QuotedCase{"Rule16",
                   16,
                   {"{N}, Вы осторожны и критичны. ", "{N}, Вы осторожна и критична. ", "", ""}},
        QuotedCase{"Rule20",
                   20,
                   {"Вы бережливы. ", "Вы бережлива. ", "{N} бережлив. ", "{N} бережлива. "}},
        QuotedCase{"Rule21", 21, {"Вы щедры. ", "Вы щедра. ", "{N} щедр. ", "{N} щедра. "}},
        QuotedCase{"Rule34",
                   34,
                   {"Вас обычно легко понять. ", "Вас обычно легко понять. ",
                    "Его обычно легко понять. ", "Её обычно легко понять. "}},
        QuotedCase{"Rule42",
                   42,
                   {"Ваш характер ещё не сложился окончательно. ",
                    "Ваш характер ещё не сложился окончательно. ",
                    "Его характер ещё не сложился окончательно. ",
                    "Её характер ещё не сложился окончательно. "}},
        QuotedCase{
            "Rule46",
            46,
            {"Обычно, Вы анализируете критически. ", "Обычно, Вы анализируете критически. ",
             "Обычно, {N} анализирует критически. ", "Обычно, {N} анализирует критически. "}},
        QuotedCase{"Rule64",
                   64,
                   {"Либо Вы рассеянный человек, либо Вы не любите обращать внимание на детали. ",
                    "Либо Вы рассеянная, либо Вы не любите обращать внимание на детали. ",
                    "{N} либо рассеянный человек, либо он не любит обращать внимание на детали. ",
                    "{N} либо рассеянная, либо не любит обращать внимание на детали. "}},
        QuotedCase{"Rule65", 65, {"", "", "", ""}}),
    [](const auto& info) { return info.param.name; });

// The self texts of rule 9 keep to its first sentence; the other texts go on to warn the
// reader in three more.
TEST(Rule9, OtherVariantsAddTheWarning) {
    for (const auto& variant : kVariants) {
        const std::string text = RuleParagraph(9, variant.person);
        std::size_t sentences = 0;
        for (std::size_t end = 0; (end = text.find(". ", end)) != std::string::npos; end += 2)
            ++sentences;
        EXPECT_EQ(sentences, variant.self ? 1u : 4u) << variant.name << ": " << text;
    }
}

// A firing rule appends its item even when the variant has no words.
TEST(EmptyVariants, StillAppendAnItem) {
    const Pairs linesDown = {{u"Наклон строки", u"Вниз"}};
    const Pairs roundYo = {{u"Ё", u"Округлые"}};
    const std::string rule52 = RuleParagraph(52, kOtherFemale);
    EXPECT_EQ(Veltan().Analyse(kOtherFemale, linesDown), (std::vector<std::string>{"", rule52}));
    EXPECT_EQ(Veltan().Analyse(kOtherFemale, roundYo), (std::vector<std::string>{rule52, ""}));
    EXPECT_EQ(Veltan().Analyse(kSelfMale, roundYo),
              (std::vector<std::string>{RuleParagraph(52, kSelfMale), ""}));
    EXPECT_NE(Veltan().Analyse(kSelfMale, linesDown).front(), "");
}

// A freshly loaded module with no person and no pairs writes the one paragraph of the
// negated rule 52, in the other feminine variant with an empty name.
TEST(FreshModule, WritesRule52AloneWithAnEmptyName) {
    Veltan().Reload();
    const std::vector<std::string> items = Veltan().Items(Veltan().Analizing());
    std::string expected = RuleParagraph(52, kOtherFemale);
    ASSERT_TRUE(expected.starts_with(kRuleNameUtf8)) << expected;
    expected.erase(0, kRuleNameUtf8.size());
    EXPECT_EQ(items, std::vector<std::string>{expected});
}

struct EdgeCase {
    const char* name;
    Pairs pairs;
    std::vector<int> fired;
    const Person* person = &kOtherMale;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

class Edge : public testing::TestWithParam<EdgeCase> {};

// The paragraphs follow the rule order, whatever the order of the pairs.
TEST_P(Edge, FiresExactlyTheseRulesInRuleOrder) {
    const EdgeCase& c = GetParam();
    const std::vector<std::string> expected = RuleParagraphs(c.fired, *c.person);
    EXPECT_EQ(Veltan().Analyse(*c.person, c.pairs), expected);
    EXPECT_EQ(Veltan().Analyse(*c.person, Pairs(c.pairs.rbegin(), c.pairs.rend())), expected)
        << "pairs in reverse order";
}

const Pairs kRule36FurtherPairs = {
    {u"Заглавные буквы", u"Малы"},
    {u"Заглавные буквы", u"Буквы лишены подчёркнутой выразительности"},
    {u"Стиль букв", u"Лишены всех завитушек"},
    {u"Форма букв", u"Округлые"},
    {u"Размер", u"Мелкий"},
};
const Pairs kStrongLetters = {{u"Нижим", u"Буквы: сильный нажим"}};
const Pairs kWeakLetters = {{u"Нижим", u"Буквы: слабый нажим"}};
const Pairs kLargeOriginal = {{u"Размер", u"Крупный"},
                              {u"Стиль букв", u"Оригинально написанные буквы"}};

INSTANTIATE_TEST_SUITE_P(
    SlantLinesSpacing, Edge,
    testing::Values(
        EdgeCase{"LinesDown_OtherFemale_EmptyItem", PairsOf(16), {16, 52}, &kOtherFemale},
        EdgeCase{"LinesDown_SelfFemale", PairsOf(16), {16, 52}, &kSelfFemale},
        EdgeCase{"Rule9_SelfMale", PairsOf(9), {9, 52}, &kSelfMale},
        EdgeCase{"LinesStraight_Rule13Only", PairsOf(13), {13, 52}},
        EdgeCase{"LinesStraight_WithRule35Pairs", PairsOf(35), {13, 32, 35, 52}},
        EdgeCase{"SmallSpacing_NoSpacingRule", {{u"Расстояние", u"Маленькое"}}, {52}},
        EdgeCase{
            "TwoSlantValues_BothSpeak",
            {{u"Наклон почерка", u"Нет наклона"}, {u"Наклон почерка", u"Легкий наклон вправо"}},
            {6, 10, 52}},
        EdgeCase{"AllSixSlantValues",
                 Plus(Plus(Plus(PairsOf(11), PairsOf(10)), Plus(PairsOf(9), PairsOf(8))),
                      Plus(PairsOf(7), PairsOf(6))),
                 {6, 7, 8, 9, 10, 11, 52}},
        EdgeCase{"AllSevenLineValues",
                 Plus(Plus(Plus(PairsOf(19), PairsOf(18)), Plus(PairsOf(17), PairsOf(16))),
                      Plus(Plus(PairsOf(15), PairsOf(14)), PairsOf(13))),
                 {13, 14, 15, 16, 17, 18, 19, 52},
                 &kSelfMale},
        EdgeCase{"BothSpacingValues", Plus(PairsOf(21), PairsOf(20)), {20, 21, 52}},
        EdgeCase{
            "LoopsSlant_ValueInOtherCase", {{u"Наклон букв с петлями", u"В другую Сторону"}}, {52}},
        EdgeCase{"Slant_ValueWithTrailingSpace", {{u"Наклон почерка", u"Нет наклона "}}, {52}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    ShapePressure, Edge,
    testing::Values(
        EdgeCase{"Rule35_WithoutProportionalCapitals",
                 Minus(PairsOf(35), u"Заглавные буквы", u"Пропорциональны"),
                 {13, 32, 52}},
        EdgeCase{"Rule35_WithoutCapitalsWithoutFlourishes",
                 Minus(PairsOf(35), u"Заглавные буквы", u"Без завитушек"),
                 {13, 32, 52}},
        EdgeCase{"Rule37_BothWeakPressures", PairsOf(37), {32, 37, 52}},
        EdgeCase{"Rule37_WithoutWeakStrokes",
                 Minus(PairsOf(37), u"Нижим", u"Штрихи: слабый нажим"),
                 {32, 52}},
        EdgeCase{"Rule37_WithoutWeakLetters",
                 Minus(PairsOf(37), u"Нижим", u"Буквы: слабый нажим"),
                 {52}},
        EdgeCase{"Rule36_StrongWithMediumSize",
                 Plus(kStrongLetters, {{u"Размер", u"Средний"}}),
                 {33, 36, 52}},
        EdgeCase{"Rule36_StrongWithAllFiveFurtherPairs",
                 Plus(kStrongLetters, kRule36FurtherPairs),
                 {22, 27, 33, 36, 43, 49, 52}},
        EdgeCase{"Rule36_StrongWithFourOfTheFive",
                 Minus(Plus(kStrongLetters, kRule36FurtherPairs), u"Заглавные буквы",
                       u"Буквы лишены подчёркнутой выразительности"),
                 {22, 27, 33, 43, 49, 52}},
        EdgeCase{"Rule36_FiveAndMediumWithoutStrong",
                 Plus(kRule36FurtherPairs, {{u"Размер", u"Средний"}}),
                 {22, 27, 43, 49, 52}},
        EdgeCase{"Rule38_StrongPressure", PairsOf(38), {33, 38, 52}},
        EdgeCase{"Rule38_WeakPressure",
                 Plus(kWeakLetters, {{u"Стиль букв", u"Некоторые буквы более четко"}}),
                 {32, 38, 52}},
        EdgeCase{
            "Rule38_ClearerLettersAlone", {{u"Стиль букв", u"Некоторые буквы более четко"}}, {52}},
        EdgeCase{"Rule38_WithoutClearerLetters", kStrongLetters, {33, 52}},
        EdgeCase{"Rule30_OriginalStyle", PairsOf(30), {23, 30, 52}},
        EdgeCase{"Rule30_OriginalCapitals",
                 Plus(Minus(PairsOf(30), u"Стиль букв", u"Оригинально написанные буквы"),
                      {{u"Заглавные буквы", u"Оригинально написанные буквы"}}),
                 {23, 30, 52}},
        EdgeCase{"Rule30_NeitherOriginal",
                 Minus(PairsOf(30), u"Стиль букв", u"Оригинально написанные буквы"),
                 {23, 52}},
        EdgeCase{"StrongPressureAlone_Rule33Only", kStrongLetters, {33, 52}},
        EdgeCase{"Rules24And25_BothCapitalValues_SameParagraphTwice",
                 Plus(PairsOf(24), {{u"Заглавные буквы", u"Угловатые"}}),
                 {22, 24, 25, 52},
                 &kSelfFemale},
        EdgeCase{"Rule40_StrongAndOriginal", PairsOf(40), {33, 40, 52}},
        EdgeCase{"Rule28_AngularLargeStrong", PairsOf(28), {23, 28, 33, 44, 51, 52}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    SizeAndYo, Edge,
    testing::Values(
        EdgeCase{"NoPairs_Rule52Alone", {}, {52}},
        EdgeCase{"NoPairs_SelfFemale", {}, {52}, &kSelfFemale},
        EdgeCase{"Large_Rules44_51_52", {{u"Размер", u"Крупный"}}, {44, 51, 52}},
        EdgeCase{"LargeAndOriginal_SilenceRule52", kLargeOriginal, {44, 51}},
        EdgeCase{"OriginalWithoutLarge_KeepsRule52",
                 {{u"Стиль букв", u"Оригинально написанные буквы"}},
                 {52}},
        EdgeCase{"SmallAndOriginal_KeepsRule52",
                 {{u"Размер", u"Мелкий"}, {u"Стиль букв", u"Оригинально написанные буквы"}},
                 {43, 52}},
        EdgeCase{"Rule53_AllFourPairs", PairsOf(53), {44, 51, 53}},
        EdgeCase{"Rule53_WithoutLongStrokes", Minus(PairsOf(53), u"Штрихи", u"Длинный"), {44, 51}},
        EdgeCase{"Rule53_WithoutStrikingLetters",
                 Minus(PairsOf(53), u"Стиль букв", u"Бросаются в глаза"),
                 {44, 51}},
        EdgeCase{"SmallWithLargeAndSmallCapitals_Contradicting",
                 {{u"Размер", u"Мелкий"},
                  {u"Заглавные буквы", u"Велики"},
                  {u"Заглавные буквы", u"Малы"}},
                 {43, 48, 49, 52}},
        EdgeCase{"Rule47_FiresWithRule46", PairsOf(47), {43, 46, 47, 52}, &kOtherFemale},
        EdgeCase{"Rule46_WithoutLongSeven", PairsOf(46), {43, 46, 52}},
        EdgeCase{"Rule50_NotQuiteLegible", PairsOf(50), {50, 52}},
        EdgeCase{"Rule50_HardToReadAtFirst",
                 {{u"Размер", u"Крохотный"}, {u"Разборчивость", u"Сначала сложно прочитать"}},
                 {50, 52}},
        EdgeCase{"Rule50_TinyAlone", {{u"Размер", u"Крохотный"}}, {52}},
        EdgeCase{"Rule55_LargeSmallSpacingAngular", PairsOf(55), {23, 44, 51, 52, 55}},
        EdgeCase{"Rule56_HalfCircles", {{u"Ё", u"Полуокружья"}}, {52, 56}},
        EdgeCase{"Rule56_Crescents", {{u"Ё", u"Полумесяцы"}}, {52, 56}},
        EdgeCase{"Rule56_AllThreeValues_OneParagraph",
                 {{u"Ё", u"Полумесяцы"}, {u"Ё", u"Полуокружья"}, {u"Ё", u"Волнистые линии"}},
                 {52, 56}},
        EdgeCase{"Rule57_OnlyOneOfTwoPairs", {{u"Ё", u"Точки поставлены низко"}}, {52}},
        EdgeCase{
            "Rule59_DotsWithYe",
            {{u"Ё", u"Точки направлены вниз"}, {u"Ё", u"Точки написаны тяжелыми тупыми штрихами"}},
            {52}},
        EdgeCase{"HighDotsWithOrnaments_Rules61And63",
                 Plus(PairsOf(61), {{u"Стиль букв", u"Украшения"}}),
                 {52, 61, 63}},
        EdgeCase{"HighDotsWithoutFlourishes_Rules61And62", PairsOf(62), {52, 61, 62}},
        EdgeCase{"RoundYo_EmptyItem", PairsOf(65), {52, 65}},
        EdgeCase{"RoundYo_SelfFemale_EmptyItem", PairsOf(65), {52, 65}, &kSelfFemale}),
    [](const auto& info) { return info.param.name; });

}  // namespace
