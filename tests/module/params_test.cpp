// The person fields and the parameter entries, through the host boundary.

#include <gtest/gtest.h>

#include "veltanlib.h"

namespace {

// Rows of the case tables print as their names.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

using veltantest::Bstr;
using veltantest::Pairs;
using veltantest::Person;
using veltantest::Veltan;

const Pairs kRule4 = {{u"А: Просторность", u"Узкая"},
                      {u"А: Крючок", u"Маленький"},
                      {u"А: Остроконечность", u"Остроконечная"}};

enum class Variant { SelfMale, SelfFemale, OtherMale, OtherFemale };

// Rule 4 names the person in every variant but the first-name-less self ones.
std::string Rule4(Variant variant, const std::string& name) {
    switch (variant) {
        case Variant::SelfMale:
            return "Вы мягки, кротки, честны и откровенны. " + name +
                   ", Вы любите влюбляться. Однако, Вы небрежны. ";
        case Variant::SelfFemale:
            return "Вы мягка, кротка, честная и откровенная. " + name +
                   ", Вы любите влюбляться. Однако, Вы небрежна. ";
        case Variant::OtherMale:
            return name + " мягок, кроток, честен и откровеннен. Он любит влюбляться. Однако, " +
                   name + " небрежен. ";
        case Variant::OtherFemale:
            return name + " мягка, кротка, честна и откровенна. Она любит влюбляться. Однако, " +
                   name + " небрежна. ";
    }
    return {};
}

// The paragraph of rule 4 with the person fields as they are.
std::string Rule4Now() {
    const auto& lib = Veltan();
    lib.ClearINFO();
    const std::vector<std::string> before = lib.Items(lib.Analizing());
    for (const auto& [key, value] : kRule4) lib.Add(key, value);
    std::vector<std::string> after = lib.Items(lib.Analizing());
    lib.ClearINFO();
    for (const std::string& item : before) std::erase(after, item);
    return after.size() == 1 ? after[0] : "(" + std::to_string(after.size()) + " paragraphs)";
}

struct PersonCase {
    const char* name;
    Pairs changes;  // ChangeParameters calls on a freshly loaded module
    Variant variant;
    std::string firstName;
};

class PersonFields : public testing::TestWithParam<PersonCase> {};

TEST_P(PersonFields, SelectTheVariantAndTheName) {
    Veltan().Reload();
    for (const auto& [key, value] : GetParam().changes) Veltan().Change(key, value);
    EXPECT_EQ(Rule4Now(), Rule4(GetParam().variant, GetParam().firstName));
}

INSTANTIATE_TEST_SUITE_P(
    ChangeParameters, PersonFields,
    testing::Values(
        PersonCase{"FreshModule_OtherFemaleWithoutName", {}, Variant::OtherFemale, ""},
        PersonCase{"MaleSelf",
                   {{u"Имя", u"Иван"}, {u"Пол", u"Мужской"}, {u"Тип анализирования", u"Лично"}},
                   Variant::SelfMale,
                   "Иван"},
        PersonCase{
            "MaleOther", {{u"Имя", u"Иван"}, {u"Пол", u"Мужской"}}, Variant::OtherMale, "Иван"},
        PersonCase{"SelfWithoutGender_SelfFemale",
                   {{u"Тип анализирования", u"Лично"}},
                   Variant::SelfFemale,
                   ""},
        PersonCase{"GenderInLowercase_Female", {{u"Пол", u"мужской"}}, Variant::OtherFemale, ""},
        PersonCase{
            "GenderWithTrailingSpace_Female", {{u"Пол", u"Мужской "}}, Variant::OtherFemale, ""},
        PersonCase{
            "GenderKeyInLowercase_NoChange", {{u"пол", u"Мужской"}}, Variant::OtherFemale, ""},
        PersonCase{
            "TypeInLowercase_Other", {{u"Тип анализирования", u"лично"}}, Variant::OtherFemale, ""},
        PersonCase{
            "NameKeyWithTrailingSpace_NoChange", {{u"Имя ", u"Иван"}}, Variant::OtherFemale, ""},
        PersonCase{"UnknownKey_NoChange", {{u"Возраст", u"30"}}, Variant::OtherFemale, ""},
        PersonCase{"SurnameAndPatronymic_NotInTheText",
                   {{u"Фамилия", u"Петрова"}, {u"Отчество", u"Ивановна"}, {u"Имя", u"Анна"}},
                   Variant::OtherFemale,
                   "Анна"},
        PersonCase{
            "NameKeptExactlyAsGiven", {{u"Имя", u"  иВАН "}}, Variant::OtherFemale, "  иВАН "},
        PersonCase{"LastChangeCounts",
                   {{u"Имя", u"Пётр"}, {u"Имя", u"Олег"}},
                   Variant::OtherFemale,
                   "Олег"},
        PersonCase{
            "CharacterOutsideCodePage_Replaced", {{u"Имя", u"Zoë"}}, Variant::OtherFemale, "Zo?"},
        PersonCase{"NameCutTo255",
                   {{u"Имя", std::u16string(300, u'Я')}},
                   Variant::OtherFemale,
                   [] {
                       std::string name;
                       for (int i = 0; i < 255; ++i) name += "Я";
                       return name;
                   }()},
        PersonCase{"NameOf255Kept",
                   {{u"Имя", std::u16string(255, u'ж')}},
                   Variant::OtherFemale,
                   [] {
                       std::string name;
                       for (int i = 0; i < 255; ++i) name += "ж";
                       return name;
                   }()}),
    [](const auto& info) { return info.param.name; });

TEST(PersonFields, NullValueEmptiesTheField) {
    Veltan().Change(u"Имя", u"Иван");
    Veltan().ChangeParameters(Bstr(u"Имя").Get(), nullptr);
    Veltan().Change(u"Пол", u"Мужской");
    Veltan().Change(u"Тип анализирования", u"Другой");
    EXPECT_EQ(Rule4Now(), Rule4(Variant::OtherMale, ""));
}

TEST(PersonFields, NullKeyChangesNothing) {
    Veltan().SetPerson({u"Иван", u"Мужской", u"Другой"});
    Veltan().ChangeParameters(nullptr, Bstr(u"Анна").Get());
    EXPECT_EQ(Rule4Now(), Rule4(Variant::OtherMale, "Иван"));
}

TEST(PersonFields, ClearINFOKeepsThem) {
    Veltan().SetPerson({u"Иван", u"Мужской", u"Лично"});
    Veltan().ClearINFO();
    EXPECT_EQ(Rule4Now(), Rule4(Variant::SelfMale, "Иван"));
}

struct EntryCase {
    const char* name;
    Pairs extra;  // added after the first two pairs of rule 4
    bool fires;
};

class Entries : public testing::TestWithParam<EntryCase> {};

// Rule 4 needs "А: Остроконечность" = "Остроконечная"; the rows give it in other forms.
TEST_P(Entries, MatchKeysAndValuesExactly) {
    Pairs pairs(kRule4.begin(), kRule4.end() - 1);
    pairs.insert(pairs.end(), GetParam().extra.begin(), GetParam().extra.end());
    const std::vector<std::string> added = Veltan().Added({u"Иван", u"Мужской", u"Другой"}, pairs);
    EXPECT_EQ(added, GetParam().fires ? std::vector{Rule4(Variant::OtherMale, "Иван")}
                                      : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    AddParameters, Entries,
    testing::Values(
        EntryCase{"Exact", {{u"А: Остроконечность", u"Остроконечная"}}, true},
        EntryCase{"Missing", {}, false},
        EntryCase{"ValueInUppercase", {{u"А: Остроконечность", u"ОСТРОКОНЕЧНАЯ"}}, false},
        EntryCase{"KeyWithLeadingSpace", {{u" А: Остроконечность", u"Остроконечная"}}, false},
        EntryCase{"EmptyKeyAndValue", {{u"", u""}, {u"А: Остроконечность", u""}}, false},
        // The value is followed by a zero unit, so it is another value.
        EntryCase{"ZeroInsideValue",
                  {{u"А: Остроконечность", std::u16string(u"Остроконечная\0", 14)}},
                  false},
        EntryCase{"ZeroInsideKey",
                  {{std::u16string(u"А: Остроконечность\0", 19), u"Остроконечная"}},
                  false},
        EntryCase{"ValueOutsideCodePage", {{u"А: Остроконечность", u"Остроконечная✓"}}, false},
        // The entry is key$value$ without escaping: a "$" shifts its fields.
        EntryCase{"DollarInsideValue", {{u"А: Остроконечность", u"Остро$конечная"}}, false},
        EntryCase{"DollarEndingValue", {{u"А: Остроконечность", u"Остроконечная$"}}, true},
        EntryCase{"PairInsideKey", {{u"А: Остроконечность$Остроконечная", u""}}, true},
        EntryCase{"ManyOtherEntriesAround",
                  [] {
                      Pairs pairs;
                      for (int i = 0; i < 50; ++i)
                          pairs.emplace_back(u"А: Остроконечность", u"Тупая");
                      pairs.emplace_back(u"А: Остроконечность", u"Остроконечная");
                      for (int i = 0; i < 50; ++i) pairs.emplace_back(u"Наклон почерка", u"Нет");
                      return pairs;
                  }(),
                  true}),
    [](const auto& info) { return info.param.name; });

TEST(Entries, NullKeyAndValueAreAccepted) {
    Veltan().SetPerson({u"Иван", u"Мужской", u"Другой"});
    Veltan().ClearINFO();
    Veltan().AddParameters(nullptr, nullptr);
    Veltan().AddParameters(nullptr, Bstr(u"Остроконечная").Get());
    Veltan().AddParameters(Bstr(u"А: Остроконечность").Get(), nullptr);
    const std::vector<std::string> items = Veltan().Items(Veltan().Analizing());
    EXPECT_EQ(items, Veltan().Analyse({u"Иван", u"Мужской", u"Другой"}, {}));
}

TEST(Entries, ClearINFORemovesThem) {
    Veltan().SetPerson({u"Иван", u"Мужской", u"Другой"});
    Veltan().ClearINFO();
    for (const auto& [key, value] : kRule4) Veltan().Add(key, value);
    Veltan().ClearINFO();
    EXPECT_EQ(Veltan().Items(Veltan().Analizing()),
              Veltan().Analyse({u"Иван", u"Мужской", u"Другой"}, {}));
}

}  // namespace
