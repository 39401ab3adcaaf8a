#pragma once
// Helpers for the tests of the rule tables.

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "answersheet.h"
#include "report.h"
#include "rules.h"

namespace ruletest {

inline const TRuleSection* const kAllSections[] = {
    &rules::kSection1,  &rules::kSection2,  &rules::kSection4,  &rules::kSection5,
    &rules::kSection6,  &rules::kSection7,  &rules::kSection8,  &rules::kSection9,
    &rules::kSection10, &rules::kSection11, &rules::kSection12, &rules::kSection13,
    &rules::kSection14, &rules::kSection15, &rules::kSection16, &rules::kSection17,
    &rules::kSection18,
};

// The rule with the given id ("10.8"); throws when there is none.
inline const TRule& Rule(std::string_view id) {
    for (const TRuleSection* section : kAllSections)
        for (const TRule& rule : section->Rules)
            if (rule.Id == id) return rule;
    throw std::out_of_range("no rule " + std::string(id));
}

// An answer sheet with exactly these options checked (written directly, so
// disabled options can be checked too, as the user can leave them).
inline TAnswerSheet Sheet(std::initializer_list<OptionId> checked) {
    TAnswerSheet sheet;
    for (OptionId id : checked) sheet.Assign(id, true);
    return sheet;
}

// The text a variant reads from the table, an empty female text standing for the male one.
inline std::string_view Text(const TRule& rule, TTextVariant variant) {
    switch (variant) {
        case TTextVariant::SelfMale:
            return rule.SelfMale;
        case TTextVariant::SelfFemale:
            return rule.SelfFemale.empty() ? rule.SelfMale : rule.SelfFemale;
        case TTextVariant::OtherMale:
            return rule.OtherMale;
        case TTextVariant::OtherFemale:
            return rule.OtherFemale.empty() ? rule.OtherMale : rule.OtherFemale;
    }
    return {};
}

}  // namespace ruletest
