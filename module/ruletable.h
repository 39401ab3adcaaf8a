#pragma once
// The form of the module's interpretation rules.
//
// How to write a rule file
// ------------------------
// * One file per run of rules, named module/rules_<first>_<last>.cpp with two-digit
//   numbers (rules_01_05.cpp, rules_06_12.cpp ...). module/CMakeLists.txt picks up every
//   module/rules_*.cpp by itself; no other file needs an edit.
// * The file holds a constexpr array of ModuleRule in number order, checks its numbers
//   with static_assert(Numbered(kRules, first, last)) and registers the array with a
//   RuleFile object at namespace scope. The engine evaluates rule positions 1 to 65 in
//   number order and finds each rule by its number, whichever file holds it; the group
//   (step label) of a number is the engine's business, not the file's.
// * The condition is a capture-less lambda over a ParamView, written as the rule states
//   it: one Has(u"key", u"value") per term, joined with &&, || and ! and grouped with
//   parentheses. Keys and values are char16_t literals, letter for letter as the host
//   sends them. A condition has no side effects.
// * Texts are UTF-8 literals; the engine converts them to Windows-1251, so every
//   character must exist in that code page. kNameSlot ("{N}") marks where the first name
//   goes. Every non-empty text ends with a full stop and one space and holds no line break.
// * Each perspective gives its two gender texts as {.male = ..., .female = ...};
//   OneText("...") when both genders read the same; kEmpty when the perspective has no
//   text (the rule then still appends an empty item when it fires).
//
//     constexpr ModuleRule kRules[] = {
//         {.number = 20,
//          .when = [](const ParamView& p) { return p.Has(u"Расстояние", u"Практически нет"); },
//          .self = {.male = "Вы бережливы. ", .female = "Вы бережлива. "},
//          .other = {.male = "{N} бережлив. ", .female = "{N} бережлива. "}},
//     };
//     static_assert(Numbered(kRules, 20, 20));
//     const RuleFile kFile{kRules};

#include <span>
#include <string_view>

namespace veltan {

class ParamStore;

// The read-only view of the parameter store through which conditions ask for pairs.
class ParamView {
  public:
    explicit ParamView(const ParamStore& store) : store_(&store) {}

    // True when some entry of the store carries this key and exactly this value.
    bool Has(std::u16string_view key, std::u16string_view value) const;

  private:
    const ParamStore* store_;
};

// The marker of the first name in a text.
inline constexpr std::string_view kNameSlot = "{N}";

// The two gender texts of one perspective.
struct Texts {
    std::string_view male;
    std::string_view female;
};

// Both genders read the identical text.
constexpr Texts OneText(std::string_view text) { return {text, text}; }

// The perspective has no text: a firing rule appends an empty item.
inline constexpr Texts kEmpty{"", ""};

struct ModuleRule {
    int number;  // 1 to 65: also the place in the evaluation order
    bool (*when)(const ParamView&);
    Texts self;   // addressed to the reader as "Вы"
    Texts other;  // about the tested person in the third person
};

// The numbers of rules run from first to last without a gap.
constexpr bool Numbered(std::span<const ModuleRule> rules, int first, int last) {
    if (rules.size() != static_cast<std::size_t>(last - first + 1)) return false;
    for (const ModuleRule& rule : rules)
        if (rule.number != first++) return false;
    return true;
}

// Hands a file's rules to the engine when the library is loaded.
class RuleFile {
  public:
    explicit RuleFile(std::span<const ModuleRule> rules);
};

}  // namespace veltan
