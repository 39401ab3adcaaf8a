#pragma once
// The report text and the analysis run over the answer sheet. Qt-free.

#include <string>
#include <string_view>

#include "answersheet.h"
#include "rules.h"
#include "subject.h"

// The report of the last run: running prose, UTF-8.
using TReportText = std::string;

enum class TTextVariant { SelfMale, SelfFemale, OtherMale, OtherFemale };

TTextVariant VariantOf(const TSubject& subject);

// The rule's paragraph in the given variant with the first name inserted
// exactly as held.
std::string RuleParagraph(const TRule& rule, TTextVariant variant, std::string_view firstName);
