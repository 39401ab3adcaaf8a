#pragma once
// What the rule engine drives while it runs: the progress window, or nothing.

#include <string>
#include <string_view>

namespace veltan {

class ProgressWindow {
  public:
    virtual ~ProgressWindow() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Sets the bar's maximum and puts it back to position 0.
    virtual void Start(int maximum) = 0;
    // Moves the bar on by one.
    virtual void StepIt() = 0;
    // UpdateProgress: shows the step label and the bar's percentage, repainted at once.
    virtual void UpdateProgress(std::string_view stepLabel) = 0;
};

// The stand-in for a run without a window: every call does nothing.
ProgressWindow& NoWindow();

// The percentage of position in maximum with two decimals and "." whatever the locale,
// followed by "%": 1 of 300 gives "0.33%".
std::string PercentText(int position, int maximum);

}  // namespace veltan
