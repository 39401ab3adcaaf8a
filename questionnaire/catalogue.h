#pragma once
// The fixed vocabulary of the questionnaire: sections and options.
// Qt-free; texts are UTF-8.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#define SECTION(...)
#define OPTION(id, ...) id,
// Option identifiers. A misspelt id is a compile error.
enum class OptionId : std::uint8_t {
#include "catalogue.def"
};
#undef SECTION
#undef OPTION

enum class TOptionKind { Radio, Check };

struct TSectionInfo {
    int Number;
    std::string_view Name;
    bool HasExampleBox;

    // "APanel_4"
    std::string Panel() const;
    // "04": the two digits of the example box's controls (Obr_04, ObrError_04, ObrLabel_04).
    std::string TwoDigits() const;
};

struct TOptionInfo {
    OptionId Option;
    std::string_view Id;  // "RB4_3_2"
    int Section;
    TOptionKind Kind;
    int GroupIndex;  // -1 for a check box
    bool InitiallyEnabled;
    bool Indented;
    std::string_view ExampleCode;  // empty: no example
    std::string_view Caption;
};

namespace catalogue {

inline constexpr int kSectionCount = 18;
inline constexpr int kOptionCount = 173;

std::span<const TSectionInfo> Sections();
// Number 1..18.
const TSectionInfo& Section(int number);

// All options in table order (sections in order, options in display order).
std::span<const TOptionInfo> Options();
// The options of one section in display order.
std::span<const TOptionInfo> OptionsOfSection(int number);

const TOptionInfo& Option(OptionId id);
// Lookup by name; none for an id that is not in the catalogue.
std::optional<OptionId> FindOption(std::string_view id);

// The other radio buttons of the same section and choice group; empty for a check box.
std::vector<OptionId> ChoiceGroup(OptionId id);

// The four-character example code, or none.
std::optional<std::string_view> ExampleCode(OptionId id);

// Display hints.
// Section 4 shows its first twelve options as a 4 x 3 grid (rows: top, bottom,
// left, right margin; columns: wide, narrow, none), a separator, then the rest.
inline constexpr int kMarginGridOptions = 12;
// Section 15 has a separator line between these two options.
inline constexpr OptionId kSeparatorAfter15 = OptionId::RB15_8;
// Section 16 shows RB16_1..RB16_3 and RB16_4..RB16_6 in two columns side by side.
inline constexpr int kSignatureColumnOptions = 3;

}  // namespace catalogue

// Index of an option in the table order, 0..172.
constexpr int IndexOf(OptionId id) { return static_cast<int>(id); }
