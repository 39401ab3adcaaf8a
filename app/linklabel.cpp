#include "linklabel.h"

#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& objectName, const QString& text, const QColor& colour,
                       QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}
