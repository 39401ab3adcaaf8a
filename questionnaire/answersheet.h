#pragma once
// The living state of the questionnaire: which options are checked and
// enabled, which sections the user has worked on, and whether the last
// analysis still belongs to the current answers. Qt-free.

#include <array>

#include "catalogue.h"

// What the answer sheet tells the window that shows it. Every method has an
// empty default so that an observer listens only to what it draws.
class TAnswerSheetObserver {
  public:
    virtual ~TAnswerSheetObserver() = default;
    // The checked or enabled state of an option changed.
    virtual void OptionChanged(OptionId) {}
    // A section was marked touched (the section list's icons need a redraw).
    virtual void SectionTouched(int /*section*/) {}
    // An answer changed after an analysis: the analysis step turns pink.
    virtual void AnalysisInvalidated() {}
};

class TAnswerSheet {
  public:
    TAnswerSheet();

    bool IsChecked(OptionId id) const { return entries_[IndexOf(id)].Checked; }
    bool IsEnabled(OptionId id) const { return entries_[IndexOf(id)].Enabled; }
    // Shorthand for IsChecked, so that rule conditions read as they are written.
    bool operator[](OptionId id) const { return IsChecked(id); }

    bool IsSectionTouched(int section) const { return touched_.at(section - 1); }
    bool AllSectionsTouched() const;

    bool AnalysisDone() const { return analysisDone_; }
    // Called at the end of every analysis run.
    void SetAnalysisDone() { analysisDone_ = true; }

    // A left click or the space bar on an option. A disabled option and a
    // selected radio button ignore it; otherwise the option changes, its choice
    // group follows, and the section's change handler runs once.
    // Returns whether anything changed.
    bool Click(OptionId id);

    // Records that the user worked on the section; invalidates the analysis.
    void MarkSectionTouched(int section);

    // "Очистить раздел": unchecks every option of the section (check boxes raise
    // their change as a click would), then leaves the section untouched.
    void ClearSection(int section);

    void SetObserver(TAnswerSheetObserver* observer) { observer_ = observer; }

    // Writes an answer directly: the option becomes checked (its choice group
    // following) or unchecked, whatever its enabled state, and no handler runs.
    // For building answer sheets in the tests of the rules; the windows use Click.
    void Assign(OptionId id, bool checked);

  private:
    struct Entry {
        bool Checked = false;
        bool Enabled = true;
    };

    void SetChecked(OptionId id, bool checked);
    void SetEnabled(OptionId id, bool enabled);
    void RaiseChange(OptionId id);

    std::array<Entry, catalogue::kOptionCount> entries_{};
    std::array<bool, catalogue::kSectionCount> touched_{};
    bool analysisDone_ = false;
    TAnswerSheetObserver* observer_ = nullptr;
};

// The icon of a row of the section list: 0 untouched, 1 touched, 2 the row shown.
int SectionIcon(const TAnswerSheet& sheet, int section, int selectedSection);
