#pragma once
// The result document as data: the header of the test and the report text,
// as paragraphs of formatted runs. Qt-free; texts are UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "report.h"
#include "subject.h"

// A stretch of text in one format.
struct TTextRun {
    std::string Text;
    std::string FontName;
    double PointSize = 0;
    bool Bold = false;

    bool operator==(const TTextRun&) const = default;
};

// One paragraph; an empty one has no runs and takes the document's font.
struct TParagraph {
    std::vector<TTextRun> Runs;
    int LeftIndentTwips = 0;

    bool operator==(const TParagraph&) const = default;
};

struct TResultDocument {
    // The font of text that carries no font of its own.
    std::string DefaultFontName;
    double DefaultPointSize = 0;
    std::vector<TParagraph> Paragraphs;

    bool operator==(const TResultDocument&) const = default;
};

inline constexpr const char* kDocumentFontName = "MS Sans Serif";
inline constexpr const char* kProductFontName = "Arial";
inline constexpr double kDocumentPointSize = 8;
// 30 points on every paragraph.
inline constexpr int kDocumentIndentTwips = 600;

inline constexpr const char* kProductLine = "Программа анализа почерка Veltra, версия 2.5.0.0";
inline constexpr const char* kDateTimeLabel = "Дата и время тестирования: ";
inline constexpr const char* kSurnameLabel = "Фамилия: ";
inline constexpr const char* kFirstNameLabel = "Имя: ";
// The rest of the "Имя:" label's spaces, in the regular face.
inline constexpr const char* kFirstNameGap = "           ";
inline constexpr const char* kPatronymicLabel = "Отчество: ";
// The first-line indent of the report text.
inline constexpr const char* kReportLead = "             ";

// The header and the report as the result window shows them: the product
// line, the date and time of the test, the three names as stored and the
// report text behind its 13 spaces. Each line break of the report text starts
// a new paragraph.
TResultDocument ComposeResultDocument(const TSubject& subject, const TReportText& report,
                                      std::string_view date, std::string_view time);

// The whole text of a paragraph.
std::string ParagraphText(const TParagraph& paragraph);
