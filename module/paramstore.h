#pragma once
// The parameter store: the feature entries a host adds and the five person fields.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ansistr.h"

namespace veltan {

class ParamStore {
  public:
    // AddParameters: appends the entry key$value$, converted as a whole to 8 bits.
    void Add(std::u16string_view key, std::u16string_view value);
    // ClearINFO: removes every entry; the person fields stay.
    void Clear();
    // ChangeParameters: sets the person field whose key equals key exactly.
    void ChangePerson(std::u16string_view key, std::u16string_view value);

    // HasParameter: whether some entry carries the key (in the sense of EqStrings) and
    // exactly the value.
    bool Has(std::u16string_view key, std::u16string_view value) const;

    // The first name in the 8-bit code page, as stored.
    const std::string& FirstName() const;
    bool Male() const;  // the gender field is exactly "Мужской"
    bool Self() const;  // the analysis type is exactly "Лично"

  private:
    std::vector<ansistr::AnsiString> entries_;
    std::array<std::string, 5> person_;  // in the order of the person-field keys
};

}  // namespace veltan
