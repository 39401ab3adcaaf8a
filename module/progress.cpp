#include "progress.h"

#include <charconv>

namespace veltan {

ProgressWindow& NoWindow() {
    struct Nothing final : ProgressWindow {
        void Show() override {}
        void Hide() override {}
        void Start(int) override {}
        void StepIt() override {}
        void UpdateProgress(std::string_view) override {}
    };
    static Nothing nothing;
    return nothing;
}

std::string PercentText(int position, int maximum) {
    const double percent = maximum > 0 ? 100.0 * position / maximum : 0.0;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, percent, std::chars_format::fixed, 2);
    return std::string(text, end.ptr) + "%";
}

}  // namespace veltan
