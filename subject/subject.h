#pragma once
// The tested person. Qt-free; texts are UTF-8.

#include <string>

enum class TGender { Male, Female };
enum class TPerspective { Self, Other };

struct TSubject {
    std::string Surname;
    std::string FirstName;
    std::string Patronymic;
    // Until the subject window is first confirmed: empty names, Female, Other.
    TGender Gender = TGender::Female;
    TPerspective Perspective = TPerspective::Other;
};

// The text that stands for a name the user did not give.
inline constexpr const char* kNoData = "<нет данных>";

// An empty name or one of exactly one space becomes "<нет данных>"; any
// other text stays as typed.
std::string NameOrNoData(std::string name);

// Fills the record from the subject window's confirmation.
void StoreSubject(TSubject& subject, std::string surname, std::string firstName,
                  std::string patronymic, TGender gender, TPerspective perspective);
