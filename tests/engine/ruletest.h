#pragma once
// Helpers for the tests of the rule tables and of the analysis run.

#include <cctype>
#include <initializer_list>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "answersheet.h"
#include "catalogue.h"
#include "report.h"
#include "rules.h"
#include "subject.h"

namespace ruletest {

// The analysed sections in evaluation order.
inline const std::span<const TRuleSection* const> kAllSections = AnalysedSections();

inline constexpr TTextVariant kAllVariants[] = {TTextVariant::SelfMale, TTextVariant::SelfFemale,
                                                TTextVariant::OtherMale, TTextVariant::OtherFemale};

inline bool IsSelf(TTextVariant variant) {
    return variant == TTextVariant::SelfMale || variant == TTextVariant::SelfFemale;
}

// "SelfMale" and so on, for failure messages.
inline const char* VariantName(TTextVariant variant) {
    switch (variant) {
        case TTextVariant::SelfMale:
            return "SelfMale";
        case TTextVariant::SelfFemale:
            return "SelfFemale";
        case TTextVariant::OtherMale:
            return "OtherMale";
        case TTextVariant::OtherFemale:
            return "OtherFemale";
    }
    return "?";
}

// "Rule11_6" for rule "11.6": the name of a rule's row in a table of test cases.
inline std::string RowName(std::string_view id) {
    std::string name = "Rule";
    for (char c : id) name += c == '.' ? '_' : c;
    return name;
}

// The rule with the given id ("10.8"); throws when there is none.
inline const TRule& Rule(std::string_view id) {
    for (const TRuleSection* section : kAllSections)
        for (const TRule& rule : section->Rules)
            if (rule.Id == id) return rule;
    throw std::out_of_range("no rule " + std::string(id));
}

// Whether the tables hold a rule with the given id.
inline bool HasRule(std::string_view id) {
    for (const TRuleSection* section : kAllSections)
        for (const TRule& rule : section->Rules)
            if (rule.Id == id) return true;
    return false;
}

// The text a variant reads, with its name slots; an empty female text reads
// as the male one.
inline std::string_view Text(const TRule& rule, TTextVariant variant) {
    return VariantText(rule, variant);
}

// An answer sheet with exactly these options checked (written directly, so
// disabled options can be checked too, as the user can leave them).
// Options are assigned in the given order, so of a choice group the last one wins.
inline TAnswerSheet Sheet(std::span<const OptionId> checked) {
    TAnswerSheet sheet;
    for (OptionId id : checked) sheet.Assign(id, true);
    return sheet;
}

inline TAnswerSheet Sheet(std::initializer_list<OptionId> checked) {
    return Sheet(std::span<const OptionId>(checked.begin(), checked.size()));
}

// Every option assigned in catalogue order: the last option of each choice
// group and every check box end up checked.
inline TAnswerSheet DenseSheet() {
    TAnswerSheet sheet;
    for (const TOptionInfo& option : catalogue::Options()) sheet.Assign(option.Option, true);
    return sheet;
}

inline TSubject Subject(TGender gender, TPerspective perspective, std::string firstName) {
    TSubject subject;
    subject.FirstName = std::move(firstName);
    subject.Gender = gender;
    subject.Perspective = perspective;
    return subject;
}

// The ids of the rules that fire in a run over the sheet, in report order.
inline std::vector<std::string> FiredRules(const TAnswerSheet& sheet) {
    struct Recorder : TRunObserver {
        std::vector<std::string> Ids;
        void RuleFired(const TRule& rule) override { Ids.emplace_back(rule.Id); }
    } recorder;
    TReportText report;
    RunRules(sheet, TSubject{}, report, &recorder);
    return recorder.Ids;
}

// The same, kept to the rules of sections first..last.
inline std::vector<std::string> FiredRules(const TAnswerSheet& sheet, int first, int last) {
    std::vector<std::string> kept;
    for (std::string& id : FiredRules(sheet)) {
        const int section = std::stoi(id);
        if (section >= first && section <= last) kept.push_back(std::move(id));
    }
    return kept;
}

// The pattern of a text: "t N t" and the like, fixed texts and name slots in order.
inline std::string Pattern(std::string_view text) {
    std::string pattern;
    while (!text.empty()) {
        if (!pattern.empty()) pattern += ' ';
        const auto slot = text.find(kNameSlot);
        if (slot == 0) {
            pattern += 'N';
            text.remove_prefix(kNameSlot.size());
        } else {
            pattern += 't';
            text.remove_prefix(slot == std::string_view::npos ? text.size() : slot);
        }
    }
    return pattern;
}

// The words of a UTF-8 text: runs of Latin and Cyrillic letters.
inline std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        const bool letter = (byte < 0x80 && std::isalpha(byte)) || (byte >= 0xD0 && byte <= 0xD3);
        if (letter) {
            word.append(text.substr(i, length));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
        i += length;
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

// What is wrong with the name slots of a text in its voice, or "" when nothing is: a self
// text addresses by name (", " follows it), an other text makes the name the subject of its
// sentence (a space follows it); either way the name starts the text or follows a space,
// since nothing is added around the name when it is inserted.
inline std::string NameSlotFault(std::string_view text, bool self) {
    const std::string_view after = self ? ", " : " ";
    for (auto slot = text.find(kNameSlot); slot != std::string_view::npos;
         slot = text.find(kNameSlot, slot + 1)) {
        if (slot != 0 && text[slot - 1] != ' ') return "no space before the name";
        if (text.substr(slot + kNameSlot.size(), after.size()) != after)
            return "the name is not followed by \"" + std::string(after) + "\"";
    }
    return {};
}

// The first word of a text that does not belong to its variant's voice, or "" when there is
// none: in a self text a lower-case form of "Вы" or any form of "тестируемый"; in a male other
// text a feminine pronoun or form of "тестируемая", in a female one a masculine one (a text
// left in the wrong variant, or half changed, shows here). A pronoun that the text uses for a
// thing of that gender ("его" for a committee) is named as thing and passes.
inline std::string WrongVoiceWord(std::string_view text, TTextVariant variant,
                                  std::string_view thing = {}) {
    static const std::set<std::string> kMasculine = {
        "он",          "Он",           "его",          "Его",          "ему",
        "Ему",         "него",         "нему",         "нём",          "тестируемый",
        "Тестируемый", "тестируемого", "Тестируемого", "тестируемому", "Тестируемому",
        "тестируемом", "Тестируемом"};
    static const std::set<std::string> kFeminine = {
        "она",         "Она",         "её",          "Её",          "ей",
        "Ей",          "неё",         "ней",         "тестируемая", "Тестируемая",
        "тестируемой", "Тестируемой", "тестируемую", "Тестируемую"};
    static const std::set<std::string> kLowerYou = {"вы", "вас", "вам", "вами"};
    for (const std::string& word : Words(text)) {
        const bool wrong =
            IsSelf(variant)
                ? kLowerYou.contains(word) || word.starts_with("ваш") ||
                      word.starts_with("тестируем") || word.starts_with("Тестируем")
                : (variant == TTextVariant::OtherMale ? kFeminine : kMasculine).contains(word);
        if (wrong && word != thing) return word;
    }
    return {};
}

}  // namespace ruletest
