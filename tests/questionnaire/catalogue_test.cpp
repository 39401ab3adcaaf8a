#include "catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

using enum OptionId;

struct SectionCounts {
    int section;
    int radios;
    int checks;
    bool exampleBox;
};

// The shape of every section: a misplaced row in the table changes a count.
TEST(Catalogue, SectionsHoldTheirRadioButtonsAndCheckBoxes) {
    const SectionCounts expected[] = {
        {1, 6, 0, true},  {2, 4, 2, true},   {3, 3, 1, true},   {4, 16, 1, true},
        {5, 3, 5, true},  {6, 6, 1, false},  {7, 4, 3, true},   {8, 7, 1, true},
        {9, 0, 3, true},  {10, 3, 2, true},  {11, 4, 11, true}, {12, 11, 3, true},
        {13, 3, 0, true}, {14, 6, 10, true}, {15, 8, 9, true},  {16, 11, 10, true},
        {17, 3, 0, true}, {18, 0, 13, true},
    };
    ASSERT_EQ(catalogue::Sections().size(), 18u);
    int total = 0;
    for (const SectionCounts& row : expected) {
        auto options = catalogue::OptionsOfSection(row.section);
        auto radios = std::ranges::count(options, TOptionKind::Radio, &TOptionInfo::Kind);
        EXPECT_EQ(radios, row.radios) << "section " << row.section;
        EXPECT_EQ(static_cast<int>(options.size()) - radios, row.checks)
            << "section " << row.section;
        EXPECT_EQ(catalogue::Section(row.section).HasExampleBox, row.exampleBox);
        EXPECT_EQ(catalogue::Section(row.section).Number, row.section);
        total += static_cast<int>(options.size());
    }
    EXPECT_EQ(total, 173);
}

TEST(Catalogue, SectionNamesAndPanels) {
    EXPECT_EQ(catalogue::Section(1).Name, "Наклон почерка");
    EXPECT_EQ(catalogue::Section(8).Name, "Написание Ё");
    EXPECT_EQ(catalogue::Section(10).Name, "Штрихи у букв");
    EXPECT_EQ(catalogue::Section(18).Name, "Каракули");
    EXPECT_EQ(catalogue::Section(4).Panel(), "APanel_4");
    EXPECT_EQ(catalogue::Section(18).Panel(), "APanel_18");
    EXPECT_EQ(catalogue::Section(4).TwoDigits(), "04");
    EXPECT_EQ(catalogue::Section(12).TwoDigits(), "12");
}

TEST(Catalogue, IdsFollowTheirSectionAndGapsStayGaps) {
    for (const TOptionInfo& option : catalogue::Options()) {
        const std::string prefix = "RB" + std::to_string(option.Section) + "_";
        EXPECT_TRUE(option.Id.starts_with(prefix)) << option.Id;
        EXPECT_EQ(catalogue::FindOption(option.Id), option.Option);
        EXPECT_EQ(catalogue::Option(option.Option).Id, option.Id);
    }
    for (const char* missing : {"RB11_9", "RB16_16", "RB3_5", "RB4_1", "RB19_1", "", "rb1_1"})
        EXPECT_FALSE(catalogue::FindOption(missing).has_value()) << missing;
}

// Captions that look like typos are the program's own and must stay.
TEST(Catalogue, CaptionsAreKeptLetterForLetter) {
    EXPECT_EQ(catalogue::Option(RB8_3).Caption,
              "Точки, тщательно поставленные и написанные  с сильным нажимом");
    EXPECT_EQ(catalogue::Option(RB5_8).Caption,
              "Буквы \"Т\", И\", \"Ш\", \"А\" похожи друг на друга");
    EXPECT_EQ(catalogue::Option(RB4_3_2).Caption, "Узкие поля слева");
    EXPECT_EQ(catalogue::Option(RB12_9).Caption, "Шрих является продолжением цифры");
    EXPECT_EQ(catalogue::Option(RB18_13).Caption, "Каракулей нет");
}

TEST(Catalogue, ChoiceGroupsStayWithinSectionAndGroup) {
    auto group = catalogue::ChoiceGroup(RB4_1_2);
    EXPECT_EQ(group, (std::vector{RB4_1_1, RB4_1_3}));
    EXPECT_NE(catalogue::Option(RB4_1_2).GroupIndex, catalogue::Option(RB4_2_1).GroupIndex);
    EXPECT_EQ(catalogue::Option(RB16_3).GroupIndex, 0);
    EXPECT_EQ(catalogue::Option(RB16_4).GroupIndex, 1);
    EXPECT_EQ(catalogue::ChoiceGroup(RB10_3), (std::vector{RB10_4, RB10_5}));
    EXPECT_TRUE(catalogue::ChoiceGroup(RB2_3).empty());
    // Check boxes carry no group, radio buttons groups 0..4.
    for (const TOptionInfo& option : catalogue::Options()) {
        if (option.Kind == TOptionKind::Check)
            EXPECT_EQ(option.GroupIndex, -1) << option.Id;
        else
            EXPECT_TRUE(option.GroupIndex >= 0 && option.GroupIndex <= 4) << option.Id;
    }
}

TEST(Catalogue, ExampleCodesNameTheirSection) {
    std::map<std::string_view, std::set<std::string_view>> owners;
    for (const TOptionInfo& option : catalogue::Options()) {
        auto code = catalogue::ExampleCode(option.Option);
        if (!code) {
            EXPECT_TRUE(option.Section == 6 || option.Option == RB4_9) << option.Id;
            continue;
        }
        ASSERT_EQ(code->size(), 4u) << option.Id;
        EXPECT_EQ(std::stoi(std::string(code->substr(0, 2))), option.Section) << option.Id;
        owners[*code].insert(option.Id);
    }
    for (const auto& [code, ids] : owners) {
        if (code == "0301" || code == "1501")
            EXPECT_EQ(ids.size(), 2u) << code;
        else
            EXPECT_EQ(ids.size(), 1u) << code;
    }
    EXPECT_EQ(catalogue::ExampleCode(RB4_3_2), "0432");
    EXPECT_EQ(catalogue::ExampleCode(RB7_4), "0705");
    EXPECT_EQ(catalogue::ExampleCode(RB7_5), "0704");
    EXPECT_EQ(catalogue::ExampleCode(RB15_9), "1508");
    EXPECT_EQ(catalogue::ExampleCode(RB17_2), "1703");
}

TEST(Catalogue, FiftyTwoOptionsStartDisabled) {
    auto disabled = std::ranges::count(catalogue::Options(), false, &TOptionInfo::InitiallyEnabled);
    EXPECT_EQ(disabled, 52);
    EXPECT_FALSE(catalogue::Option(RB8_8).InitiallyEnabled);
    EXPECT_TRUE(catalogue::Option(RB15_10).InitiallyEnabled);
    EXPECT_TRUE(catalogue::Option(RB11_1).InitiallyEnabled);
}

}  // namespace
