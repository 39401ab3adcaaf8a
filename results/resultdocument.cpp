#include "resultdocument.h"

#include <utility>

namespace {

TTextRun Run(std::string text, bool bold = false, const char* font = kDocumentFontName) {
    return {
        .Text = std::move(text), .FontName = font, .PointSize = kDocumentPointSize, .Bold = bold};
}

TParagraph Paragraph(std::vector<TTextRun> runs) {
    std::erase_if(runs, [](const TTextRun& run) { return run.Text.empty(); });
    return {.Runs = std::move(runs), .LeftIndentTwips = kDocumentIndentTwips};
}

// A bold label followed by its value in the regular face.
TParagraph Labelled(const char* label, std::string value) {
    return Paragraph({Run(label, true), Run(std::move(value))});
}

// Splits at CR LF, CR or LF.
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

}  // namespace

TResultDocument ComposeResultDocument(const TSubject& subject, const TReportText& report,
                                      std::string_view date, std::string_view time) {
    TResultDocument document{.DefaultFontName = kDocumentFontName,
                             .DefaultPointSize = kDocumentPointSize,
                             .Paragraphs = {}};
    std::vector<TParagraph>& paragraphs = document.Paragraphs;
    paragraphs.push_back(Paragraph({Run(kProductLine, true, kProductFontName)}));
    paragraphs.push_back(Paragraph({}));
    paragraphs.push_back(Labelled(kDateTimeLabel, std::string(date) + "; " + std::string(time)));
    paragraphs.push_back(Paragraph({}));
    paragraphs.push_back(Labelled(kSurnameLabel, subject.Surname));
    paragraphs.push_back(Labelled(kFirstNameLabel, kFirstNameGap + subject.FirstName));
    paragraphs.push_back(Labelled(kPatronymicLabel, subject.Patronymic));
    paragraphs.push_back(Paragraph({}));
    for (std::string& line : Lines(kReportLead + report)) {
        paragraphs.push_back(Paragraph({Run(std::move(line))}));
    }
    return document;
}

std::string ParagraphText(const TParagraph& paragraph) {
    std::string text;
    for (const TTextRun& run : paragraph.Runs) text += run.Text;
    return text;
}
