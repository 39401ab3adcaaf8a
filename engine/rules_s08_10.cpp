#include <array>

#include "rules.h"

namespace {

using enum OptionId;

// Section 8: Написание буквы "Ё"
constexpr std::array<TRule, 0> kRules8{};  // filled in with the section\'s rules

// Section 9: Крючки и узелки
constexpr std::array<TRule, 0> kRules9{};  // filled in with the section\'s rules

// Section 10: Штрихи в буквах
constexpr std::array<TRule, 0> kRules10{};  // filled in with the section\'s rules

}  // namespace

namespace rules {

const TRuleSection kSection8 = {8, "Написание буквы \"Ё\"", 8, 8, std::nullopt, kRules8};
const TRuleSection kSection9 = {9, "Крючки и узелки", 2, 2, std::nullopt, kRules9};
const TRuleSection kSection10 = {10, "Штрихи в буквах", 3, 3, std::nullopt, kRules10};

}  // namespace rules
