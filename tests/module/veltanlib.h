#pragma once
// The module as a host sees it: libveltan.so loaded with dlopen from the program
// directory and driven through the functions of veltan.h.

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "utf.h"
#include "veltanmodule.h"

namespace veltantest {

// A file of the program directory.
inline std::string BinFile(std::string_view name) {
    const char* dir = std::getenv("VELTRA_BIN_DIR");
    return std::string(dir ? dir : ".") + "/" + std::string(name);
}

// A libbstr string that frees itself.
class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(std::u16string_view text)
        : text_(SysAllocStringLen(text.data(), static_cast<unsigned>(text.size()))) {}
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return text_; }
    BSTR* Out() { return &text_; }
    std::u16string Wide() const { return {text_, SysStringLen(text_)}; }
    std::string Utf8() const { return Utf16ToUtf8(Wide()); }

  private:
    BSTR text_ = nullptr;
};

// The tested person as the host passes it.
struct Person {
    std::u16string name;
    std::u16string gender;
    std::u16string type;
};

using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

class Library : public VeltanModule {
  public:
    Library() { Load(); }

    // Unloads and loads the library again: the module starts afresh.
    void Reload() {
        Unload();
        if (dlopen(BinFile("libveltan.so").c_str(), RTLD_NOW | RTLD_NOLOAD))
            throw std::runtime_error("libveltan.so stayed loaded");
        Load();
    }

    void Add(std::u16string_view key, std::u16string_view value) const {
        AddParameters(Bstr(key).Get(), Bstr(value).Get());
    }
    void Change(std::u16string_view key, std::u16string_view value) const {
        ChangeParameters(Bstr(key).Get(), Bstr(value).Get());
    }
    void SetPerson(const Person& person) const {
        Change(u"Имя", person.name);
        Change(u"Пол", person.gender);
        Change(u"Тип анализирования", person.type);
    }

    // The items of a result list in UTF-8.
    std::vector<std::string> Items(const void* list) const {
        std::vector<std::string> items;
        Bstr item;
        for (int i = 0, count = ResultCount(list); i < count; ++i) {
            ResultItem(list, i, item.Out());
            items.push_back(item.Utf8());
        }
        return items;
    }

    // The calling order of a host: clear, person, features, analyse, read.
    std::vector<std::string> Analyse(const Person& person, const Pairs& pairs) const {
        ClearINFO();
        SetPerson(person);
        for (const auto& [key, value] : pairs) Add(key, value);
        return Items(Analizing());
    }

    // The paragraphs that the pairs add to those of an analysis without features.
    std::vector<std::string> Added(const Person& person, const Pairs& pairs) const {
        std::vector<std::string> base = Analyse(person, {});
        std::vector<std::string> added;
        for (std::string& item : Analyse(person, pairs)) {
            auto same = std::find(base.begin(), base.end(), item);
            if (same != base.end())
                base.erase(same);
            else
                added.push_back(std::move(item));
        }
        return added;
    }

  private:
    void Load() {
        if (auto fault = VeltanModule::Load(BinFile("libveltan.so")))
            throw std::runtime_error(*fault);
    }
};

// The library shared by the tests of one program.
inline Library& Veltan() {
    static Library library;
    return library;
}

}  // namespace veltantest
