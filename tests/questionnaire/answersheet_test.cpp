#include "answersheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>
#include <vector>

namespace {

using enum OptionId;

struct Clear {
    int section;
};
struct Analyse {};  // an analysis run finished
using Step = std::variant<OptionId, Clear, Analyse>;

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<OptionId> checked = {};   // exactly these options are checked afterwards
    std::vector<OptionId> enabled = {};   // these are enabled
    std::vector<OptionId> disabled = {};  // these are disabled
    std::vector<int> touched = {};        // exactly these sections are touched
    bool analysisDone = false;
    int invalidations = -1;  // how often the analysis step was painted pink; -1: not checked
};

struct Recorder : TAnswerSheetObserver {
    int invalidations = 0;
    void AnalysisInvalidated() override { ++invalidations; }
};

class AnswerSheetCase : public testing::TestWithParam<Case> {};

TEST_P(AnswerSheetCase, EndsInTheExpectedState) {
    const Case& c = GetParam();
    TAnswerSheet sheet;
    Recorder recorder;
    sheet.SetObserver(&recorder);
    for (const Step& step : c.steps) {
        if (auto id = std::get_if<OptionId>(&step)) {
            sheet.Click(*id);
        } else if (auto clear = std::get_if<Clear>(&step)) {
            sheet.ClearSection(clear->section);
        } else {
            sheet.SetAnalysisDone();
            recorder.invalidations = 0;
        }
    }
    for (const TOptionInfo& option : catalogue::Options()) {
        bool expected = std::ranges::find(c.checked, option.Option) != c.checked.end();
        EXPECT_EQ(sheet.IsChecked(option.Option), expected) << option.Id;
    }
    for (OptionId id : c.enabled) EXPECT_TRUE(sheet.IsEnabled(id)) << catalogue::Option(id).Id;
    for (OptionId id : c.disabled) EXPECT_FALSE(sheet.IsEnabled(id)) << catalogue::Option(id).Id;
    for (int section = 1; section <= 18; ++section) {
        bool expected = std::ranges::find(c.touched, section) != c.touched.end();
        EXPECT_EQ(sheet.IsSectionTouched(section), expected) << "section " << section;
    }
    EXPECT_EQ(sheet.AnalysisDone(), c.analysisDone);
    if (c.invalidations >= 0) {
        EXPECT_EQ(recorder.invalidations, c.invalidations);
    }
}

const Case kCases[] = {
    {.name = "StartUp",
     .steps = {},
     .checked = {},
     .enabled = {RB2_2, RB4_9, RB11_1, RB15_10},
     .disabled = {RB2_3, RB2_5, RB8_8, RB11_16, RB12_2, RB16_21},
     .touched = {}},
    {.name = "RadioGroupExcludesAndDisabledSubOptionKeepsItsTick",
     .steps = {RB2_2, RB2_3, RB2_1},
     .checked = {RB2_1, RB2_3},
     .enabled = {RB2_2},
     .disabled = {RB2_3, RB2_5},
     .touched = {2}},
    {.name = "SelectedRadioIgnoresAnotherClick",
     .steps = {RB1_1, Analyse{}, RB1_1},
     .checked = {RB1_1},
     .touched = {1},
     .analysisDone = true,
     .invalidations = 0},
    {.name = "TickAndUntickLeavesSectionTouched",
     .steps = {RB9_1, RB9_1},
     .checked = {},
     .touched = {9}},
    {.name = "GroupsOfDifferentSectionsAreIndependent",
     .steps = {RB1_1, RB10_2, RB10_3, RB4_1_2, RB4_2_1},
     .checked = {RB1_1, RB10_2, RB10_3, RB4_1_2, RB4_2_1},
     .touched = {1, 4, 10}},
    {.name = "DisabledOptionIgnoresClicks", .steps = {RB2_3, RB12_2}, .checked = {}, .touched = {}},
    {.name = "NoDotsKeepsHighDotsDisabledUntilAnotherDotOption",
     .steps = {RB8_7},
     .checked = {RB8_7},
     .disabled = {RB8_8},
     .touched = {8}},
    {.name = "AnotherDotOptionEnablesHighDots",
     .steps = {RB8_7, RB8_2, RB8_8},
     .checked = {RB8_2, RB8_8},
     .enabled = {RB8_8},
     .touched = {8}},
    {.name = "VariousLoopsClosesSingleKindsButNotThree",
     .steps = {RB11_1, RB11_16},
     .checked = {RB11_1, RB11_16},
     .enabled = {RB11_6, RB11_13, RB11_14, RB11_16},
     .disabled = {RB11_2, RB11_3, RB11_4, RB11_5, RB11_7, RB11_8, RB11_10, RB11_11, RB11_12,
                  RB11_15},
     .touched = {11}},
    {.name = "UntickingLoopsClosesEveryLoopOption",
     .steps = {RB11_1, RB11_16, RB11_1},
     .checked = {RB11_16},
     .disabled = {RB11_2, RB11_6, RB11_13, RB11_14, RB11_15, RB11_16},
     .touched = {11}},
    {.name = "RetickingLoopsOpensOnlyVariousLoops",
     .steps = {RB11_1, RB11_16, RB11_1, RB11_1},
     .checked = {RB11_1, RB11_16},
     .enabled = {RB11_16},
     .disabled = {RB11_2, RB11_3, RB11_4, RB11_5, RB11_6, RB11_7, RB11_8, RB11_10, RB11_11, RB11_12,
                  RB11_13, RB11_14, RB11_15},
     .touched = {11}},
    {.name = "CrossedSevenGovernsItsOwnHandlerOption",
     .steps = {RB12_1, RB12_2, RB12_1},
     .checked = {RB12_2},
     .disabled = {RB12_2, RB12_3, RB12_14},
     .touched = {12}},
    {.name = "NoDoodlesClosesTheOthersAndKeepsTheirTicks",
     .steps = {RB18_1, RB18_5, RB18_13},
     .checked = {RB18_1, RB18_5, RB18_13},
     .enabled = {RB18_13},
     .disabled = {RB18_1, RB18_2, RB18_5, RB18_12},
     .touched = {18}},
    {.name = "FancyLettersSwapsPlainLetters",
     .steps = {RB14_1, RB14_8},
     .checked = {RB14_1, RB14_8},
     .enabled = {RB14_2, RB14_9},
     .disabled = {RB14_3},
     .touched = {14}},
    {.name = "SeveralVariantsOfYaCloseSingleVariants",
     .steps = {RB15_9},
     .checked = {RB15_9},
     .enabled = {RB15_15, RB15_16},
     .disabled = {RB15_10, RB15_11, RB15_12, RB15_13, RB15_14, RB15_17},
     .touched = {15}},
    {.name = "UnderlineOpensItsKinds",
     .steps = {RB16_8, RB16_10, RB16_11, RB16_14},
     .checked = {RB16_8, RB16_10, RB16_11, RB16_14},
     .enabled = {RB16_9, RB16_12, RB16_21},
     .touched = {16}},
    {.name = "ProportionalMarginsTouchSectionFour",
     .steps = {Analyse{}, RB4_9},
     .checked = {RB4_9},
     .touched = {4},
     .invalidations = 1},
    {.name = "ChangeAfterAnalysisInvalidatesItEvenWhenUndone",
     .steps = {RB9_1, Analyse{}, RB9_1},
     .checked = {},
     .touched = {9},
     .invalidations = 1},
    {.name = "ClearSectionTwoWithSteepRiseTicked",
     .steps = {RB2_2, RB2_3, Analyse{}, Clear{2}},
     .checked = {},
     .disabled = {RB2_3, RB2_5},
     .touched = {}},
    {.name = "ClearSectionEighteenWithNoDoodlesReopensDoodles",
     .steps = {RB18_3, RB18_13, Clear{18}},
     .checked = {},
     .enabled = {RB18_1, RB18_3, RB18_12},
     .touched = {}},
    {.name = "ClearSectionOfRadioButtonsInvalidatesAnalysis",
     .steps = {RB1_3, Analyse{}, Clear{1}},
     .checked = {},
     .touched = {},
     .invalidations = 1},
    {.name = "ClearUntouchedEmptySectionKeepsAnalysis",
     .steps = {RB1_3, Analyse{}, Clear{5}},
     .checked = {RB1_3},
     .touched = {1},
     .analysisDone = true,
     .invalidations = 0},
    {.name = "ClearSectionThreeAlsoUnticksConsiderableDistance",
     .steps = {RB3_3, RB3_4, Clear{3}},
     .checked = {},
     .disabled = {RB3_4},
     .touched = {}},
    {.name = "ClearSectionElevenClosesTheLoops",
     .steps = {RB11_1, RB11_2, RB11_6, RB11_16, RB1_1, Clear{11}},
     .checked = {RB1_1},
     .disabled = {RB11_2, RB11_6, RB11_16},
     .touched = {1}},
    {.name = "ClearSectionFourAlsoUnticksProportionalMargins",
     .steps = {RB4_1_1, RB4_9, Clear{4}},
     .checked = {},
     .touched = {}},
};

INSTANTIATE_TEST_SUITE_P(ClickSequences, AnswerSheetCase, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerSheet, AllSectionsTouchedNeedsEveryFlag) {
    TAnswerSheet sheet;
    for (int section = 1; section <= 17; ++section) sheet.MarkSectionTouched(section);
    EXPECT_FALSE(sheet.AllSectionsTouched());
    sheet.MarkSectionTouched(18);
    EXPECT_TRUE(sheet.AllSectionsTouched());
    sheet.ClearSection(7);
    EXPECT_FALSE(sheet.AllSectionsTouched());
}

TEST(AnswerSheet, IconRule) {
    TAnswerSheet sheet;
    sheet.Click(RB5_1);
    EXPECT_EQ(SectionIcon(sheet, 5, 5), 2);
    EXPECT_EQ(SectionIcon(sheet, 5, 6), 1);
    EXPECT_EQ(SectionIcon(sheet, 6, 5), 0);
}

}  // namespace
