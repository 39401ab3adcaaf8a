#pragma once
// The result file as the save dialog offers it: one RTF stream under a .doc,
// .rtf or .txt name. Qt-free.

#include <array>
#include <string>
#include <string_view>

struct TSaveFilter {
    const char* Caption;
    const char* Extension;  // dot included
};

// The save dialog's entries in order; the dialog numbers them from 1.
inline constexpr std::array<TSaveFilter, 3> kSaveFilters{{
    {"Microsoft Word", ".doc"},
    {"RTF", ".rtf"},
    {"TXT", ".txt"},
}};

// The chosen name with the extension of filter entry `filterIndex` (1..3)
// appended, unless its file name already ends in exactly that extension
// (case-sensitive: "итог.DOC" under "Microsoft Word" becomes "итог.DOC.doc").
std::string CompleteSaveName(const std::string& name, int filterIndex);

// Makes `bytes` the whole content of the file at `path`. The bytes go into a
// new file beside it, which replaces the old one only once it is complete and
// on disk, so a failed write leaves the old file as it was. A link keeps
// pointing at its file, and a file the user may not write stays untouched.
// Returns the system's description of the failure, empty on success.
std::string ReplaceFileContents(const std::string& path, std::string_view bytes);
