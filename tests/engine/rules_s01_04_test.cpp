// The rules of slant, line direction and margins: which rules fire, the texts
// given word for word, and where the first name goes.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "report.h"
#include "ruletest.h"

namespace {

using enum OptionId;
using ruletest::FiredRules;
using ruletest::Rule;
using ruletest::Text;

// ---------------------------------------------------------------------------
// Which rules of sections 1 to 4 fire, in report order.

struct FiringCase {
    const char* Name;
    std::vector<OptionId> Checked;  // assigned in this order
    std::vector<std::string> Fired;
};

void PrintTo(const FiringCase& c, std::ostream* os) { *os << c.Name; }

class Rules1To4Firing : public testing::TestWithParam<FiringCase> {};

TEST_P(Rules1To4Firing, AppendsTheseRulesInOrder) {
    EXPECT_EQ(FiredRules(ruletest::Sheet(GetParam().Checked), 1, 4), GetParam().Fired);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Rules1To4Firing,
    testing::Values(
        FiringCase{"EmptySheet", {}, {}}, FiringCase{"SlightLeftSlant", {RB1_1}, {"1.1"}},
        FiringCase{"StrongLeftSlant", {RB1_2}, {"1.2"}},
        FiringCase{"SlightRightSlant", {RB1_3}, {"1.3"}},
        FiringCase{"StrongRightSlant", {RB1_4}, {"1.4"}}, FiringCase{"Upright", {RB1_5}, {"1.5"}},
        FiringCase{"MixedSlant", {RB1_6}, {"1.6"}}, FiringCase{"StraightLine", {RB2_1}, {"2.1"}},
        FiringCase{"RisingSteeply", {RB2_2, RB2_3}, {"2.2"}},
        FiringCase{"RisingOnly", {RB2_2}, {"2.3"}},
        FiringCase{"FallingSharply", {RB2_4, RB2_5}, {"2.4"}},
        FiringCase{"FallingOnly", {RB2_4}, {"2.5"}}, FiringCase{"JumpingWords", {RB2_6}, {"2.6"}},
        // The steep-rise box stays ticked when its radio button loses the choice.
        FiringCase{"SteepBoxLeftAfterStraightLine", {RB2_2, RB2_3, RB2_1}, {"2.1"}},
        FiringCase{"SharpFallBoxLeftAfterRise", {RB2_4, RB2_5, RB2_2}, {"2.3"}},
        FiringCase{"AllWideProportional", {RB4_1_1, RB4_2_1, RB4_3_1, RB4_4_1, RB4_9}, {"4.1"}},
        FiringCase{"AllWide", {RB4_1_1, RB4_2_1, RB4_3_1, RB4_4_1}, {"4.2"}},
        FiringCase{"ThreeWideProportional", {RB4_1_1, RB4_2_1, RB4_3_1, RB4_9}, {}},
        FiringCase{"NoTopNoBottomWideSides", {RB4_1_3, RB4_2_3, RB4_3_1, RB4_4_1}, {"4.3"}},
        FiringCase{"WideLeftNarrowRight", {RB4_3_1, RB4_4_2}, {"4.4"}},
        FiringCase{"NarrowLeftNarrowRight", {RB4_3_2, RB4_4_2}, {"4.5"}},
        FiringCase{"NarrowSidesEven", {RB4_3_2, RB4_4_2, RB4_8}, {"4.5", "4.9"}},
        FiringCase{"EvenOnly", {RB4_8}, {}}, FiringCase{"WideningDownwards", {RB4_5}, {"4.6"}},
        FiringCase{"NarrowingDownwards", {RB4_6}, {"4.7"}},
        FiringCase{"RaggedMargin", {RB4_7}, {"4.8"}},
        FiringCase{"MarginsReadByNoRule", {RB4_1_2, RB4_2_2, RB4_3_3, RB4_4_3}, {}},
        FiringCase{"Section3Only", {RB3_1, RB3_4}, {}},
        FiringCase{"Section3Proportional", {RB3_2}, {}},
        FiringCase{"OneOfEachSection",
                   {RB1_3, RB3_3, RB2_2, RB4_3_2, RB4_4_2, RB4_8},
                   {"1.3", "2.3", "4.5", "4.9"}}),
    [](const testing::TestParamInfo<FiringCase>& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------------------
// The texts given word for word.

struct QuotedCase {
    const char* Name;
    const char* Id;
    TTextVariant Variant;
    const char* Paragraph;  // with the first name "Анна"
};

void PrintTo(const QuotedCase& c, std::ostream* os) { *os << c.Name; }

class QuotedTexts : public testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedTexts, ReadWordForWord) {
    EXPECT_EQ(RuleParagraph(Rule(GetParam().Id), GetParam().Variant, "Анна"), GetParam().Paragraph);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, QuotedTexts,
    testing::Values(
        QuotedCase{"Rule1_1_SelfMale", "1.1", TTextVariant::SelfMale,
                   "Анна, Ваш интеллект контролирует Ваши эмоции. Путь к Вашему сердцу лежит через "
                   "голову. Вы способны на любовь, но только в том случае, если получите "
                   "разрешение собственного ума. Для Вас не характерны внешние проявления чувств, "
                   "а энтузиазм сдерживается. "},
        QuotedCase{"Rule1_1_SelfFemale", "1.1", TTextVariant::SelfFemale,
                   "Анна, Ваш интеллект контролирует Ваши эмоции. Путь к Вашему сердцу лежит через "
                   "голову. Вы способна на любовь, но только в том случае, если получите "
                   "разрешение собственного ума. Для Вас не характерны внешние проявления чувств, "
                   "а энтузиазм сдерживается. "},
        QuotedCase{"Rule1_1_OtherMale", "1.1", TTextVariant::OtherMale,
                   "У тестируемого эмоции контролируются интеллектом. Если Вы хотите завоевать его "
                   "сердце, то путь лежит через голову тестируемого. Анна способен на любовь, но "
                   "только в том случае, если он получит размерешение ума. Для него не характерны "
                   "внешние проявления чувств, а энтузиазм сдерживается. "},
        QuotedCase{"Rule1_1_OtherFemale", "1.1", TTextVariant::OtherFemale,
                   "У тестируемой эмоции контролируются интеллектом. Если Вы хотите завоевать её "
                   "сердце, то путь лежит через голову тестируемой. Анна способна на любовь, но "
                   "только в том случае, если она получит размерешение ума. Для неё не характерны "
                   "внешние проявления чувств, а энтузиазм сдерживается. "},
        QuotedCase{"Rule2_1_SelfMale", "2.1", TTextVariant::SelfMale,
                   "Вас нелегко расстроить мелкими событиями или заявлениями других людей. Вы "
                   "тщательно обдумываете свои мысли и поступки и удерживаете свои настроения под "
                   "контролем. "},
        QuotedCase{"Rule2_1_SelfFemale", "2.1", TTextVariant::SelfFemale,
                   "Вас нелегко расстроить мелкими событиями или заявлениями других людей. Вы "
                   "тщательно обдумываете свои мысли и поступки и удерживаете свои настроения под "
                   "контролем. "},
        QuotedCase{"Rule2_1_OtherMale", "2.1", TTextVariant::OtherMale,
                   "Тестируемого нелегко расстроить мелкими событиями или заявлениями других "
                   "людей. Анна тщательно обдумывает свои мысли и поступки и удерживает свои "
                   "настроения под контролем. "},
        QuotedCase{"Rule2_1_OtherFemale", "2.1", TTextVariant::OtherFemale,
                   "Тестируемую нелегко расстроить мелкими событиями или заявлениями других "
                   "людей. Анна тщательно обдумывает свои мысли и поступки и удерживает свои "
                   "настроения под контролем. "},
        QuotedCase{"Rule4_5_SelfMale", "4.5", TTextVariant::SelfMale,
                   "Вы заставляете себя экономить, но у Вас это плохо получается. "},
        QuotedCase{"Rule4_5_SelfFemale", "4.5", TTextVariant::SelfFemale,
                   "Вы заставляете себя экономить, но у Вас это плохо получается. "},
        QuotedCase{"Rule4_5_OtherMale", "4.5", TTextVariant::OtherMale,
                   "Тестируемый заставляет себя экономить, но у него это плохо получается. "},
        QuotedCase{"Rule4_5_OtherFemale", "4.5", TTextVariant::OtherFemale,
                   "Тестируемая заставляет себя экономить, но у неё это плохо получается. "}),
    [](const testing::TestParamInfo<QuotedCase>& info) { return std::string(info.param.Name); });

// A self report with a section 1 answer opens with the name as an address.
TEST(Rules1To4, SelfReportOpensWithTheName) {
    TReportText report;
    RunRules(ruletest::Sheet({RB1_1}), ruletest::Subject(TGender::Male, TPerspective::Self, "Пётр"),
             report);
    EXPECT_TRUE(report.starts_with(RuleParagraph(Rule("1.1"), TTextVariant::SelfMale, "Пётр")))
        << report;
    EXPECT_TRUE(report.starts_with("Пётр, Ваш интеллект контролирует Ваши эмоции.")) << report;
}

// ---------------------------------------------------------------------------
// Where the first name goes, and which rules share one text for both genders.

struct PatternCase {
    const char* Id;
    const char* Self;
    bool SelfOneText;
    const char* Other;
    bool OtherOneText;
};

constexpr PatternCase kPatterns[] = {
    {"1.1", "N t", false, "t N t", false},
    {"1.2", "N t", false, "N t N t N t", false},
    {"1.3", "N t", false, "N t N t", false},
    {"1.4", "N t N t", false, "t N t N t N t", false},
    {"1.5", "N t", false, "t N t N t N t", false},
    {"1.6", "N t", false, "N t N t", false},
    {"2.1", "t", true, "t N t", false},
    {"2.2", "t", false, "N t N t", false},
    {"2.3", "t", false, "N t", false},
    {"2.4", "t", false, "N t", false},
    {"2.5", "t", false, "t N t", false},
    {"2.6", "t", true, "t", false},
    {"4.1", "t", false, "t N t", false},
    {"4.2", "t", true, "t", false},
    {"4.3", "t", true, "t", false},
    {"4.4", "t", true, "N t", true},
    {"4.5", "t", true, "t", false},
    {"4.6", "t", false, "N t N t N t", false},
    {"4.7", "N t", false, "t N t", false},
    {"4.8", "t N t N t", false, "t N t N t N t", false},
    {"4.9", "t", true, "N t", true},
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.Id; }

class Rules1To4Patterns : public testing::TestWithParam<PatternCase> {};

TEST_P(Rules1To4Patterns, PutTheNameWhereThePatternSays) {
    const PatternCase& c = GetParam();
    const TRule& rule = Rule(c.Id);
    for (TTextVariant variant : ruletest::kAllVariants) {
        const bool self = ruletest::IsSelf(variant);
        const std::string_view text = Text(rule, variant);
        EXPECT_EQ(ruletest::Pattern(text), self ? c.Self : c.Other) << text;
        // A self text addresses by name ("Анна, Вы ..."); an other text makes
        // the name the subject of its sentence ("... Анна способна ...").
        EXPECT_EQ(ruletest::NameSlotFault(text, self), "") << text;
    }
    EXPECT_EQ(rule.SelfFemale.empty(), c.SelfOneText);
    EXPECT_EQ(rule.OtherFemale.empty(), c.OtherOneText);
}

INSTANTIATE_TEST_SUITE_P(Rules, Rules1To4Patterns, testing::ValuesIn(kPatterns),
                         [](const testing::TestParamInfo<PatternCase>& info) {
                             return ruletest::RowName(info.param.Id);
                         });

// The pattern table above names every rule of the three sections.
TEST(Rules1To4, PatternTableCoversEveryRule) {
    std::set<std::string_view> tabled;
    for (const PatternCase& c : kPatterns) tabled.insert(c.Id);
    std::set<std::string_view> defined;
    for (const TRuleSection* section : {&rules::kSection1, &rules::kSection2, &rules::kSection4})
        for (const TRule& rule : section->Rules) defined.insert(rule.Id);
    EXPECT_EQ(defined, tabled);
}

}  // namespace
