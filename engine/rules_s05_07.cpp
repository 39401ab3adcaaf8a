#include <array>

#include "rules.h"

namespace {

using enum OptionId;

// Section 5: Округлость букв
constexpr std::array<TRule, 0> kRules5{};  // filled in with the section\'s rules

// Section 6: Нажим на ручку
constexpr std::array<TRule, 0> kRules6{};  // filled in with the section\'s rules

// Section 7: Размер почерка
constexpr std::array<TRule, 0> kRules7{};  // filled in with the section\'s rules

}  // namespace

namespace rules {

const TRuleSection kSection5 = {5, "Округлость букв", 5, 3, std::nullopt, kRules5};
const TRuleSection kSection6 = {6, "Нажим на ручку", 6, 6, std::nullopt, kRules6};
const TRuleSection kSection7 = {7, "Размер почерка", 5, 4, std::nullopt, kRules7};

}  // namespace rules
