// The exported functions: the module's C interface over its one set of state.

#define VELTAN_BUILDING
#include <string_view>

#include "ansistr.h"
#include "engine.h"
#include "paramstore.h"
#include "progress.h"
#include "veltan.h"
#include "windowsystem.h"

namespace {

constexpr std::u16string_view kVersion = u"2.0.0.2 - 0001";

// The module's state from load to unload.
struct Module {
    veltan::ParamStore params;
    veltan::ResultList results;
    veltan::WindowSystem windows;
};
Module theModule;

std::u16string_view Wide(BSTR text) { return {text, SysStringLen(text)}; }

void Store(BSTR* result, std::u16string_view text) {
    SysReAllocStringLen(result, text.data(), static_cast<unsigned>(text.size()));
}

}  // namespace

void Version(BSTR* result) { Store(result, kVersion); }

void ClearINFO(void) { theModule.params.Clear(); }

void ChangeParameters(BSTR key, BSTR value) {
    theModule.params.ChangePerson(Wide(key), Wide(value));
}

void* Analizing(void) {
    veltan::RunRules(theModule.params, theModule.results, theModule.windows.Window());
    return &theModule.results;
}

void AddParameters(BSTR key, BSTR value) { theModule.params.Add(Wide(key), Wide(value)); }

int ResultCount(const void* list) {
    return list == &theModule.results ? static_cast<int>(theModule.results.size()) : 0;
}

void ResultItem(const void* list, int index, BSTR* result) {
    const bool found = list == &theModule.results && index >= 0 && index < ResultCount(list);
    Store(result, found ? ansistr::FromAnsi(theModule.results[static_cast<std::size_t>(index)])
                        : std::u16string());
}
