// The rule tables of sections 11 to 15: which rules fire on the sheets that
// matter, the texts given word for word, and where the first name goes.

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "report.h"
#include "ruletest.h"

namespace {

using enum OptionId;
using ruletest::kAllVariants;
using ruletest::RowName;
using ruletest::Rule;
using ruletest::Sheet;
using ruletest::Text;

const TRuleSection* const kSections11To15[] = {&rules::kSection11, &rules::kSection12,
                                               &rules::kSection13, &rules::kSection14,
                                               &rules::kSection15};

// The ids of the section's rules whose conditions hold, in table order, whether or not the run
// reaches their step.
std::vector<std::string_view> Holding(const TRuleSection& section, const TAnswerSheet& sheet) {
    std::vector<std::string_view> ids;
    for (const TRule& rule : section.Rules)
        if (rule.When(sheet)) ids.push_back(rule.Id);
    return ids;
}

// --- Which rules fire ---------------------------------------------------------------------

struct FiringCase {
    const char* Name;
    const TRuleSection* Section;
    std::vector<OptionId> Checked;
    std::vector<std::string> Expected;
};

void PrintTo(const FiringCase& c, std::ostream* os) { *os << c.Name; }

class Firing : public testing::TestWithParam<FiringCase> {};

TEST_P(Firing, GivesTheseRulesInOrder) {
    const FiringCase& c = GetParam();
    EXPECT_EQ(ruletest::FiredRules(Sheet(c.Checked), c.Section->Section, c.Section->Section),
              c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sections11To15, Firing,
    testing::Values(
        // Loops not written is the one finding of sections 11 to 18 on an empty sheet.
        FiringCase{"EmptySheetGivesRule11_1", &rules::kSection11, {}, {"11.1"}},
        FiringCase{"EmptySheetNothingFromSection12", &rules::kSection12, {}, {}},
        FiringCase{"EmptySheetNothingFromSection13", &rules::kSection13, {}, {}},
        FiringCase{"EmptySheetNothingFromSection14", &rules::kSection14, {}, {}},
        FiringCase{"EmptySheetNothingFromSection15", &rules::kSection15, {}, {}},
        FiringCase{"LoopsWrittenAloneGiveNothing", &rules::kSection11, {RB11_1}, {}},
        FiringCase{
            "NarrowLongLoops", &rules::kSection11, {RB11_1, RB11_2, RB11_4}, {"11.2", "11.3"}},
        FiringCase{"VariedLoopsReplaceNarrowLong",
                   &rules::kSection11,
                   {RB11_1, RB11_2, RB11_4, RB11_16},
                   {"11.18"}},
        FiringCase{"WideLongSwollenLoops",
                   &rules::kSection11,
                   {RB11_1, RB11_3, RB11_4, RB11_5},
                   {"11.4", "11.5"}},
        FiringCase{"AngularAndKnottedLoopsWithRoundLetters",
                   &rules::kSection11,
                   {RB11_1, RB11_14, RB11_15, RB5_1},
                   {"11.16", "11.17"}},
        FiringCase{"ShortUpperLoopWithFancyLetters",
                   &rules::kSection11,
                   {RB11_1, RB11_6, RB14_1},
                   {"11.6", "11.7"}},
        FiringCase{"ShortUpperLoopWithoutFancyLetters",
                   &rules::kSection11,
                   {RB11_1, RB11_6},
                   {"11.6", "11.8"}},
        FiringCase{"BigLowerLoopWithLightPressure",
                   &rules::kSection11,
                   {RB11_1, RB11_7, RB6_1},
                   {"11.9", "11.10"}},
        // Loop options left checked after "Петли написаны" was unchecked count for nothing.
        FiringCase{"LoopOptionsWithoutLoopsWritten",
                   &rules::kSection11,
                   {RB11_2, RB11_6, RB11_13, RB11_16},
                   {"11.1"}},
        FiringCase{
            "SevenNotCrossed", &rules::kSection12, {RB12_2, RB12_7, RB12_5, RB12_9, RB12_11}, {}},
        FiringCase{"CrossedSevenLongStrokeDown",
                   &rules::kSection12,
                   {RB12_1, RB12_2, RB12_7},
                   {"12.1", "12.3"}},
        FiringCase{"CrossedSevenStrokeOnSlant", &rules::kSection12, {RB12_1, RB12_4}, {"12.5"}},
        FiringCase{"LetterBreaks", &rules::kSection13, {RB13_1}, {"13.1"}},
        FiringCase{"NoBreaks", &rules::kSection13, {RB13_2}, {"13.2"}},
        FiringCase{"SomeBreaks", &rules::kSection13, {RB13_3}, {"13.3"}},
        // The three options are one choice group: the last one checked wins.
        FiringCase{"AllJoinsClickedInTurn", &rules::kSection13, {RB13_1, RB13_2, RB13_3}, {"13.3"}},
        FiringCase{"ShrinkingWord", &rules::kSection14, {RB14_8}, {"14.2"}},
        FiringCase{
            "ShrinkingWordEndingInLine", &rules::kSection14, {RB14_8, RB14_9}, {"14.2", "14.3"}},
        FiringCase{"FancyLettersAloneGiveNothingInSection14", &rules::kSection14, {RB14_1}, {}},
        FiringCase{"CurlsOnCapitals", &rules::kSection15, {RB15_8}, {"15.1", "15.10"}},
        FiringCase{
            "TallPlainNarrowLoopedYa", &rules::kSection15, {RB15_13, RB15_14, RB15_15}, {"15.5"}},
        FiringCase{"VariedYaReplacesTheOthers",
                   &rules::kSection15,
                   {RB15_13, RB15_14, RB15_15, RB15_9},
                   {"15.7"}},
        FiringCase{"VariedYaBlocksRules15_2To15_6",
                   &rules::kSection15,
                   {RB15_10, RB15_12, RB15_16, RB15_17, RB15_9},
                   {"15.7"}},
        FiringCase{"CapitalsTooBig", &rules::kSection15, {RB15_1}, {}},
        FiringCase{"CapitalsProportional", &rules::kSection15, {RB15_2}, {}},
        FiringCase{"CapitalsTooSmall", &rules::kSection15, {RB15_3}, {}},
        FiringCase{"CapitalsInvisible", &rules::kSection15, {RB15_4, RB15_5}, {}}),
    [](const testing::TestParamInfo<FiringCase>& info) { return std::string(info.param.Name); });

// Section 12 after its first step rests on "Цифра 7 перечёркнута": no pair of the section's
// other options may make a rule fire without it.
TEST(Section12, NothingFiresUnlessTheSevenIsCrossed) {
    std::vector<OptionId> others;
    for (const TOptionInfo& option : catalogue::OptionsOfSection(12))
        if (option.Option != RB12_1) others.push_back(option.Option);
    for (OptionId a : others)
        for (OptionId b : others)
            EXPECT_TRUE(Holding(rules::kSection12, Sheet({a, b})).empty())
                << catalogue::Option(a).Id << " + " << catalogue::Option(b).Id;
    EXPECT_EQ(rules::kSection12.GateAfterFirstStep, RB12_1);
}

// --- Texts given word for word ------------------------------------------------------------

// The texts in the order of kAllVariants.
struct QuotedCase {
    const char* Id;
    std::string_view Texts[4];
};

void PrintTo(const QuotedCase& c, std::ostream* os) { *os << c.Id; }

class Quoted : public testing::TestWithParam<QuotedCase> {};

TEST_P(Quoted, ReadsExactly) {
    const QuotedCase& c = GetParam();
    for (std::size_t i = 0; i < std::size(kAllVariants); ++i)
        EXPECT_EQ(Text(Rule(c.Id), kAllVariants[i]), c.Texts[i]) << "variant " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Sections11To15, Quoted,
    testing::Values(
        QuotedCase{"11.6",
                   {"У Вас осторожное мышление. ", "У Вас осторожное мышление. ",
                    "У него осторожное мышление. ", "У неё осторожное мышление. "}},
        QuotedCase{"11.12",
                   {"Вы проявляете осторожность и внимательность в отношении отдельных деталей "
                    "дела. А также Вы упорный. ",
                    "Вы проявляете осторожность и внимательность в отношении отдельных деталей "
                    "дела. А также Вы упорная. ",
                    "{N} проявляет осторожность и внимательность в отношении отдельных деталей "
                    "дела. А также {N} упорный. ",
                    "{N} проявляет осторожность и внимательность в отношении отдельных деталей "
                    "дела. А также {N} упорная. "}},
        QuotedCase{"12.5",
                   {"Вы медлите и откладываете дела с одного дня на другой. ",
                    "Вы медлите и откладываете дела с одного дня на другой. ",
                    "{N} медлит и откладывает дела с одного дня на другой. ",
                    "{N} медлит и откладывает дела с одного дня на другой. "}},
        QuotedCase{
            "13.3",
            {"Вы обладаете и логикой и интуицией. ", "Вы обладаете и логикой и интуицией. ",
             "{N} обладает и логикой и интуицией. ", "{N} обладает и логикой и интуицией. "}},
        QuotedCase{"14.1",
                   {"Вы не умеете хранить секреты. ", "Вы не умеете хранить секреты. ",
                    "{N} не умеет хранить секреты. ", "{N} не умеет хранить секреты. "}},
        QuotedCase{"15.5",
                   {"Вы гордый, но не тщеславный. ", "Вы горда, но не тщеславна. ",
                    "{N} гордый, но не тщеславный. ", "{N} горда, но не тщеславна. "}},
        // In a self report the rule begins with the name followed directly by ", Вы не очень".
        QuotedCase{"15.7",
                   {"{N}, Вы не очень серъезно себя воспринимаете. У Вас нет устойчивых "
                    "взглядов, и Вы относитесь к себе с чувством юмора. ",
                    "{N}, Вы не очень серъезно себя воспринимаете. У Вас нет устойчивых "
                    "взглядов, и Вы относитесь к себе с чувством юмора. ",
                    "{N} не очень серъезно себя воспринимает. У него нет устойчивых взглядов, и "
                    "он относится к себе с чувством юмора. ",
                    "{N} не очень серъезно себя воспринимает. У неё нет устойчивых взглядов, и "
                    "она относится к себе с чувством юмора. "}}),
    [](const testing::TestParamInfo<QuotedCase>& info) { return RowName(info.param.Id); });

// Angular loops and knotted loops repeat one finding word for word.
TEST(SharedParagraphs, Rules11_16And11_17ReadAlike) {
    for (TTextVariant variant : kAllVariants)
        EXPECT_EQ(Text(Rule("11.16"), variant), Text(Rule("11.17"), variant));
}

// --- Where the first name goes ------------------------------------------------------------

struct SlotCase {
    const char* Id;
    const char* Self;         // pattern of the self texts
    const char* SelfFemale;   // empty: one text for both genders
    const char* Other;        // pattern of the other texts
    const char* OtherFemale;  // empty: one text for both genders
};

// Every rule of sections 11 to 15 in evaluation order.
constexpr SlotCase kSlotCases[] = {
    {"11.1", "t N t", "", "t N t N t N t N t", "t N t N t N t N t"},
    {"11.2", "t", "", "t", "t"},
    {"11.3", "t", "", "t N t", "t N t"},
    {"11.4", "t", "", "t", "t"},
    {"11.5", "t", "", "t N t N t", "t N t N t"},
    {"11.6", "t", "", "t", "t"},
    {"11.7", "t", "", "t", "t"},
    {"11.8", "t", "t", "N t N t", "N t N t"},
    {"11.9", "t", "t", "t N t", "t N t"},
    {"11.10", "t N t N t", "t N t N t", "N t N t", "N t N t"},
    {"11.11", "t N t", "t N t", "N t N t N t", "N t N t N t"},
    {"11.12", "t", "t", "N t N t", "N t N t"},
    {"11.13", "t N t", "", "t N t", "t N t"},
    {"11.14", "t", "", "t", "t"},
    {"11.15", "t", "", "t", "t"},
    {"11.16", "t", "", "N t", "N t"},
    {"11.17", "t", "", "N t", "N t"},
    {"11.18", "t", "", "t", "t"},
    {"12.1", "t", "", "N t", ""},
    {"12.2", "t", "", "t", "t"},
    {"12.3", "t", "", "N t", ""},
    {"12.4", "t", "", "N t", "N t"},
    {"12.5", "t", "", "N t", ""},
    {"12.6", "t", "t", "N t", "N t"},
    {"12.7", "t", "t", "N t", "N t"},
    {"12.8", "t", "", "t", "t"},
    {"12.9", "t", "", "t", "t"},
    {"12.10", "t", "", "t", "t"},
    {"12.11", "t", "", "N t", "N t"},
    {"13.1", "t", "", "N t", "N t"},
    {"13.2", "t", "t", "N t", "N t"},
    {"13.3", "t", "", "N t", ""},
    {"14.1", "t", "", "N t", ""},
    {"14.2", "t", "t", "N t N t", "N t N t"},
    {"14.3", "t", "t", "t N t", "t N t"},
    {"14.4", "t", "t", "N t N t", "N t N t"},
    {"14.5", "t", "t", "N t", "N t"},
    {"14.6", "t", "t", "N t", "N t"},
    {"14.7", "t", "", "N t", "N t"},
    {"14.8", "t", "", "N t", ""},
    {"14.9", "t", "", "N t", ""},
    {"15.1", "t", "", "N t", ""},
    {"15.2", "t", "t", "N t N t N t", "N t N t N t"},
    {"15.3", "t", "t", "N t N t N t", "N t N t N t"},
    {"15.4", "t", "t", "N t", "N t"},
    {"15.5", "t", "t", "N t", "N t"},
    {"15.6", "N t", "", "N t N t N t", "N t N t N t"},
    {"15.7", "N t", "", "N t", "N t"},
    {"15.8", "t", "", "N t", "N t"},
    {"15.9", "t", "t", "t N t", "t N t"},
    {"15.10", "t", "", "t N t", "t N t"},
};

void PrintTo(const SlotCase& c, std::ostream* os) { *os << c.Id; }

class NameSlots : public testing::TestWithParam<SlotCase> {};

// Checks one gender pair: the male text has the pattern; a one-text rule leaves the female text
// empty, any other rule gives it the female pattern and wording of its own.
void CheckPair(std::string_view male, std::string_view female, const char* malePattern,
               const char* femalePattern, bool self) {
    EXPECT_EQ(ruletest::Pattern(male), malePattern) << male;
    EXPECT_EQ(ruletest::NameSlotFault(male, self), "") << male;
    if (*femalePattern == '\0') {
        EXPECT_TRUE(female.empty()) << "one text expected, the female text reads: " << female;
        return;
    }
    EXPECT_EQ(ruletest::Pattern(female), femalePattern) << female;
    EXPECT_NE(female, male) << "the female text is missing its own wording";
    EXPECT_EQ(ruletest::NameSlotFault(female, self), "") << female;
}

TEST_P(NameSlots, StandWhereThePatternSays) {
    const SlotCase& c = GetParam();
    const TRule& rule = Rule(c.Id);
    {
        SCOPED_TRACE("self");
        CheckPair(rule.SelfMale, rule.SelfFemale, c.Self, c.SelfFemale, true);
    }
    {
        SCOPED_TRACE("other");
        CheckPair(rule.OtherMale, rule.OtherFemale, c.Other, c.OtherFemale, false);
    }
}

INSTANTIATE_TEST_SUITE_P(Sections11To15, NameSlots, testing::ValuesIn(kSlotCases),
                         [](const testing::TestParamInfo<SlotCase>& info) {
                             return RowName(info.param.Id);
                         });

// The slot table above names every rule of the five sections, in evaluation order, so a rule
// lost from a table or moved out of order shows here.
TEST(NameSlotTable, CoversEveryRuleInOrder) {
    std::vector<std::string_view> tableIds;
    for (const TRuleSection* section : kSections11To15)
        for (const TRule& rule : section->Rules) tableIds.push_back(rule.Id);
    std::vector<std::string_view> caseIds;
    for (const SlotCase& c : kSlotCases) caseIds.push_back(c.Id);
    EXPECT_EQ(tableIds, caseIds);
}

}  // namespace
