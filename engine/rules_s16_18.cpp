#include <array>

#include "rules.h"

namespace {

using enum OptionId;

// Section 16: Подпись
constexpr std::array<TRule, 0> kRules16{};  // filled in with the section\'s rules

// Section 17: Разборчивость почерка
constexpr std::array<TRule, 0> kRules17{};  // filled in with the section\'s rules

// Section 18: Каракули
constexpr std::array<TRule, 0> kRules18{};  // filled in with the section\'s rules

}  // namespace

namespace rules {

const TRuleSection kSection16 = {16, "Подпись", 8, 8, std::nullopt, kRules16};
const TRuleSection kSection17 = {17, "Разборчивость почерка", 4, 4, std::nullopt, kRules17};
const TRuleSection kSection18 = {18, "Каракули", 11, 11, std::nullopt, kRules18};

}  // namespace rules
