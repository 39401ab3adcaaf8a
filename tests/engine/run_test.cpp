// The analysis run: its order, its progress protocol and the report it leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "report.h"
#include "ruletest.h"

namespace {

using enum OptionId;
using ruletest::DenseSheet;
using ruletest::FiredRules;
using ruletest::Rule;
using ruletest::Sheet;

// What the progress window would be told, one line per event.
struct ProgressLog : TRunObserver {
    std::vector<std::string> Lines;
    std::vector<int> OverallPositions;

    void OverallChanged(int position, int maximum) override {
        Lines.push_back("overall " + std::to_string(position) + "/" + std::to_string(maximum));
        OverallPositions.push_back(position);
    }
    void StepChanged(int position, int maximum) override {
        Lines.push_back("step " + std::to_string(position) + "/" + std::to_string(maximum));
    }
    void SectionShown(std::string_view caption, std::string_view title) override {
        Lines.push_back(std::string(caption) + " | " + std::string(title));
    }
};

struct SectionRow {
    int Number;
    const char* Title;
    int StepMax;
    int LastStep;
};

// The sections as the progress window shows them; section 3 is not run.
constexpr SectionRow kSections[] = {
    {1, "Наклон почерка", 6, 6},
    {2, "Наклон строки", 5, 4},
    {4, "Размер и вид полей", 8, 8},
    {5, "Округлость букв", 5, 3},
    {6, "Нажим на ручку", 6, 6},
    {7, "Размер почерка", 5, 4},
    {8, "Написание буквы \"Ё\"", 8, 8},
    {9, "Крючки и узелки", 2, 2},
    {10, "Штрихи в буквах", 3, 3},
    {11, "Петли в буквах", 3, 1},
    {12, "Цифра 7", 8, 8},
    {13, "Соединение слов", 3, 3},
    {14, "Написание букв", 8, 8},
    {15, "Заглавные буквы", 10, 10},
    {16, "Подпись", 8, 8},
    {17, "Разборчивость почерка", 4, 4},
    {18, "Каракули", 11, 11},
};

// ---------------------------------------------------------------------------
// The progress protocol.

struct ProtocolCase {
    const char* Name;
    bool Figure7Crossed;  // RB12_1
    int Section12LastStep;
};

void PrintTo(const ProtocolCase& c, std::ostream* os) { *os << c.Name; }

class Protocol : public testing::TestWithParam<ProtocolCase> {};

TEST_P(Protocol, ReportsEverySectionAndStepInOrder) {
    std::vector<std::string> expected = {"overall 0/18"};
    for (const SectionRow& row : kSections) {
        expected.push_back("overall " + std::to_string(row.Number) + "/18");
        expected.push_back("step 0/" + std::to_string(row.StepMax));
        expected.push_back(std::string("Текущий раздел... | ") + row.Title);
        const int last = row.Number == 12 ? GetParam().Section12LastStep : row.LastStep;
        for (int step = 1; step <= last; ++step)
            expected.push_back("step " + std::to_string(step) + "/" + std::to_string(row.StepMax));
    }
    TAnswerSheet sheet;
    sheet.Assign(RB12_1, GetParam().Figure7Crossed);
    ProgressLog log;
    TReportText report;
    RunRules(sheet, TSubject{}, report, &log);
    EXPECT_EQ(log.Lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Sheets, Protocol,
                         testing::Values(ProtocolCase{"Figure7NotCrossed", false, 1},
                                         ProtocolCase{"Figure7Crossed", true, 8}),
                         [](const testing::TestParamInfo<ProtocolCase>& info) {
                             return std::string(info.param.Name);
                         });

// Whatever is checked, the overall bar passes from 2 straight to 4.
TEST(Run, OverallBarNeverShowsSection3) {
    ProgressLog log;
    TReportText report;
    RunRules(DenseSheet(), TSubject{}, report, &log);
    EXPECT_EQ(log.OverallPositions,
              (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
}

// A rule is evaluated after the bars show its section and its step.
TEST(Run, EveryRuleFiresOnItsSectionAndStep) {
    struct Positions : TRunObserver {
        int Section = 0;
        int Step = 0;
        int Fired = 0;
        void OverallChanged(int position, int) override { Section = position; }
        void StepChanged(int position, int) override { Step = position; }
        void RuleFired(const TRule& rule) override {
            ++Fired;
            EXPECT_EQ(std::stoi(std::string(rule.Id)), Section) << rule.Id;
            EXPECT_EQ(rule.Step, Step) << rule.Id;
        }
    } positions;
    TReportText report;
    RunRules(DenseSheet(), TSubject{}, report, &positions);
    EXPECT_GT(positions.Fired, 0);
}

// ---------------------------------------------------------------------------
// What the report holds.

// Nothing checked (the user answered Yes to the incompleteness question):
// only the rules that hold on an empty sheet write, namely 10.2, 10.8 and 11.1.
TEST(Run, EmptySheetGivesOnlyTheRulesThatHoldOnIt) {
    const std::vector<std::string> fired = FiredRules(TAnswerSheet{});
    std::vector<std::string> expected;
    for (const char* id : {"10.2", "10.8", "11.1"})
        if (ruletest::HasRule(id)) expected.push_back(id);
    EXPECT_EQ(fired, expected);
}

// Section 3 has no rules; its options alone change nothing.
TEST(Run, Section3AloneAddsNothing) {
    const std::vector<std::string> empty = FiredRules(TAnswerSheet{});
    TAnswerSheet all;
    for (const TOptionInfo& option : catalogue::OptionsOfSection(3)) {
        EXPECT_EQ(FiredRules(Sheet({option.Option})), empty) << option.Id;
        all.Assign(option.Option, true);
    }
    EXPECT_EQ(FiredRules(all), empty);
}

struct SubjectCase {
    const char* Name;
    TGender Gender;
    TPerspective Perspective;
    TTextVariant Variant;
};

void PrintTo(const SubjectCase& c, std::ostream* os) { *os << c.Name; }

class Variants : public testing::TestWithParam<SubjectCase> {};

TEST_P(Variants, SubjectChoosesTheVariant) {
    const SubjectCase& c = GetParam();
    const TSubject subject = ruletest::Subject(c.Gender, c.Perspective, "Саша");
    EXPECT_EQ(VariantOf(subject), c.Variant);
}

// The report is the paragraphs of the fired rules in the subject's variant,
// appended without separators, and ends in a space.
TEST_P(Variants, ReportJoinsTheFiredParagraphs) {
    const SubjectCase& c = GetParam();
    const TSubject subject = ruletest::Subject(c.Gender, c.Perspective, "Саша");
    const TAnswerSheet sheet = DenseSheet();
    std::string expected;
    for (const std::string& id : FiredRules(sheet))
        expected += RuleParagraph(Rule(id), c.Variant, "Саша");
    TReportText report = "the previous report";
    RunRules(sheet, subject, report);
    EXPECT_EQ(report, expected);
    ASSERT_FALSE(report.empty());
    EXPECT_TRUE(report.ends_with(". "));
}

INSTANTIATE_TEST_SUITE_P(
    Subjects, Variants,
    testing::Values(
        SubjectCase{"SelfMale", TGender::Male, TPerspective::Self, TTextVariant::SelfMale},
        SubjectCase{"SelfFemale", TGender::Female, TPerspective::Self, TTextVariant::SelfFemale},
        SubjectCase{"OtherMale", TGender::Male, TPerspective::Other, TTextVariant::OtherMale},
        SubjectCase{"OtherFemale", TGender::Female, TPerspective::Other,
                    TTextVariant::OtherFemale}),
    [](const testing::TestParamInfo<SubjectCase>& info) { return std::string(info.param.Name); });

// A subject never confirmed reads as a tested woman.
TEST(Run, UnconfirmedSubjectIsOtherFemale) {
    EXPECT_EQ(VariantOf(TSubject{}), TTextVariant::OtherFemale);
}

TEST(Run, TwoRunsGiveTheSameReport) {
    const TAnswerSheet sheet = DenseSheet();
    const TSubject subject = ruletest::Subject(TGender::Male, TPerspective::Other, "Иван");
    TReportText first;
    RunRules(sheet, subject, first);
    TReportText second = first;
    RunRules(sheet, subject, second);
    EXPECT_EQ(second, first);
}

// ---------------------------------------------------------------------------
// The first name goes in exactly as held.

struct NameCase {
    const char* Name;
    std::string FirstName;
    const char* Opening;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.Name; }

class Names : public testing::TestWithParam<NameCase> {};

TEST_P(Names, StandAsHeldWhereTheNameGoes) {
    const TSubject subject =
        ruletest::Subject(TGender::Male, TPerspective::Self, GetParam().FirstName);
    TReportText report;
    RunRules(Sheet({RB1_1}), subject, report);
    EXPECT_TRUE(report.starts_with(GetParam().Opening)) << report;
}

INSTANTIATE_TEST_SUITE_P(
    FirstNames, Names,
    testing::Values(
        // A subject never confirmed.
        NameCase{"EmptyJoinsAsIs", "", ", Ваш интеллект контролирует Ваши эмоции. "},
        // A subject confirmed with the name field left empty.
        NameCase{"NoDataStandsForTheName", kNoData, "<нет данных>, Ваш интеллект"},
        NameCase{"SpacesAndCaseKept", "  иван ", "  иван , Ваш интеллект"},
        NameCase{"SlotMarkerInTheNameIsNotExpanded", "{N}", "{N}, Ваш интеллект"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.Name); });

// Inserting the slot marker itself as the name gives back the text: each slot
// is filled once, and the name is never searched for slots again.
TEST(Run, EverySlotIsFilledOnce) {
    for (const TRuleSection* section : AnalysedSections())
        for (const TRule& rule : section->Rules)
            for (TTextVariant variant : ruletest::kAllVariants) {
                const std::string_view text = ruletest::Text(rule, variant);
                EXPECT_EQ(RuleParagraph(rule, variant, kNameSlot), text) << rule.Id;
                const std::string filled = RuleParagraph(rule, variant, "Ия");
                EXPECT_EQ(filled.find(kNameSlot), std::string::npos) << rule.Id;
            }
}

}  // namespace
