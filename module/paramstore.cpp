#include "paramstore.h"

#include <algorithm>

#include "parsek.h"
#include "ruletable.h"
#include "strimo.h"

namespace veltan {
namespace {

enum PersonField { kSurname, kFirstName, kPatronymic, kGender, kAnalysisType };

constexpr std::u16string_view kPersonKeys[] = {u"Фамилия", u"Имя", u"Отчество", u"Пол",
                                               u"Тип анализирования"};

constexpr std::size_t kFieldLimit = 255;
constexpr char kSeparator = '$';

// The person-field values that select the masculine and the self texts, in 8 bits.
const std::string& Masculine() {
    static const std::string text = ansistr::Utf8ToAnsi("Мужской");
    return text;
}
const std::string& Personal() {
    static const std::string text = ansistr::Utf8ToAnsi("Лично");
    return text;
}

std::u16string_view Wide(BSTR text) { return {text, SysStringLen(text)}; }

}  // namespace

void ParamStore::Add(std::u16string_view key, std::u16string_view value) {
    std::u16string entry;
    entry.reserve(key.size() + value.size() + 2);
    entry.append(key).append(1, kSeparator).append(value).append(1, kSeparator);
    entries_.emplace_back(ansistr::ToAnsi(entry));
}

void ParamStore::Clear() { entries_.clear(); }

void ParamStore::ChangePerson(std::u16string_view key, std::u16string_view value) {
    const auto* found = std::find(std::begin(kPersonKeys), std::end(kPersonKeys), key);
    if (found == std::end(kPersonKeys)) return;
    std::string text = ansistr::ToAnsi(value.substr(0, kFieldLimit));
    if (text.size() > kFieldLimit) text.resize(kFieldLimit);
    person_[static_cast<std::size_t>(found - std::begin(kPersonKeys))] = std::move(text);
}

bool ParamStore::Has(std::u16string_view key, std::u16string_view value) const {
    const ansistr::AnsiString sought(ansistr::ToAnsi(key));
    bool found = false;
    BSTR field = nullptr;
    // Every entry is visited, also after a match.
    for (const ansistr::AnsiString& entry : entries_) {
        ReadSection(1, entry.Data(), kSeparator, &field);
        const ansistr::AnsiString entryKey(ansistr::ToAnsi(Wide(field)));
        if (EqStrings(entryKey.Data(), sought.Data()) != 1) continue;
        ReadSection(2, entry.Data(), kSeparator, &field);
        if (Wide(field) == value) found = true;
    }
    SysFreeString(field);
    return found;
}

const std::string& ParamStore::FirstName() const { return person_[kFirstName]; }

bool ParamStore::Male() const { return person_[kGender] == Masculine(); }

bool ParamStore::Self() const { return person_[kAnalysisType] == Personal(); }

bool ParamView::Has(std::u16string_view key, std::u16string_view value) const {
    return store_->Has(key, value);
}

}  // namespace veltan
