#include "subject.h"

#include <utility>

std::string NameOrNoData(std::string name) {
    if (name.empty() || name == " ") return kNoData;
    return name;
}

void StoreSubject(TSubject& subject, std::string surname, std::string firstName,
                  std::string patronymic, TGender gender, TPerspective perspective) {
    subject.Surname = NameOrNoData(std::move(surname));
    subject.FirstName = NameOrNoData(std::move(firstName));
    subject.Patronymic = NameOrNoData(std::move(patronymic));
    subject.Gender = gender;
    subject.Perspective = perspective;
}
