#pragma once
// The report text and the analysis run over the answer sheet. Qt-free.

#include <span>
#include <string>
#include <string_view>

#include "answersheet.h"
#include "rules.h"
#include "subject.h"

// The report of the last run: running prose, UTF-8.
using TReportText = std::string;

enum class TTextVariant { SelfMale, SelfFemale, OtherMale, OtherFemale };

TTextVariant VariantOf(const TSubject& subject);

// The rule's text in the given variant, with its name slots; an empty female
// text reads as the male one.
std::string_view VariantText(const TRule& rule, TTextVariant variant);

// The rule's paragraph in the given variant with the first name inserted
// exactly as held.
std::string RuleParagraph(const TRule& rule, TTextVariant variant, std::string_view firstName);

// The analysed sections in evaluation order: 1, 2, 4 to 18.
std::span<const TRuleSection* const> AnalysedSections();

// The overall bar counts the sections up to this maximum.
inline constexpr int kOverallMaximum = 18;

// What a run reports while it works. Every method has an empty default, so a
// listener overrides only what it shows.
class TRunObserver {
  public:
    virtual ~TRunObserver() = default;
    // The overall bar: the number of the section being interpreted out of maximum.
    virtual void OverallChanged(int /*position*/, int /*maximum*/) {}
    // The step bar of the current section.
    virtual void StepChanged(int /*position*/, int /*maximum*/) {}
    // The two texts shown above the step bar when a section begins.
    virtual void SectionShown(std::string_view /*caption*/, std::string_view /*title*/) {}
    // The rule's condition held and its paragraph was appended.
    virtual void RuleFired(const TRule&) {}
};

// The caption shown above the section title while a section is interpreted.
inline constexpr std::string_view kCurrentSectionCaption = "Текущий раздел...";

// Rebuilds the report from the answer sheet and the subject: empties it, then
// evaluates every analysed section step by step and appends the paragraph of
// each rule whose condition holds. Reads the sheet and the subject only.
void RunRules(const TAnswerSheet& sheet, const TSubject& subject, TReportText& report,
              TRunObserver* observer = nullptr);
