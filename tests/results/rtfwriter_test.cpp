#include "rtfwriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cp1251.h"
#include "unrtf.h"

namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string rtf;
};

void PrintTo(const EscapeCase& row, std::ostream* out) { *out << row.name; }

class RtfTextTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(RtfTextTest, EscapesAsRtfText) { EXPECT_EQ(RtfText(GetParam().text), GetParam().rtf); }

INSTANTIATE_TEST_SUITE_P(
    Rows, RtfTextTest,
    testing::Values(
        EscapeCase{"PlainAscii", "Hello, world 1+1=2?", "Hello, world 1+1=2?"},
        EscapeCase{"Backslash", "a\\b", "a\\\\b"}, EscapeCase{"Braces", "{x}", "\\{x\\}"},
        // A name that would close the document and open a new one stays text.
        EscapeCase{"HostileName", "}{\\rtf1 \\par", "\\}\\{\\\\rtf1 \\\\par"},
        EscapeCase{"Cyrillic", "Иван", "\\'c8\\'e2\\'e0\\'ed"},
        EscapeCase{"CyrillicYo", "Ёё", "\\'a8\\'b8"},
        EscapeCase{"CodePagePunctuation", "«»—№", "\\'ab\\'bb\\'97\\'b9"},
        EscapeCase{"Tab", "a\tb", "a\\tab b"},
        EscapeCase{"LineBreaks", "a\r\nb\nc\rd\u2028e", "a\\line b\\line c\\line d\\line e"},
        EscapeCase{"ControlCharacters", std::string("\x01\x1f\x7f") + '\0', "\\'01\\'1f\\'7f\\'00"},
        EscapeCase{"OutsideCodePage", "∑中", "\\u8721?\\u20013?"},
        // Units above 0x7FFF are written as negative numbers.
        EscapeCase{"PrivateUseNegative", "\uE000", "\\u-8192?"},
        EscapeCase{"SurrogatePair", "😀", "\\u-10179?\\u-8704?"},
        EscapeCase{"InvalidUtf8", "\xff", "\\u-3?"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

TTextRun TextRun(std::string text, std::string font = kDocumentFontName, double size = 8,
                 bool bold = false) {
    return {.Text = std::move(text), .FontName = std::move(font), .PointSize = size, .Bold = bold};
}

TResultDocument Document(std::vector<TParagraph> paragraphs) {
    return {.DefaultFontName = kDocumentFontName,
            .DefaultPointSize = kDocumentPointSize,
            .Paragraphs = std::move(paragraphs)};
}

TEST(WriteRtf, HeaderNamesCodePageAndFontsDefaultFirst) {
    const std::string rtf =
        WriteRtf(Document({{.Runs = {TextRun("x", kProductFontName)}, .LeftIndentTwips = 0}}));
    EXPECT_EQ(
        rtf.rfind("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1{\\fonttbl"
                  "{\\f0\\fnil\\fcharset204 MS Sans Serif;}{\\f1\\fnil\\fcharset204 Arial;}}\r\n",
                  0),
        0u)
        << rtf;
}

// The writer only names what changes: the paragraph starts from the default
// font, and each switch is written once.
TEST(WriteRtf, WritesFontSizeBoldAndIndentWhereTheyChange) {
    const std::string rtf = WriteRtf(Document({
        {.Runs = {TextRun("A", kProductFontName, 8, true)}, .LeftIndentTwips = 600},
        {.Runs = {TextRun("B", kDocumentFontName, 8, true), TextRun("C"),
                  TextRun("D", kDocumentFontName, 12)},
         .LeftIndentTwips = 600},
        {.Runs = {TextRun("E", kDocumentFontName, 10.5)}, .LeftIndentTwips = 0},
        {.Runs = {}, .LeftIndentTwips = 600},
    }));
    EXPECT_NE(rtf.find("\r\n"
                       "\\pard\\plain\\li600\\f0\\fs16 \\f1\\b A\\par\r\n"
                       "\\pard\\plain\\li600\\f0\\fs16 \\b B\\b0 C\\fs24 D\\par\r\n"
                       "\\pard\\plain\\f0\\fs16 \\fs21 E\\par\r\n"
                       "\\pard\\plain\\li600\\f0\\fs16 }\r\n"),
              std::string::npos)
        << rtf;
}

TEST(WriteRtf, FontNamesAreEscapedAndCannotEndTheirEntry) {
    const std::string rtf = WriteRtf(Document({{.Runs = {TextRun("x", "Шрифт;{}")}}}));
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset204 \\'d8\\'f0\\'e8\\'f4\\'f2\\{\\};}"),
              std::string::npos)
        << rtf;
}

// Whatever the text, the stream is ASCII and its groups close exactly at its
// last brace: no text can end the document early or open a group of its own.
TEST(WriteRtf, HostileTextKeepsTheGroupStructure) {
    const std::string hostile[] = {"}",      "{",   "\\",    "}}}{\\rtf1 \\par}",        "\\'ff",
                                   "\\u-1?", "a\\", "\\\\}", std::string(1, '\0') + "}", "Ё}\xff{"};
    for (const std::string& text : hostile) {
        const std::string rtf = WriteRtf(Document({{.Runs = {TextRun(text, text)}}}));
        int depth = 0;
        std::size_t closedAt = std::string::npos;
        for (std::size_t i = 0; i < rtf.size(); ++i) {
            const auto c = static_cast<unsigned char>(rtf[i]);
            ASSERT_LT(c, 0x80) << text;
            if (c == '\\') {
                ++i;  // the escaped character or the first letter of a control word
            } else if (c == '{') {
                ++depth;
            } else if (c == '}' && --depth == 0) {
                closedAt = i;
                break;
            }
        }
        EXPECT_EQ(closedAt, rtf.size() - 3) << text;  // only CR LF follows
    }
}

std::filesystem::path WriteTemp(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// An independent reader gets back the same paragraphs, the Cyrillic, the
// characters outside the code page and the bold labels; hostile names stay
// literal text.
TEST(WriteRtf, UnrtfReadsTheSameDocument) {
    if (!UnrtfAvailable()) GTEST_SKIP() << "unrtf is not installed";
    TSubject subject;
    subject.Surname = "}{\\rtf1 \\par";
    subject.FirstName = "Ёлка «ёж» — 😀 中";
    subject.Patronymic = "<b>&amp;";
    const TResultDocument document = ComposeResultDocument(
        subject, "Вы человек общительный. Вам легко. ", "01.02.2024", "13:45:07");
    const auto path = WriteTemp("results_unrtf_test.rtf", WriteRtf(document));
    const std::optional<TReadBack> back = ReadWithUnrtf(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(back);

    std::vector<std::u32string> expected;
    for (const TParagraph& paragraph : document.Paragraphs) {
        expected.push_back(unrtf_detail::Collapsed(cp1251::DecodeUtf8(ParagraphText(paragraph))));
    }
    EXPECT_EQ(back->Paragraphs, expected);
    std::vector<std::u32string> bold;
    for (const char* label :
         {kProductLine, kDateTimeLabel, kSurnameLabel, kFirstNameLabel, kPatronymicLabel}) {
        bold.push_back(cp1251::DecodeUtf8(label));
    }
    EXPECT_EQ(back->Bold, bold);
}

}  // namespace
