#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

QPixmap Blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Page(QPainter& painter, const QRectF& page, qreal fold) {
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    painter.setBrush(QColor(215, 215, 215));
    painter.drawPath(corner);
}

void TextLines(QPainter& painter, qreal left, qreal right, qreal top, qreal step, int count) {
    painter.setPen(QPen(QColor(60, 90, 160), 1.5));
    for (int line = 0; line < count; ++line) {
        const qreal y = top + line * step;
        painter.drawLine(QPointF(left, y),
                         QPointF(line == count - 1 ? (left + right) / 2 : right, y));
    }
}

void TouchedIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 90, 170), 1));
    painter.setBrush(QColor(160, 205, 245));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 40, 140));
    painter.drawEllipse(QRectF(7, 3.5, 2.2, 2.2));
    painter.drawRect(QRectF(7, 6.8, 2.2, 5.7));
}

void ShownIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(0, 100, 0), 1));
    painter.setBrush(QColor(30, 160, 40));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    QPolygonF arrow({{4, 6.5}, {8, 6.5}, {8, 3.5}, {12.5, 8}, {8, 12.5}, {8, 9.5}, {4, 9.5}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

void PersonIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(30, 60, 130), 1.2));
    painter.setBrush(QColor(90, 140, 220));
    painter.drawEllipse(QRectF(11, 3, 10, 10));
    QPainterPath body;
    body.moveTo(5, 29);
    body.cubicTo(5, 17, 27, 17, 27, 29);
    body.closeSubpath();
    painter.drawPath(body);
}

void AnalysisIcon(QPainter& painter) {
    Page(painter, QRectF(3.5, 2.5, 20, 26), 6);
    painter.setPen(QPen(QColor(60, 90, 160), 1.4));
    QPainterPath writing;
    writing.moveTo(6, 10);
    for (int wave = 0; wave < 4; ++wave)
        writing.quadTo(7.5 + wave * 3.5, 6 + (wave % 2) * 8, 9.5 + wave * 3.5, 10);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(writing);
    painter.setPen(QPen(QColor(70, 70, 70), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 22), QPointF(29, 29));
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(200, 230, 255, 200));
    painter.drawEllipse(QRectF(12, 12, 12, 12));
}

void ResultIcon(QPainter& painter) {
    Page(painter, QRectF(5.5, 2.5, 21, 27), 7);
    TextLines(painter, 9, 23, 12, 4, 4);
}

void PrinterIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9.5, 3.5, 13, 9));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(2.5, 11.5, 27, 11), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8.5, 18.5, 15, 10));
    TextLines(painter, 11, 21, 22, 3, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 170, 60));
    painter.drawEllipse(QRectF(24, 14, 3, 3));
}

}  // namespace

QPixmap SectionIcon(int index) {
    QPixmap pixmap = Blank(16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (index) {
        case 1:
            TouchedIcon(painter);
            break;
        case 2:
            ShownIcon(painter);
            break;
        default:
            Page(painter, QRectF(2.5, 0.5, 11, 15), 4);
            break;
    }
    return pixmap;
}

QIcon Chevron(TChevron direction) {
    QPixmap pixmap = Blank(16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 60, 130), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (qreal offset : {0.0, 5.0}) {
        const qreal tip = direction == TChevron::Down ? 8 + offset : 8 - offset;
        const qreal wing = direction == TChevron::Down ? tip - 4 : tip + 4;
        painter.drawPolyline(QPolygonF({{3, wing}, {8, tip}, {13, wing}}));
    }
    return QIcon(pixmap);
}

QIcon StepIcon(int step) {
    QPixmap pixmap = Blank(32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (step) {
        case 1:
            PersonIcon(painter);
            break;
        case 2:
            AnalysisIcon(painter);
            break;
        case 3:
            ResultIcon(painter);
            break;
        default:
            PrinterIcon(painter);
            break;
    }
    return QIcon(pixmap);
}

QPixmap ErrorIcon() {
    QPixmap pixmap = Blank(32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 0, 0), 1));
    painter.setBrush(QColor(220, 20, 20));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    painter.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    return pixmap;
}

}  // namespace artwork
