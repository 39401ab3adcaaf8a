#include "examplebox.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>

#include "artwork.h"

namespace {

const QString kPictureTip = QStringLiteral("Нажмите для просмотра");
const QString kMissingText = QStringLiteral("Образец почерка не обнаружен");
const QString kDamagedText = QStringLiteral("Образец почерка повреждён");

// The picture keeps this margin from the inside of the frame.
constexpr int kMargin = 4;
constexpr int kErrorIconSize = 32;
constexpr int kErrorLabelHeight = 20;

}  // namespace

TClickableLabel::TClickableLabel(QWidget* parent, std::function<void()> onClick)
    : QLabel(parent), onClick_(std::move(onClick)) {}

void TClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        onClick_();
}

TExampleFile ReadExampleFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    // Only a bitmap is an example; whatever else stands under the name counts
    // as damaged.
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) return {TExampleFile::TState::Damaged, {}};
    return {TExampleFile::TState::Readable, QPixmap::fromImage(image)};
}

QSize FitInside(QSize picture, QSize area) {
    if (picture.width() <= area.width() && picture.height() <= area.height()) return picture;
    const qint64 w = picture.width(), h = picture.height();
    // The side that runs out first sets the scale: compare w/W with h/H.
    if (w * area.height() >= h * area.width())
        return {area.width(), static_cast<int>(h * area.width() / w)};
    return {static_cast<int>(w * area.height() / h), area.height()};
}

TExampleBox::TExampleBox(const QString& twoDigits, const QRect& geometry, QWidget* parent,
                         std::function<void(const QString&)> openViewer)
    : QGroupBox(QStringLiteral("Образец почерка"), parent), openViewer_(std::move(openViewer)) {
    setObjectName(QStringLiteral("ObrBox_") + twoDigits);
    setGeometry(geometry);
    createControls(twoDigits);
}

void TExampleBox::createControls(const QString& twoDigits) {
    // Inside the frame and below its title, however the style draws them.
    const QRect area = contentsRect().marginsRemoved({kMargin, kMargin, kMargin, kMargin});

    Obr = new TClickableLabel(this, [this] { openViewer_(shownExample_); });
    Obr->setObjectName(QStringLiteral("Obr_") + twoDigits);
    Obr->setGeometry(area);
    Obr->setAlignment(Qt::AlignCenter);
    Obr->setToolTip(kPictureTip);
    Obr->setCursor(Qt::PointingHandCursor);
    Obr->hide();

    const int middle = area.top() + area.height() / 2;
    ObrError = new QLabel(this);
    ObrError->setObjectName(QStringLiteral("ObrError_") + twoDigits);
    ObrError->setPixmap(artwork::ErrorIcon());
    ObrError->setGeometry(area.left() + (area.width() - kErrorIconSize) / 2,
                          middle - kErrorIconSize, kErrorIconSize, kErrorIconSize);
    ObrError->hide();

    ObrLabel = new QLabel(kMissingText, this);
    ObrLabel->setObjectName(QStringLiteral("ObrLabel_") + twoDigits);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setItalic(true);
    ObrLabel->setFont(font);
    QPalette palette = ObrLabel->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    ObrLabel->setPalette(palette);
    ObrLabel->setAlignment(Qt::AlignCenter);
    ObrLabel->setGeometry(area.left(), middle + 4, area.width(), kErrorLabelHeight);
    ObrLabel->hide();
}

void TExampleBox::ShowExample(const QString& path) {
    shownExample_ = path;
    TExampleFile file = ReadExampleFile(path);
    switch (file.State) {
        case TExampleFile::TState::Readable:
            Obr->setPixmap(file.Picture.scaled(FitInside(file.Picture.size(), Obr->size()),
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            Obr->show();
            ObrError->hide();
            ObrLabel->hide();
            break;
        case TExampleFile::TState::Missing:
            ShowError(kMissingText);
            break;
        case TExampleFile::TState::Damaged:
            ShowError(kDamagedText);
            break;
    }
}

void TExampleBox::ShowError(const QString& text) {
    // The picture keeps its previous image, hidden.
    Obr->hide();
    ObrLabel->setText(text);
    ObrError->show();
    ObrLabel->show();
}
