#include "richtext.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <memory>

namespace {

// The text layout counts in pixels of a 96 dpi device: 15 twips each.
constexpr double kTwipsPerLayoutUnit = 1440.0 / 96.0;
constexpr double kPointsPerPixel = 72.0 / 96.0;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QTextCharFormat CharFormat(const std::string& font, double pointSize, bool bold) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{Utf8(font)});
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

QTextBlockFormat BlockFormat(const TParagraph& paragraph) {
    QTextBlockFormat format;
    format.setLeftMargin(paragraph.LeftIndentTwips / kTwipsPerLayoutUnit);
    return format;
}

std::string FontName(const QTextCharFormat& format, const std::string& fallback) {
    const QStringList families = format.fontFamilies().toStringList();
    if (families.isEmpty() || families.first().isEmpty()) return fallback;
    return families.first().toStdString();
}

double PointSize(const QTextCharFormat& format, double fallback) {
    if (format.fontPointSize() > 0) return format.fontPointSize();
    if (format.hasProperty(QTextFormat::FontPixelSize)) {
        return format.intProperty(QTextFormat::FontPixelSize) * kPointsPerPixel;
    }
    return fallback;
}

}  // namespace

void FillTextDocument(QTextDocument& text, const TResultDocument& document) {
    text.setUndoRedoEnabled(false);
    text.clear();
    QFont font(Utf8(document.DefaultFontName));
    font.setPointSizeF(document.DefaultPointSize);
    text.setDefaultFont(font);
    const QTextCharFormat plain =
        CharFormat(document.DefaultFontName, document.DefaultPointSize, false);
    QTextCursor cursor(&text);
    for (std::size_t i = 0; i < document.Paragraphs.size(); ++i) {
        const TParagraph& paragraph = document.Paragraphs[i];
        if (i == 0) {
            cursor.setBlockFormat(BlockFormat(paragraph));
            cursor.setBlockCharFormat(plain);
        } else {
            cursor.insertBlock(BlockFormat(paragraph), plain);
        }
        for (const TTextRun& run : paragraph.Runs) {
            cursor.insertText(Utf8(run.Text), CharFormat(run.FontName, run.PointSize, run.Bold));
        }
    }
    text.setUndoRedoEnabled(true);
    text.setModified(false);
}

TResultDocument DocumentFromText(const QTextDocument& text) {
    const QFont defaultFont = text.defaultFont();
    TResultDocument document{.DefaultFontName = defaultFont.family().toStdString(),
                             .DefaultPointSize = defaultFont.pointSizeF(),
                             .Paragraphs = {}};
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        TParagraph paragraph{.Runs = {},
                             .LeftIndentTwips = static_cast<int>(std::lround(
                                 block.blockFormat().leftMargin() * kTwipsPerLayoutUnit))};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString piece = fragment.text();
            // Pictures pasted into the view have no place in the file.
            piece.remove(QChar::ObjectReplacementCharacter);
            if (piece.isEmpty()) continue;
            const QTextCharFormat format = fragment.charFormat();
            paragraph.Runs.push_back({.Text = piece.toStdString(),
                                      .FontName = FontName(format, document.DefaultFontName),
                                      .PointSize = PointSize(format, document.DefaultPointSize),
                                      .Bold = format.fontWeight() >= QFont::DemiBold});
        }
        document.Paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

bool PrintTextDocument(const QTextDocument& text, QPrinter& printer) {
    printer.setDocName(QString());
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // A copy laid out on the printer's page in the printer's resolution: a
    // document without a page size of its own would be printed with margins
    // and page numbers added.
    std::unique_ptr<QTextDocument> copy(text.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    copy->setPageSize(QSizeF(printer.width(), printer.height()));
    // The layout takes paragraph margins as device pixels; the view's are
    // pixels of a 96 dpi screen.
    const qreal scale = printer.logicalDpiX() / 96.0;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() * scale);
        format.setRightMargin(format.rightMargin() * scale);
        format.setTopMargin(format.topMargin() * scale);
        format.setBottomMargin(format.bottomMargin() * scale);
        format.setTextIndent(format.textIndent() * scale);
        QTextCursor(block).setBlockFormat(format);
    }
    copy->print(&printer);
    return printer.printerState() != QPrinter::Error;
}
