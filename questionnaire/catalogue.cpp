#include "catalogue.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::array kSections = {
#define SECTION(no, name, box) TSectionInfo{no, name, box},
#define OPTION(...)
#include "catalogue.def"
#undef SECTION
#undef OPTION
};

constexpr std::array kOptions = {
#define SECTION(...)
#define OPTION(id, sect, kind, grp, enabled, indent, example, caption) \
    TOptionInfo{OptionId::id, #id, sect, TOptionKind::kind, grp, enabled, indent, example, caption},
#include "catalogue.def"
#undef SECTION
#undef OPTION
};

static_assert(kSections.size() == catalogue::kSectionCount);
static_assert(kOptions.size() == catalogue::kOptionCount);
static_assert(std::ranges::count(kOptions, TOptionKind::Radio, &TOptionInfo::Kind) == 98);
static_assert(std::ranges::count(kOptions, TOptionKind::Check, &TOptionInfo::Kind) == 75);
static_assert(std::ranges::is_sorted(kOptions, {}, &TOptionInfo::Section));

}  // namespace

std::string TSectionInfo::Panel() const { return "APanel_" + std::to_string(Number); }

std::string TSectionInfo::TwoDigits() const {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02d", Number);
    return digits;
}

namespace catalogue {

std::span<const TSectionInfo> Sections() { return kSections; }

const TSectionInfo& Section(int number) { return kSections.at(number - 1); }

std::span<const TOptionInfo> Options() { return kOptions; }

std::span<const TOptionInfo> OptionsOfSection(int number) {
    auto [first, last] = std::ranges::equal_range(kOptions, number, {}, &TOptionInfo::Section);
    return {first, last};
}

const TOptionInfo& Option(OptionId id) { return kOptions[IndexOf(id)]; }

std::optional<OptionId> FindOption(std::string_view id) {
    auto it = std::ranges::find(kOptions, id, &TOptionInfo::Id);
    if (it == kOptions.end()) return std::nullopt;
    return it->Option;
}

std::vector<OptionId> ChoiceGroup(OptionId id) {
    const TOptionInfo& self = Option(id);
    std::vector<OptionId> group;
    if (self.Kind != TOptionKind::Radio) return group;
    for (const TOptionInfo& other : OptionsOfSection(self.Section)) {
        if (other.Kind == TOptionKind::Radio && other.GroupIndex == self.GroupIndex &&
            other.Option != id)
            group.push_back(other.Option);
    }
    return group;
}

std::optional<std::string_view> ExampleCode(OptionId id) {
    std::string_view code = Option(id).ExampleCode;
    if (code.empty()) return std::nullopt;
    return code;
}

}  // namespace catalogue
