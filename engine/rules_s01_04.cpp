#include <array>

#include "rules.h"

namespace {

using enum OptionId;

// Section 1: Наклон почерка
constexpr std::array<TRule, 0> kRules1{};  // filled in with the section\'s rules

// Section 2: Наклон строки
constexpr std::array<TRule, 0> kRules2{};  // filled in with the section\'s rules

// Section 4: Размер и вид полей
constexpr std::array<TRule, 0> kRules4{};  // filled in with the section\'s rules

}  // namespace

namespace rules {

const TRuleSection kSection1 = {1, "Наклон почерка", 6, 6, std::nullopt, kRules1};
const TRuleSection kSection2 = {2, "Наклон строки", 5, 4, std::nullopt, kRules2};
const TRuleSection kSection4 = {4, "Размер и вид полей", 8, 8, std::nullopt, kRules4};

}  // namespace rules
