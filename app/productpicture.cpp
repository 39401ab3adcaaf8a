#include "productpicture.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize kSize(420, 190);
const QColor kInk(24, 48, 110);
const QColor kPaleInk(120, 150, 200);

QLabel* InkLabel(const QString& text, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kInk);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

}  // namespace

TProductPicture::TProductPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);

    QFont nameFont(QStringLiteral("Liberation Serif"));
    nameFont.setPixelSize(72);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    InkLabel(QStringLiteral("Veltra"), nameFont, this)->move(28, 12);

    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(15);
    small.setBold(true);
    QLabel* year = InkLabel(QStringLiteral("2005"), small, this);
    year->move(width() - year->width() - 18, height() - year->height() - 14);
    QLabel* version = InkLabel(QStringLiteral("2.5.0.0"), small, this);
    version->move(width() - version->width() - 18, year->y() - version->height());
}

void TProductPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient paper(area.topLeft(), area.bottomRight());
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(218, 230, 248));
    painter.fillRect(area, paper);
    painter.setPen(QPen(QColor(200, 214, 238), 1));
    for (qreal y = area.top() + 30; y < area.bottom(); y += 26) {
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }

    // A flourish drawn as with a broad pen: a few strokes side by side.
    QPainterPath flourish;
    flourish.moveTo(area.left() + 24, area.top() + 118);
    flourish.cubicTo(area.left() + 90, area.top() + 150, area.left() + 150, area.top() + 96,
                     area.left() + 215, area.top() + 118);
    flourish.cubicTo(area.left() + 270, area.top() + 138, area.left() + 300, area.top() + 80,
                     area.left() + 300, area.top() + 62);
    painter.setPen(QPen(kPaleInk, 1.2));
    for (int i = 0; i < 6; ++i) painter.drawPath(flourish.translated(i * 0.7, -i * 0.9));

    painter.setPen(QPen(kInk, 2));
    painter.drawRect(area.adjusted(1, 1, -1, -1));
}
