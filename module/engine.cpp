#include "engine.h"

#include <array>
#include <span>
#include <string_view>

#include "ansistr.h"
#include "paramstore.h"
#include "progress.h"
#include "ruletable.h"

namespace veltan {
namespace {

constexpr int kRuleCount = 65;
constexpr int kBarMaximum = 300;

// The groups of rules in evaluation order, with the label shown while they run.
struct Group {
    int last;  // the number of the group's last rule
    std::string_view stepLabel;
};
constexpr Group kGroups[] = {
    {5, "Методика Маргенштерна"}, {12, "наклон почерка"},
    {19, "наклон строк"},         {21, "расстояние между словами"},
    {31, "округлость букв"},      {42, "нажим на ручку"},
    {55, "размер почерка"},       {65, "Ё"},
};
static_assert(std::size(kGroups) == 8 && kGroups[7].last == kRuleCount);

std::string_view StepLabel(int number) {
    for (const Group& group : kGroups)
        if (number <= group.last) return group.stepLabel;
    return {};
}

// The rules by number, filled by the rule files as the library loads.
std::array<const ModuleRule*, kRuleCount + 1>& Rules() {
    static std::array<const ModuleRule*, kRuleCount + 1> rules{};
    return rules;
}

// The variant's text in 8 bits with the first name in every name slot.
std::string Paragraph(std::string_view text, const std::string& firstName) {
    const std::string fixed = ansistr::Utf8ToAnsi(text);
    std::string paragraph;
    std::size_t from = 0;
    for (std::size_t slot; (slot = fixed.find(kNameSlot, from)) != std::string::npos;
         from = slot + kNameSlot.size())
        paragraph.append(fixed, from, slot - from).append(firstName);
    return paragraph.append(fixed, from);
}

}  // namespace

RuleFile::RuleFile(std::span<const ModuleRule> rules) {
    for (const ModuleRule& rule : rules)
        if (rule.number >= 1 && rule.number <= kRuleCount) Rules()[rule.number] = &rule;
}

void RunRules(const ParamStore& params, ResultList& results, ProgressWindow& window) {
    results.clear();
    window.Show();
    window.Start(kBarMaximum);
    const ParamView view(params);
    for (int number = 1; number <= kRuleCount; ++number) {
        window.StepIt();
        window.UpdateProgress(StepLabel(number));
        const ModuleRule* rule = Rules()[number];
        if (!rule || !rule->when(view)) continue;
        const Texts& texts = params.Self() ? rule->self : rule->other;
        results.push_back(Paragraph(params.Male() ? texts.male : texts.female, params.FirstName()));
    }
    window.StepIt();
    window.Hide();
}

}  // namespace veltan
