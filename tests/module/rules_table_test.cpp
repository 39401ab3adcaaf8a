// The form of all 65 rules through the host boundary: patterns and name slots, one-text and
// empty perspectives, endings, the length of the fixed texts, the code page and the polite
// "Вы".

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "ruletest.h"

namespace {

using veltantest::kRuleNameUtf8;
using veltantest::kSelfMale;
using veltantest::kVariants;
using veltantest::Minus;
using veltantest::PairsOf;
using veltantest::RuleParagraph;
using veltantest::RulePattern;

// The column of a rule table: a pattern such as "t N t", optionally followed by
// " (one text)", or "(empty)".
struct Column {
    std::string pattern;
    bool oneText;
    bool empty;
};

Column Parse(std::string_view column) {
    constexpr std::string_view kOneText = " (one text)";
    if (column == "(empty)") return {"", true, true};
    if (column.ends_with(kOneText)) {
        column.remove_suffix(kOneText.size());
        return {std::string(column), true, false};
    }
    return {std::string(column), false, false};
}

struct FormCase {
    int rule;
    const char* self;
    const char* other;
};

// The words of a text: runs of characters between ASCII blanks and punctuation.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words(1);
    for (char c : text) {
        const bool separator = static_cast<unsigned char>(c) < 0x80 && !std::isalnum(c) && c != '-';
        if (!separator)
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

// Every form of the polite pronoun, as it stands in a self text.
const std::set<std::string> kPolite = {
    "Вы",     "Вас",   "Вам",    "Вами",  "Ваш",    "Ваша",  "Ваше", "Ваши",
    "Вашего", "Вашей", "Вашему", "Вашим", "Вашими", "Ваших", "Вашу", "Вашем",
};
const std::set<std::string> kPoliteInLowerCase = {
    "вы",     "вас",   "вам",    "вами",  "ваш",    "ваша",  "ваше", "ваши",
    "вашего", "вашей", "вашему", "вашим", "вашими", "ваших", "вашу", "вашем",
};

// The number of characters of a UTF-8 text, which is its length in Windows-1251.
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void PrintTo(const FormCase& c, std::ostream* os) { *os << "rule " << c.rule; }

// The name of a table row about one rule: Rule01 to Rule65.
std::string RuleName(int rule) {
    return std::string("Rule") + (rule < 10 ? "0" : "") + std::to_string(rule);
}

class RuleForm : public testing::TestWithParam<FormCase> {};

TEST_P(RuleForm, HoldsInAllFourVariants) {
    const FormCase& c = GetParam();
    std::map<std::string, std::string> texts;
    for (const auto& variant : kVariants)
        texts[variant.name] = RuleParagraph(c.rule, variant.person);

    for (const auto& [perspective, column] :
         {std::pair{"Self", Parse(c.self)}, std::pair{"Other", Parse(c.other)}}) {
        const std::string& male = texts[std::string(perspective) + "Male"];
        const std::string& female = texts[std::string(perspective) + "Female"];
        SCOPED_TRACE(perspective);
        EXPECT_EQ(RulePattern(male), column.pattern) << male;
        EXPECT_EQ(RulePattern(female), column.pattern) << female;
        if (column.oneText) {
            EXPECT_EQ(male, female);
        } else {
            EXPECT_NE(male, female) << "the genders read the same";
        }
    }

    for (const auto& variant : kVariants) {
        const std::string& text = texts[variant.name];
        SCOPED_TRACE(variant.name);
        if (text.empty()) continue;
        EXPECT_TRUE(text.ends_with(". ") && !text.ends_with("  ")) << text;
        EXPECT_EQ(text.find("  "), std::string::npos) << text;
        // "?" is what the module's conversion leaves of a character Windows-1251 lacks.
        EXPECT_EQ(text.find_first_of("\r\n?"), std::string::npos) << text;

        std::string_view rest = text;
        for (std::size_t name = 0; name != std::string_view::npos;) {
            name = rest.find(kRuleNameUtf8);
            const std::string_view fixed = rest.substr(0, name);
            EXPECT_LE(Characters(fixed), 540u) << fixed;
            const std::string_view after =
                name == std::string_view::npos ? "" : rest.substr(name + kRuleNameUtf8.size());
            if (name == std::string_view::npos) break;
            // A self text addresses the reader by name; an other text makes the name the
            // subject of its sentence.
            if (variant.self) {
                EXPECT_TRUE(fixed.empty() || fixed.ends_with(". ")) << text;
                EXPECT_TRUE(after.starts_with(", ")) << text;
            } else {
                EXPECT_TRUE(after.starts_with(" ")) << text;
            }
            rest = after;
        }

        bool polite = false;
        for (const std::string& word : Words(text)) {
            EXPECT_FALSE(kPoliteInLowerCase.contains(word)) << word << " in " << text;
            polite = polite || kPolite.contains(word);
        }
        // A self text speaks to the reader; an other text never does.
        EXPECT_EQ(polite, variant.self) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllRules, RuleForm,
    testing::Values(
        // Letter forms of а and А.
        FormCase{1, "N t", "t"}, FormCase{2, "t", "N t"}, FormCase{3, "t", "N t"},
        FormCase{4, "t N t", "N t N t"}, FormCase{5, "N t", "t N t"},
        // Slant of the handwriting.
        FormCase{6, "N t N t", "N t N t N t"}, FormCase{7, "N t N t", "t N t N t N t N t"},
        FormCase{8, "t N t", "t N t"}, FormCase{9, "N t", "N t N t"},
        FormCase{10, "t N t", "t N t"}, FormCase{11, "N t", "N t N t"},
        FormCase{12, "t (one text)", "N t"},
        // Direction of the lines.
        FormCase{13, "t (one text)", "t N t"}, FormCase{14, "t N t", "N t"},
        FormCase{15, "t", "N t"}, FormCase{16, "N t", "(empty)"},
        FormCase{17, "N t (one text)", "t N t"}, FormCase{18, "N t (one text)", "t N t"},
        FormCase{19, "N t (one text)", "t"},
        // Spacing between words.
        FormCase{20, "t", "N t"}, FormCase{21, "t", "N t"},
        // Roundness of the letters.
        FormCase{22, "t N t", "N t N t"}, FormCase{23, "t (one text)", "t"},
        FormCase{24, "t (one text)", "t N t"}, FormCase{25, "t (one text)", "t N t"},
        FormCase{26, "N t", "N t"}, FormCase{27, "t (one text)", "t N t"},
        FormCase{28, "t (one text)", "N t"}, FormCase{29, "t N t (one text)", "N t N t"},
        FormCase{30, "t (one text)", "N t"}, FormCase{31, "t (one text)", "N t (one text)"},
        // Pressure on the pen.
        FormCase{32, "t", "t N t"}, FormCase{33, "t (one text)", "N t"},
        FormCase{34, "t (one text)", "t"}, FormCase{35, "t (one text)", "t N t"},
        FormCase{36, "t", "N t"}, FormCase{37, "t", "N t"}, FormCase{38, "t (one text)", "t"},
        FormCase{39, "t (one text)", "t N t"}, FormCase{40, "t (one text)", "t N t"},
        FormCase{41, "t", "N t"}, FormCase{42, "t (one text)", "t"},
        // Size of the handwriting.
        FormCase{43, "N t", "N t N t"}, FormCase{44, "t (one text)", "t N t"},
        FormCase{45, "t (one text)", "N t"}, FormCase{46, "t (one text)", "t N t (one text)"},
        FormCase{47, "t", "t N t"}, FormCase{48, "t (one text)", "t"},
        FormCase{49, "t (one text)", "t"}, FormCase{50, "t", "N t N t"},
        FormCase{51, "t (one text)", "N t (one text)"}, FormCase{52, "t", "N t"},
        FormCase{53, "t", "t N t N t"}, FormCase{54, "t", "N t"},
        FormCase{55, "t (one text)", "N t N t N t"},
        // The letter Ё.
        FormCase{56, "N t", "t"}, FormCase{57, "N t", "t"}, FormCase{58, "N t", "t N t"},
        FormCase{59, "t", "N t"}, FormCase{60, "N t (one text)", "t N t"},
        FormCase{61, "t (one text)", "t N t"}, FormCase{62, "t (one text)", "t"},
        FormCase{63, "t", "N t"}, FormCase{64, "t", "N t"}, FormCase{65, "(empty)", "(empty)"}),
    [](const auto& info) { return RuleName(info.param.rule); });

// A paragraph written for the wrong rule, or a firing row that picks the wrong item,
// shows up as two rules with one text; only rules 24 and 25 share theirs by design.
TEST(RuleTexts, EveryRuleHasItsOwnParagraph) {
    for (const auto& variant : kVariants) {
        std::map<std::string, std::vector<int>> rulesByText;
        for (int rule = 1; rule <= 65; ++rule) {
            const std::string text = RuleParagraph(rule, variant.person);
            if (!text.empty()) rulesByText[text].push_back(rule);
        }
        for (const auto& [text, rules] : rulesByText) {
            if (rules.size() > 1) {
                EXPECT_EQ(rules, (std::vector<int>{24, 25})) << variant.name << ": " << text;
            }
        }
        EXPECT_EQ(rulesByText.size(), variant.self ? 63u : 62u) << variant.name;
    }
}

class EveryPair : public testing::TestWithParam<int> {};

// A condition that leaves out one of its terms, or tests another value, still fires when
// that one pair of its firing row is missing. Rule 52 is a negation and has no row pairs.
TEST_P(EveryPair, OfTheFiringRowIsNeeded) {
    const int rule = GetParam();
    const std::string paragraph = RuleParagraph(rule, kSelfMale);
    for (const auto& [key, value] : PairsOf(rule)) {
        const std::vector<std::string> items =
            veltantest::Veltan().Analyse(kSelfMale, Minus(PairsOf(rule), key, value));
        // Rule 65 writes an empty item, the others their self male paragraph.
        EXPECT_EQ(std::count(items.begin(), items.end(), paragraph), 0)
            << "without " << Utf16ToUtf8(key) << " = " << Utf16ToUtf8(value);
    }
}

std::vector<int> AllRulesBut52() {
    std::vector<int> rules;
    for (int rule = 1; rule <= 65; ++rule)
        if (rule != 52) rules.push_back(rule);
    return rules;
}

INSTANTIATE_TEST_SUITE_P(AllRulesBut52, EveryPair, testing::ValuesIn(AllRulesBut52()),
                         [](const auto& info) { return RuleName(info.param); });

}  // namespace
