// A signature with its dot and the lines drawn under, over, after or through it.

#include "pictures.h"

void Signature(Canvas& c, const Params& p) {
    const Sign& s = p.sign;
    Hand hand = p.hand;
    hand.size = s.size;
    hand.slant = s.slant;
    hand.angular = s.angular;
    hand.capScale = 1.25;
    if (s.fancy) {
        hand.capMark = Mark::Curl;
        hand.markEvery = 4;
    }
    const QString name = TextOf(p, "Петров");
    const double width = c.measure(name, hand);
    const QPointF origin((c.width() - width) / 2, c.height() / 2 + s.size * 0.3);
    const std::vector<QRectF> glyphs = c.write(origin, name, hand);
    QRectF box;
    for (const QRectF& glyph : glyphs) box |= glyph;
    const double baseline = origin.y();
    const double pen = s.lineWeight;

    if (s.dot > 0) c.dot(QPointF(box.right() + s.dot + 5, baseline - s.dot), s.dot);
    QPainterPath line;
    switch (s.flourish) {
        case Flourish::None:
            return;
        case Flourish::Underline: {
            const double length = box.width() * s.lineLength;
            const double left = box.center().x() - length / 2;
            line.moveTo(left, box.bottom() + 7);
            line.quadTo(left + length / 2, box.bottom() + 9, left + length, box.bottom() + 5);
            break;
        }
        case Flourish::Above:
            line.moveTo(box.left(), box.top() - 6);
            line.quadTo(box.center().x(), box.top() - 9, box.right(), box.top() - 5);
            break;
        case Flourish::Dashes:
            for (double x : {box.right() + 12, box.right() + 19}) {
                line.moveTo(x + 2, baseline - 14);
                line.lineTo(x, baseline);
            }
            break;
        case Flourish::Swirl:
            line.moveTo(box.right() - 2, baseline - 2);
            line.cubicTo(box.right() + 40, baseline - 40, box.right() + 45, baseline + 30,
                         box.center().x(), box.bottom() + 12);
            line.cubicTo(box.left() + 10, box.bottom() + 16, box.left() - 10, box.bottom(),
                         box.left() - 2, box.bottom() - 8);
            break;
        case Flourish::FromLetter:
            // The pen leaves the last letter and runs back under the whole signature.
            line.moveTo(glyphs.back().right() - 3, baseline - 3);
            line.cubicTo(box.right() + 22, baseline + 2, box.right() + 18, box.bottom() + 12,
                         box.right() - 10, box.bottom() + 10);
            line.lineTo(box.left() - 8, box.bottom() + 8);
            break;
        case Flourish::CrossOut: {
            // A looping line drawn through the middle of the name.
            const double mid = baseline - 0.15 * s.size;
            line.moveTo(box.left() - 10, mid + 6);
            const int loops = 5;
            const double step = (box.width() + 20) / loops;
            for (int i = 0; i < loops; ++i) {
                const double x = box.left() - 10 + step * i;
                line.cubicTo(x + step * 1.1, mid - 24, x - step * 0.1, mid - 24, x + step, mid + 4);
            }
            break;
        }
    }
    c.stroke(line, pen);
}
