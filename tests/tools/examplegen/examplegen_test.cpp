// The build leaves a readable 24-bit picture beside the program for every example code.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"

namespace {

QString exampleFolder() {
    const QString dir =
        qEnvironmentVariable("VELTRA_BIN_DIR", QStringLiteral(VELTRA_BUILT_BIN_DIR));
    return dir + QStringLiteral("/Example/");
}

std::vector<std::string> exampleCodes() {
    std::set<std::string> codes;
    for (const TOptionInfo& option : catalogue::Options())
        if (!option.ExampleCode.empty()) codes.emplace(option.ExampleCode);
    return {codes.begin(), codes.end()};
}

class ExamplePicture : public testing::TestWithParam<std::string> {
  protected:
    QString path() const { return exampleFolder() + QString::fromStdString(GetParam()) + ".bmp"; }
};

// Other programs read the file too: a plain uncompressed 24-bit device-independent bitmap.
TEST_P(ExamplePicture, IsAnUncompressed24BitBitmap) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path().toStdString();
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 2), quint32(file.size()));
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);  // bits per pixel
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 30), 0u);  // no compression
}

// The picture loads, is of a size the example box and the viewer can show, and is ink on white
// paper: a blank or black picture would tell the user nothing.
TEST_P(ExamplePicture, ShowsInkOnWhitePaper) {
    const QImage image(path(), "BMP");
    ASSERT_FALSE(image.isNull()) << path().toStdString();
    EXPECT_GE(image.width(), 200);
    EXPECT_GE(image.height(), 100);
    EXPECT_LE(image.width(), 900);
    EXPECT_LE(image.height(), 700);

    int ink = 0;
    int paper = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightness() < 128) ++ink;
            if (pixel == Qt::white) ++paper;
        }
    }
    EXPECT_GE(ink, 100) << "hardly any ink";
    EXPECT_GE(paper, image.width() * image.height() / 2) << "not white paper";
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ExamplePicture, testing::ValuesIn(exampleCodes()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "Code" + info.param;
                         });

}  // namespace
