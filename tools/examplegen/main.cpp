// examplegen: draws the handwriting example of every example code of the questionnaire.
//
//   examplegen <example folder> <contact sheet.png>
//
// Writes <example folder>/<code>.bmp (24-bit) for every code, and one PNG with every picture
// beside its code and captions for review. Fails when the table and the catalogue disagree.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <map>
#include <string>

#include "catalogue.h"
#include "pictures.h"

namespace {

// Every example code of the catalogue with the captions of the options that show it.
std::map<std::string, QStringList> codesOfCatalogue() {
    std::map<std::string, QStringList> codes;
    for (const TOptionInfo& option : catalogue::Options())
        if (!option.ExampleCode.empty())
            codes[std::string(option.ExampleCode)]
                << QString::fromUtf8(option.Caption.data(), qsizetype(option.Caption.size()));
    return codes;
}

bool save(const QImage& image, const QString& path, const char* format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit()) {
        std::fprintf(stderr, "examplegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The pictures as the example box shows them (reduced to fit), each with its code and captions.
QImage contactSheet(const std::map<std::string, QImage>& pictures,
                    const std::map<std::string, QStringList>& captions) {
    constexpr int kColumns = 5;
    constexpr int kBoxWidth = 300;
    constexpr int kBoxHeight = 150;
    constexpr int kCellWidth = kBoxWidth + 16;
    constexpr int kCellHeight = kBoxHeight + 64;
    const int rows = (int(pictures.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kCellWidth, rows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(225, 225, 225));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont label(QStringLiteral("DejaVu Sans"));
    label.setPixelSize(11);
    painter.setFont(label);
    int i = 0;
    for (const auto& [code, picture] : pictures) {
        const QPoint cell((i % kColumns) * kCellWidth + 8, (i / kColumns) * kCellHeight + 6);
        const QImage shown = picture.width() > kBoxWidth || picture.height() > kBoxHeight
                                 ? picture.scaled(kBoxWidth, kBoxHeight, Qt::KeepAspectRatio,
                                                  Qt::SmoothTransformation)
                                 : picture;
        painter.fillRect(QRect(cell, QSize(kBoxWidth, kBoxHeight)), QColor(245, 245, 245));
        painter.drawImage(
            cell + QPoint((kBoxWidth - shown.width()) / 2, (kBoxHeight - shown.height()) / 2),
            shown);
        painter.setPen(Qt::black);
        const QString text = QString::fromStdString(code) + QStringLiteral("  ") +
                             captions.at(code).join(QStringLiteral(" / "));
        painter.drawText(QRect(cell + QPoint(0, kBoxHeight + 2), QSize(kBoxWidth, 54)),
                         Qt::TextWordWrap, text);
        ++i;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    // A build step: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: examplegen <example folder> <contact sheet.png>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "examplegen: cannot create %s\n", argv[1]);
        return 1;
    }

    const std::map<std::string, QStringList> captions = codesOfCatalogue();
    std::map<std::string, QImage> pictures;
    bool ok = true;
    for (const Example& example : Examples()) {
        if (!captions.contains(example.code) || pictures.contains(example.code)) {
            std::fprintf(stderr, "examplegen: %s is not a code of the catalogue, or drawn twice\n",
                         example.code);
            ok = false;
            continue;
        }
        Canvas canvas(example.size);
        example.draw(canvas, example.params);
        const QImage picture = canvas.finish().convertToFormat(QImage::Format_RGB888);
        ok = save(picture,
                  QDir(folder).filePath(QString::fromLatin1(example.code) + QStringLiteral(".bmp")),
                  "BMP") &&
             ok;
        pictures.emplace(example.code, picture);
    }
    for (const auto& [code, names] : captions) {
        if (!pictures.contains(code)) {
            std::fprintf(stderr, "examplegen: no drawing for %s\n", code.c_str());
            ok = false;
        }
    }
    ok = save(contactSheet(pictures, captions), QString::fromLocal8Bit(argv[2]), "PNG") && ok;
    std::printf("examplegen: %zu pictures, lettering in %s\n", pictures.size(),
                qPrintable(Canvas::scriptFamily()));
    return ok ? 0 : 1;
}
