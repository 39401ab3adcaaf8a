#include "rtfwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cp1251.h"

namespace {

constexpr char32_t kLineSeparator = U'\u2028';
constexpr char32_t kParagraphSeparator = U'\u2029';
constexpr char32_t kLastCodePoint = U'\U0010FFFF';

void AppendHex(std::string& out, unsigned char byte) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", byte);
    out += hex;
}

// One UTF-16 unit as a signed \uN, then the fallback for older readers.
void AppendUnit(std::string& out, char32_t unit) {
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + "?";
}

void AppendUnicode(std::string& out, char32_t c) {
    if (c > kLastCodePoint) c = cp1251::kReplacement;
    if (c <= 0xFFFF) {
        AppendUnit(out, c);
        return;
    }
    c -= 0x10000;
    AppendUnit(out, 0xD800 + (c >> 10));
    AppendUnit(out, 0xDC00 + (c & 0x3FF));
}

bool IsLineBreak(char32_t c) {
    return c == U'\r' || c == U'\n' || c == kLineSeparator || c == kParagraphSeparator;
}

int HalfPoints(double pointSize) {
    return std::max(1, static_cast<int>(std::lround(pointSize * 2)));
}

// The fonts of the document, the default first; their index is the \fN number.
class TFontTable {
  public:
    explicit TFontTable(const TResultDocument& document) {
        Index(document.DefaultFontName);
        for (const TParagraph& paragraph : document.Paragraphs) {
            for (const TTextRun& run : paragraph.Runs) Index(run.FontName);
        }
    }

    int Index(const std::string& name) {
        auto found = std::find(names_.begin(), names_.end(), name);
        if (found != names_.end()) return static_cast<int>(found - names_.begin());
        names_.push_back(name);
        return static_cast<int>(names_.size()) - 1;
    }

    std::string Rtf() const {
        std::string out = "{\\fonttbl";
        for (std::size_t i = 0; i < names_.size(); ++i) {
            // A semicolon would end the name early.
            std::string name = names_[i];
            std::erase(name, ';');
            out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset204 " + RtfText(name) + ";}";
        }
        return out + "}";
    }

  private:
    std::vector<std::string> names_;
};

// Writes the character format only where it changes; each paragraph starts
// from the document's font.
class TFormatState {
  public:
    TFormatState(TFontTable& fonts, const TResultDocument& document)
        : fonts_(fonts), document_(document) {}

    std::string StartParagraph(const TParagraph& paragraph) {
        font_ = fonts_.Index(document_.DefaultFontName);
        halfPoints_ = HalfPoints(document_.DefaultPointSize);
        bold_ = false;
        std::string out = "\\pard\\plain";
        if (paragraph.LeftIndentTwips != 0)
            out += "\\li" + std::to_string(paragraph.LeftIndentTwips);
        return out + "\\f" + std::to_string(font_) + "\\fs" + std::to_string(halfPoints_) + " ";
    }

    std::string Switch(const TTextRun& run) {
        std::string out;
        const int font =
            fonts_.Index(run.FontName.empty() ? document_.DefaultFontName : run.FontName);
        const int halfPoints =
            HalfPoints(run.PointSize > 0 ? run.PointSize : document_.DefaultPointSize);
        if (font != font_) out += "\\f" + std::to_string(font);
        if (halfPoints != halfPoints_) out += "\\fs" + std::to_string(halfPoints);
        if (run.Bold != bold_) out += run.Bold ? "\\b" : "\\b0";
        font_ = font;
        halfPoints_ = halfPoints;
        bold_ = run.Bold;
        return out.empty() ? out : out + " ";
    }

  private:
    TFontTable& fonts_;
    const TResultDocument& document_;
    int font_ = 0;
    int halfPoints_ = 0;
    bool bold_ = false;
};

}  // namespace

std::string RtfText(std::string_view text) {
    const std::u32string chars = cp1251::DecodeUtf8(text);
    std::string out;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == U'\\' || c == U'{' || c == U'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == U'\t') {
            out += "\\tab ";
        } else if (IsLineBreak(c)) {
            if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n') ++i;
            out += "\\line ";
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c < 0x80) {
            AppendHex(out, static_cast<unsigned char>(c));
        } else if (auto byte = cp1251::FromUnicode(c)) {
            AppendHex(out, *byte);
        } else {
            AppendUnicode(out, c);
        }
    }
    return out;
}

std::string WriteRtf(const TResultDocument& document) {
    TFontTable fonts(document);
    std::string out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1" + fonts.Rtf() + "\r\n";
    TFormatState format(fonts, document);
    for (std::size_t i = 0; i < document.Paragraphs.size(); ++i) {
        const TParagraph& paragraph = document.Paragraphs[i];
        if (i > 0) out += "\\par\r\n";
        out += format.StartParagraph(paragraph);
        for (const TTextRun& run : paragraph.Runs) out += format.Switch(run) + RtfText(run.Text);
    }
    return out + "}\r\n";
}
