#include <array>

#include "rules.h"

namespace {

using enum OptionId;

// Section 13: Соединение слов
constexpr std::array<TRule, 0> kRules13{};  // filled in with the section\'s rules

// Section 14: Написание букв
constexpr std::array<TRule, 0> kRules14{};  // filled in with the section\'s rules

// Section 15: Заглавные буквы
constexpr std::array<TRule, 0> kRules15{};  // filled in with the section\'s rules

}  // namespace

namespace rules {

const TRuleSection kSection13 = {13, "Соединение слов", 3, 3, std::nullopt, kRules13};
const TRuleSection kSection14 = {14, "Написание букв", 8, 8, std::nullopt, kRules14};
const TRuleSection kSection15 = {15, "Заглавные буквы", 10, 10, std::nullopt, kRules15};

}  // namespace rules
