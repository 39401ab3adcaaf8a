#include "subject.h"

#include <gtest/gtest.h>

namespace {

TEST(Subject, StartsFemaleOtherWithEmptyNames) {
    TSubject subject;
    EXPECT_EQ(subject.Surname, "");
    EXPECT_EQ(subject.FirstName, "");
    EXPECT_EQ(subject.Patronymic, "");
    EXPECT_EQ(subject.Gender, TGender::Female);
    EXPECT_EQ(subject.Perspective, TPerspective::Other);
}

TEST(Subject, MissingNamesBecomeNoData) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"", "<нет данных>"}, {" ", "<нет данных>"}, {"  ", "  "},
        {" Иван", " Иван"},   {"Иван ", "Иван "},    {"Иван", "Иван"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameOrNoData(c.typed), c.stored) << '[' << c.typed << ']';
}

TEST(Subject, StoreSubjectFillsEveryField) {
    TSubject subject;
    StoreSubject(subject, "", " ", "Петрович", TGender::Male, TPerspective::Self);
    EXPECT_EQ(subject.Surname, "<нет данных>");
    EXPECT_EQ(subject.FirstName, "<нет данных>");
    EXPECT_EQ(subject.Patronymic, "Петрович");
    EXPECT_EQ(subject.Gender, TGender::Male);
    EXPECT_EQ(subject.Perspective, TPerspective::Self);
}

}  // namespace
