#pragma once
// The form of the interpretation rules. Each section's rules are a constant
// table in evaluation order; one file holds the tables of a few sections.
//
// A text is a paragraph with "{N}" where the subject's first name goes. It
// ends in a full stop and one space. An empty female text means that the
// female variant reads exactly as the male one ("one text").

#include <optional>
#include <span>
#include <string_view>

#include "answersheet.h"

struct TRule {
    std::string_view Id;  // "10.8": section and place in the section's order
    int Step;             // set on the step bar before the rule is evaluated
    bool (*When)(const TAnswerSheet&);
    std::string_view SelfMale;
    std::string_view SelfFemale{};  // empty: same as SelfMale
    std::string_view OtherMale;
    std::string_view OtherFemale{};  // empty: same as OtherMale
};

struct TRuleSection {
    int Section;
    std::string_view Title;  // shown on the progress window
    int StepMax;             // maximum of the step bar
    int LastStep;            // steps 1..LastStep are set
    // Steps after the first are set only while this option is checked.
    std::optional<OptionId> GateAfterFirstStep;
    std::span<const TRule> Rules;
};

// The marker of the first name in a text.
inline constexpr std::string_view kNameSlot = "{N}";

namespace rules {
// The analysed sections in evaluation order (section 3 has no rules and no progress).
extern const TRuleSection kSection1, kSection2, kSection4, kSection5, kSection6, kSection7,
    kSection8, kSection9, kSection10, kSection11, kSection12, kSection13, kSection14, kSection15,
    kSection16, kSection17, kSection18;
}  // namespace rules
