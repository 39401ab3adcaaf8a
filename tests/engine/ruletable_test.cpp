// The whole rule table, section by section: the form every rule and every
// text must keep, whoever writes it.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "report.h"
#include "ruletest.h"

namespace {

using ruletest::Text;

TEST(RuleTable, SectionsRunInQuestionnaireOrderWithoutSection3) {
    std::vector<int> numbers;
    for (const TRuleSection* section : AnalysedSections()) numbers.push_back(section->Section);
    EXPECT_EQ(numbers,
              (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
}

// "s.n": the section's number and the rule's place in the table, from 1.
TEST(RuleTable, IdsCountFromOneInTableOrder) {
    for (const TRuleSection* section : AnalysedSections()) {
        int place = 0;
        for (const TRule& rule : section->Rules)
            EXPECT_EQ(rule.Id, std::to_string(section->Section) + "." + std::to_string(++place));
    }
}

// A rule on a step the section never sets, or behind a later step, would
// never be evaluated.
TEST(RuleTable, StepsLieWithinTheSectionAndNeverGoBack) {
    for (const TRuleSection* section : AnalysedSections()) {
        EXPECT_GE(section->StepMax, section->LastStep) << section->Section;
        int previous = 1;
        for (const TRule& rule : section->Rules) {
            EXPECT_GE(rule.Step, previous) << rule.Id;
            EXPECT_LE(rule.Step, section->LastStep) << rule.Id;
            EXPECT_NE(rule.When, nullptr) << rule.Id;
            previous = rule.Step;
        }
    }
}

// Each paragraph is appended directly behind the previous one, as running prose.
TEST(RuleTable, EveryTextIsOneParagraphEndingInAFullStopAndOneSpace) {
    for (const TRuleSection* section : AnalysedSections())
        for (const TRule& rule : section->Rules) {
            EXPECT_FALSE(rule.SelfMale.empty()) << rule.Id;
            EXPECT_FALSE(rule.OtherMale.empty()) << rule.Id;
            for (TTextVariant variant : ruletest::kAllVariants) {
                const std::string_view text = Text(rule, variant);
                ASSERT_GT(text.size(), 2u) << rule.Id;
                EXPECT_TRUE(text.ends_with(". ") && !text.ends_with(".  "))
                    << rule.Id << ": " << text;
                EXPECT_NE(text.front(), ' ') << rule.Id;
                EXPECT_EQ(text.find("  "), std::string_view::npos) << rule.Id << ": " << text;
                EXPECT_EQ(text.find_first_of("\t\r\n"), std::string_view::npos) << rule.Id;
            }
        }
}

// A text shared by both genders is written once, with an empty female text.
TEST(RuleTable, SharedTextsAreNotCopied) {
    for (const TRuleSection* section : AnalysedSections())
        for (const TRule& rule : section->Rules) {
            EXPECT_NE(rule.SelfFemale, rule.SelfMale) << rule.Id;
            EXPECT_NE(rule.OtherFemale, rule.OtherMale) << rule.Id;
        }
}

// In a self text the name is an address ("Анна, Вы ..."); in an other text it
// is the subject of its sentence ("... Анна способна ..."). No space is added
// around the name, so the texts carry it.
TEST(RuleTable, NameSlotsStandAsTheVoiceSays) {
    for (const TRuleSection* section : AnalysedSections())
        for (const TRule& rule : section->Rules)
            for (TTextVariant variant : ruletest::kAllVariants) {
                const std::string_view text = Text(rule, variant);
                EXPECT_EQ(ruletest::NameSlotFault(text, ruletest::IsSelf(variant)), "")
                    << rule.Id << ": " << text;
            }
}

// The polite address is capitalised in every form.
TEST(RuleTable, SelfTextsCapitaliseThePoliteAddress) {
    const std::set<std::string> lowercase = {
        "вы",    "вас",    "вам",   "вами",   "ваш",   "ваша",  "ваше", "ваши", "вашего",
        "вашей", "вашему", "вашим", "вашими", "ваших", "вашем", "вашу", "вашею"};
    for (const TRuleSection* section : AnalysedSections())
        for (const TRule& rule : section->Rules)
            for (TTextVariant variant : {TTextVariant::SelfMale, TTextVariant::SelfFemale})
                for (const std::string& word : ruletest::Words(Text(rule, variant)))
                    EXPECT_FALSE(lowercase.contains(word)) << rule.Id << ": " << word;
}

// A self text speaks to the user alone, with every form of "Вы" capitalised; a male other text
// never says "она" or "тестируемая", a female one never "он" or "тестируемый" (a text left in the
// wrong variant, or half changed, shows here).
TEST(RuleTable, EveryVariantKeepsItsPersonAndGender) {
    // Pronouns of these rules speak of a thing: the wastefulness (4.4), the character (12.9),
    // the committee (15.2).
    const std::map<std::string_view, std::string_view> thingPronouns = {
        {"4.4", "ней"}, {"12.9", "его"}, {"15.2", "его"}};
    for (const TRuleSection* section : AnalysedSections())
        for (const TRule& rule : section->Rules) {
            const auto thing = thingPronouns.find(rule.Id);
            for (TTextVariant variant : ruletest::kAllVariants)
                EXPECT_EQ(
                    ruletest::WrongVoiceWord(Text(rule, variant), variant,
                                             thing == thingPronouns.end() ? "" : thing->second),
                    "")
                    << rule.Id << " " << ruletest::VariantName(variant);
        }
}

}  // namespace
