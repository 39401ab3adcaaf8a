#pragma once
// Helpers for the tests of the rule tables and of the analysis run.

#include <cctype>
#include <initializer_list>
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
inline TAnswerSheet Sheet(std::initializer_list<OptionId> checked) {
    TAnswerSheet sheet;
    for (OptionId id : checked) sheet.Assign(id, true);
    return sheet;
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

}  // namespace ruletest
