#include "resultdocument.h"

#include <gtest/gtest.h>

namespace {

const char* const kDate = "01.02.2024";
const char* const kTime = "13:45:07";

TSubject Confirmed(const char* surname, const char* firstName, const char* patronymic) {
    TSubject subject;
    StoreSubject(subject, surname, firstName, patronymic, TGender::Male, TPerspective::Other);
    return subject;
}

std::vector<std::string> Texts(const TResultDocument& document) {
    std::vector<std::string> texts;
    for (const TParagraph& paragraph : document.Paragraphs)
        texts.push_back(ParagraphText(paragraph));
    return texts;
}

struct DocumentCase {
    const char* name;
    TSubject subject;
    std::string report;
    std::vector<std::string> texts;
};

void PrintTo(const DocumentCase& row, std::ostream* out) { *out << row.name; }

class ComposeTest : public testing::TestWithParam<DocumentCase> {};

TEST_P(ComposeTest, HoldsTheHeaderAndTheReport) {
    EXPECT_EQ(Texts(ComposeResultDocument(GetParam().subject, GetParam().report, kDate, kTime)),
              GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComposeTest,
    testing::Values(
        DocumentCase{"AfterAnalysis",
                     Confirmed("Иванов", "Иван", "Петрович"),
                     "Иван общителен. Иван упорен. ",
                     {kProductLine, "", "Дата и время тестирования: 01.02.2024; 13:45:07", "",
                      "Фамилия: Иванов", "Имя:            Иван", "Отчество: Петрович", "",
                      "             Иван общителен. Иван упорен. "}},
        // Before any analysis the report paragraph is its 13 spaces.
        DocumentCase{"NoAnalysisNoSubject",
                     TSubject{},
                     "",
                     {kProductLine, "", "Дата и время тестирования: 01.02.2024; 13:45:07", "",
                      "Фамилия: ", "Имя:            ", "Отчество: ", "", "             "}},
        DocumentCase{"ConfirmedWithEmptyNames",
                     Confirmed("", " ", ""),
                     "",
                     {kProductLine, "", "Дата и время тестирования: 01.02.2024; 13:45:07", "",
                      "Фамилия: <нет данных>", "Имя:            <нет данных>",
                      "Отчество: <нет данных>", "", "             "}},
        // Line breaks in the report text start new paragraphs.
        DocumentCase{"ReportWithLineBreaks",
                     TSubject{},
                     "Первый. \r\nВторой. \nТретий. ",
                     {kProductLine, "", "Дата и время тестирования: 01.02.2024; 13:45:07", "",
                      "Фамилия: ", "Имя:            ", "Отчество: ", "", "             Первый. ",
                      "Второй. ", "Третий. "}}),
    [](const testing::TestParamInfo<DocumentCase>& info) { return info.param.name; });

TEST(ComposeResultDocument, OnlyTheProductLineAndTheLabelsAreBold) {
    const TResultDocument document =
        ComposeResultDocument(Confirmed("Петрова", "Анна", "Сергеевна"), "Текст. ", kDate, kTime);
    EXPECT_EQ(document.DefaultFontName, "MS Sans Serif");
    EXPECT_EQ(document.DefaultPointSize, 8);
    std::vector<std::string> bold;
    for (const TParagraph& paragraph : document.Paragraphs) {
        EXPECT_EQ(paragraph.LeftIndentTwips, 600);
        for (const TTextRun& run : paragraph.Runs) {
            EXPECT_EQ(run.PointSize, 8) << run.Text;
            EXPECT_EQ(run.FontName, run.Text == kProductLine ? "Arial" : "MS Sans Serif")
                << run.Text;
            if (run.Bold) bold.push_back(run.Text);
        }
    }
    EXPECT_EQ(bold, (std::vector<std::string>{kProductLine, "Дата и время тестирования: ",
                                              "Фамилия: ", "Имя: ", "Отчество: "}));
}

}  // namespace
