#include "report.h"

namespace {

constexpr const TRuleSection* kAnalysedSections[] = {
    &rules::kSection1,  &rules::kSection2,  &rules::kSection4,  &rules::kSection5,
    &rules::kSection6,  &rules::kSection7,  &rules::kSection8,  &rules::kSection9,
    &rules::kSection10, &rules::kSection11, &rules::kSection12, &rules::kSection13,
    &rules::kSection14, &rules::kSection15, &rules::kSection16, &rules::kSection17,
    &rules::kSection18,
};

// The last step that the section sets on this sheet.
int LastStepOn(const TRuleSection& section, const TAnswerSheet& sheet) {
    if (section.GateAfterFirstStep && !sheet[*section.GateAfterFirstStep]) return 1;
    return section.LastStep;
}

}  // namespace

TTextVariant VariantOf(const TSubject& subject) {
    const bool male = subject.Gender == TGender::Male;
    if (subject.Perspective == TPerspective::Self)
        return male ? TTextVariant::SelfMale : TTextVariant::SelfFemale;
    return male ? TTextVariant::OtherMale : TTextVariant::OtherFemale;
}

std::string_view VariantText(const TRule& rule, TTextVariant variant) {
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

std::string RuleParagraph(const TRule& rule, TTextVariant variant, std::string_view firstName) {
    // The slots are found in the fixed text only, so a name that itself holds
    // the slot marker is inserted as it is.
    std::string_view text = VariantText(rule, variant);
    std::string paragraph;
    paragraph.reserve(text.size() + 4 * firstName.size());
    for (auto slot = text.find(kNameSlot); slot != std::string_view::npos;
         slot = text.find(kNameSlot)) {
        paragraph.append(text.substr(0, slot));
        paragraph.append(firstName);
        text.remove_prefix(slot + kNameSlot.size());
    }
    paragraph.append(text);
    return paragraph;
}

std::span<const TRuleSection* const> AnalysedSections() { return kAnalysedSections; }

void RunRules(const TAnswerSheet& sheet, const TSubject& subject, TReportText& report,
              TRunObserver* observer) {
    TRunObserver silent;
    TRunObserver& progress = observer ? *observer : silent;
    const TTextVariant variant = VariantOf(subject);
    report.clear();
    progress.OverallChanged(0, kOverallMaximum);
    for (const TRuleSection* section : kAnalysedSections) {
        progress.OverallChanged(section->Section, kOverallMaximum);
        progress.StepChanged(0, section->StepMax);
        progress.SectionShown(kCurrentSectionCaption, section->Title);
        const int lastStep = LastStepOn(*section, sheet);
        for (int step = 1; step <= lastStep; ++step) {
            progress.StepChanged(step, section->StepMax);
            for (const TRule& rule : section->Rules) {
                if (rule.Step != step || !rule.When(sheet)) continue;
                report += RuleParagraph(rule, variant, subject.FirstName);
                progress.RuleFired(rule);
            }
        }
    }
}
