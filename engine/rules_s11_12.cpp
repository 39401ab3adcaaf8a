#include <array>

#include "rules.h"

namespace {

using enum OptionId;

// Section 11: Петли в буквах
constexpr std::array<TRule, 0> kRules11{};  // filled in with the section\'s rules

// Section 12: Цифра 7
constexpr std::array<TRule, 0> kRules12{};  // filled in with the section\'s rules

}  // namespace

namespace rules {

const TRuleSection kSection11 = {11, "Петли в буквах", 3, 1, std::nullopt, kRules11};
const TRuleSection kSection12 = {12, "Цифра 7", 8, 8, OptionId::RB12_1, kRules12};

}  // namespace rules
