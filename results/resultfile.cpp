#include "resultfile.h"

#include <algorithm>

#include "safefile.h"

std::string CompleteSaveName(const std::string& name, int filterIndex) {
    const std::string extension =
        kSaveFilters[static_cast<std::size_t>(std::clamp(filterIndex, 1, 3) - 1)].Extension;
    // The extension is the file name's text from its last dot on.
    const std::size_t nameStart = name.find_last_of('/') + 1;
    const std::size_t dot = name.rfind('.');
    const bool hasIt =
        dot != std::string::npos && dot >= nameStart && name.substr(dot) == extension;
    return hasIt ? name : name + extension;
}

std::string ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const safefile::TReplaceResult result = safefile::ReplaceFileContents(path, bytes);
    return result.Ok() ? std::string() : result.Message();
}
