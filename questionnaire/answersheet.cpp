#include "answersheet.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

using enum OptionId;

// One enabled state set by a change handler: Target becomes enabled exactly
// when Source is checked (or unchecked, when Negate) and Unless is not checked.
struct Assignment {
    OptionId Target;
    OptionId Source;
    bool Negate = false;
    std::optional<OptionId> Unless = std::nullopt;
};

struct Handler {
    int Section;
    // The options that raise this handler; empty: every option of the section
    // not claimed by another handler of the section.
    std::vector<OptionId> RaisedBy;
    std::vector<Assignment> Sets;
};

std::vector<Assignment> All(std::initializer_list<OptionId> targets, OptionId source,
                            bool negate = false, std::optional<OptionId> unless = std::nullopt) {
    std::vector<Assignment> sets;
    for (OptionId target : targets) sets.push_back({target, source, negate, unless});
    return sets;
}

std::vector<Assignment> Join(std::vector<Assignment> a, const std::vector<Assignment>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The change handlers of the sections, with the enabled states each sets, in order.
const std::vector<Handler>& Handlers() {
    static const std::vector<Handler> handlers = {
        {1, {}, {}},
        {2, {}, {{RB2_3, RB2_2}, {RB2_5, RB2_4}}},
        {3, {}, {{RB3_4, RB3_3}}},
        // RB4_9 raises the section's change like every other option.
        {4, {}, {}},
        {5, {}, {{RB5_2, RB5_1}, {RB5_3, RB5_1}}},
        {6, {}, {{RB6_4, RB6_3}}},
        {7, {}, {{RB7_2, RB7_1}, {RB7_5, RB7_4}}},
        {8, {}, {{RB8_8, RB8_7, true}}},
        {9, {}, {}},
        {10, {}, All({RB10_3, RB10_4, RB10_5}, RB10_2)},
        {11,
         {RB11_1},
         Join(All({RB11_2, RB11_3, RB11_4, RB11_5, RB11_6, RB11_7, RB11_8, RB11_10, RB11_11,
                   RB11_12, RB11_13, RB11_14, RB11_15},
                  RB11_1, false, RB11_16),
              {{RB11_16, RB11_1}})},
        {11,
         {},
         All({RB11_2, RB11_3, RB11_4, RB11_5, RB11_7, RB11_8, RB11_10, RB11_11, RB11_12, RB11_15},
             RB11_16, true)},
        {12,
         {},
         All({RB12_2, RB12_3, RB12_4, RB12_5, RB12_6, RB12_7, RB12_8, RB12_9, RB12_10, RB12_11,
              RB12_12, RB12_13, RB12_14},
             RB12_1)},
        {12, {RB12_2}, {}},
        {13, {}, {}},
        {14, {}, {{RB14_2, RB14_1}, {RB14_3, RB14_1, true}, {RB14_9, RB14_8}}},
        {15, {}, All({RB15_10, RB15_11, RB15_12, RB15_13, RB15_14, RB15_17}, RB15_9, true)},
        {16,
         {},
         Join({{RB16_9, RB16_8}}, All({RB16_11, RB16_12, RB16_13, RB16_14, RB16_15, RB16_17,
                                       RB16_18, RB16_19, RB16_20, RB16_21},
                                      RB16_10))},
        {17, {}, {}},
        {18, {}, {}},
        {18,
         {RB18_13},
         All({RB18_1, RB18_2, RB18_3, RB18_4, RB18_5, RB18_6, RB18_7, RB18_8, RB18_9, RB18_10,
              RB18_11, RB18_12},
             RB18_13, true)},
    };
    return handlers;
}

const Handler& HandlerOf(OptionId id) {
    const int section = catalogue::Option(id).Section;
    const Handler* fallback = nullptr;
    for (const Handler& handler : Handlers()) {
        if (handler.Section != section) continue;
        if (std::ranges::find(handler.RaisedBy, id) != handler.RaisedBy.end()) return handler;
        if (handler.RaisedBy.empty()) fallback = &handler;
    }
    return *fallback;
}

}  // namespace

TAnswerSheet::TAnswerSheet() {
    for (const TOptionInfo& option : catalogue::Options())
        entries_[IndexOf(option.Option)].Enabled = option.InitiallyEnabled;
}

bool TAnswerSheet::AllSectionsTouched() const {
    return std::ranges::all_of(touched_, [](bool touched) { return touched; });
}

void TAnswerSheet::SetChecked(OptionId id, bool checked) {
    Entry& entry = entries_[IndexOf(id)];
    if (entry.Checked == checked) return;
    entry.Checked = checked;
    if (observer_) observer_->OptionChanged(id);
}

void TAnswerSheet::SetEnabled(OptionId id, bool enabled) {
    Entry& entry = entries_[IndexOf(id)];
    if (entry.Enabled == enabled) return;
    entry.Enabled = enabled;
    if (observer_) observer_->OptionChanged(id);
}

void TAnswerSheet::Assign(OptionId id, bool checked) {
    if (checked)
        for (OptionId other : catalogue::ChoiceGroup(id)) SetChecked(other, false);
    SetChecked(id, checked);
}

bool TAnswerSheet::Click(OptionId id) {
    if (!IsEnabled(id)) return false;
    const TOptionInfo& option = catalogue::Option(id);
    if (option.Kind == TOptionKind::Radio) {
        if (IsChecked(id)) return false;
        Assign(id, true);
    } else {
        SetChecked(id, !IsChecked(id));
    }
    RaiseChange(id);
    return true;
}

void TAnswerSheet::RaiseChange(OptionId id) {
    const Handler& handler = HandlerOf(id);
    MarkSectionTouched(handler.Section);
    for (const Assignment& set : handler.Sets) {
        bool enabled = IsChecked(set.Source) != set.Negate;
        if (set.Unless && IsChecked(*set.Unless)) enabled = false;
        SetEnabled(set.Target, enabled);
    }
}

void TAnswerSheet::MarkSectionTouched(int section) {
    touched_.at(section - 1) = true;
    if (observer_) observer_->SectionTouched(section);
    analysisDone_ = false;
    if (observer_) observer_->AnalysisInvalidated();
}

void TAnswerSheet::ClearSection(int section) {
    // Radio buttons go first and quietly. Check boxes follow from the bottom of
    // the panel up, each raising its change as a click would, so that a master
    // box (loops, crossed seven, underline) is unticked after the options it
    // governs and its handler leaves the block closed.
    auto options = catalogue::OptionsOfSection(section);
    bool removedAny = false;
    for (const TOptionInfo& option : options) {
        if (option.Kind != TOptionKind::Radio || !IsChecked(option.Option)) continue;
        removedAny = true;
        SetChecked(option.Option, false);
    }
    for (auto it = options.rbegin(); it != options.rend(); ++it) {
        if (it->Kind != TOptionKind::Check || !IsChecked(it->Option)) continue;
        removedAny = true;
        SetChecked(it->Option, false);
        RaiseChange(it->Option);
    }
    // A clear that removed any answer makes the last analysis out of date, as
    // every change of an answer does, also when only radio buttons went.
    if (removedAny) {
        analysisDone_ = false;
        if (observer_) observer_->AnalysisInvalidated();
    }
    touched_.at(section - 1) = false;
}

int SectionIcon(const TAnswerSheet& sheet, int section, int selectedSection) {
    if (section == selectedSection) return 2;
    return sheet.IsSectionTouched(section) ? 1 : 0;
}
