// Lines of handwriting in a script face: slant, direction of the lines, spacing, size, margins,
// the dots of Ё and the legibility of a hand.

#include <QStringList>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "pictures.h"

namespace {

const char* const kLetter =
    "Дорогая мама! У нас всё хорошо, погода тёплая, и мы каждый день гуляем у реки. "
    "Вчера ходили в лес за грибами и вернулись только к вечеру.";

double lerp(double first, double last, double t) { return first + (last - first) * t; }

// The hand of line number `line` of `count`: size, spaces and capitals move from the first
// line's values to the last line's.
struct LineHand {
    Hand hand;
    double gap;
};
LineHand handOfLine(const Params& p, int line, int count) {
    const double t = count > 1 ? double(line) / (count - 1) : 0;
    LineHand lh{p.hand, lerp(p.gap, p.gapLast > 0 ? p.gapLast : p.gap, t)};
    lh.hand.size = p.hand.size * lerp(1, p.sizeLast > 0 ? p.sizeLast : 1, t);
    lh.hand.capScale =
        lerp(p.hand.capScale, p.capScaleLast > 0 ? p.capScaleLast : p.hand.capScale, t);
    return lh;
}

// Breaks text into lines no longer than width; a newline in the text always breaks.
QList<QStringList> wrap(const Canvas& c, const QString& text, const Params& p, double width,
                        int expectedLines) {
    QList<QStringList> lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QStringList line;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const LineHand lh = handOfLine(p, lines.size(), expectedLines);
            QStringList longer = line;
            longer << word;
            if (!line.isEmpty() && c.measure(longer.join(u' '), lh.hand, lh.gap) > width) {
                lines << line;
                line = {word};
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}

// Writes words from origin along a baseline turned by angle degrees; words jump up and down
// by up to jump pixels. stretch is extra space shared out between the words.
void writeWords(Canvas& c, QPointF origin, const QStringList& words, const Hand& hand, double gap,
                double angle, double jump, double stretch, bool wave) {
    const double radians = qDegreesToRadians(angle);
    const QPointF along(std::cos(radians), std::sin(radians));
    const double space = c.measure(QStringLiteral(" "), hand, gap) +
                         (words.size() > 1 ? stretch / (words.size() - 1) : 0);
    double x = 0;
    for (const QString& word : words) {
        const double wordAngle = angle + (jump > 0 ? jump * 0.8 * c.jitter() : 0);
        const QPointF at = origin + along * x + QPointF(0, jump * c.jitter());
        if (wave && word.size() > 4) {
            // The last letters run out into a wavy line.
            const QString kept = word.left(word.size() - 3);
            c.write(at, kept, hand, wordAngle);
            const double start = c.measure(kept, hand);
            const double length = c.measure(word, hand) - start + hand.size * 0.8;
            QPainterPath line(at + QPointF(start, -0.2 * hand.size));
            for (int i = 1; i <= 4; ++i)
                line.quadTo(at + QPointF(start + length * (i - 0.5) / 4,
                                         (i % 2 ? -0.55 : 0.15) * hand.size * (1.1 - 0.2 * i)),
                            at + QPointF(start + length * i / 4, -0.2 * hand.size));
            c.stroke(line, 1.5);
        } else {
            c.write(at, word, hand, wordAngle);
        }
        x += c.measure(word, hand) + space;
    }
}

// Fills the area with the text, line under line.
void writeBlock(Canvas& c, const QRectF& area, const QString& text, const Params& p) {
    const double slope = std::tan(qDegreesToRadians(p.rise));
    const int expected = wrap(c, text, p, area.width(), 3).size();
    const QList<QStringList> lines = wrap(c, text, p, area.width(), expected);
    const double tallest = std::max({1.0, p.hand.capScale, p.hand.growth});
    double baseline =
        area.top() + p.hand.size * tallest * 0.95 + std::max(0.0, -slope * area.width());
    for (int i = 0; i < lines.size(); ++i) {
        const LineHand lh = handOfLine(p, i, lines.size());
        if (baseline > area.bottom()) break;
        writeWords(c, QPointF(area.left(), baseline), lines[i], lh.hand, lh.gap, p.rise, p.jump, 0,
                   p.wave);
        const double next =
            i + 1 < lines.size() ? handOfLine(p, i + 1, lines.size()).hand.size : lh.hand.size;
        baseline += (lh.hand.size + next) * 0.75 * std::max(1.0, p.hand.capScale * 0.8);
    }
}

}  // namespace

QString TextOf(const Params& p, const char* fallback) {
    return QString::fromUtf8(p.text != nullptr ? p.text : fallback);
}

void TextLines(Canvas& c, const Params& p) {
    if (p.ruled) c.rule(c.height() * 0.3, c.height() * 0.3);
    writeBlock(c, QRectF(12, 8, c.width() - 24, c.height() - 14), TextOf(p, kLetter), p);
}

void Page(Canvas& c, const Params& p) {
    const Margins& m = p.margins;
    c.painter().setPen(QPen(QColor(150, 150, 150), 2));
    c.painter().drawRect(QRectF(1, 1, c.width() - 2, c.height() - 2));

    Hand hand = p.hand;
    hand.size = 15;
    const double step = hand.size * 1.55;
    const double right = c.width() * (1 - m.right) - 2;
    const double bottom = c.height() * (1 - m.bottom);
    const QStringList words =
        (QString::fromUtf8(kLetter) + u' ').repeated(12).split(u' ', Qt::SkipEmptyParts);
    int next = 0;
    int line = 0;
    for (double baseline = c.height() * m.top + hand.size; baseline <= bottom;
         baseline += step, ++line) {
        const double t = (baseline - c.height() * m.top) / (bottom - c.height() * m.top);
        const double leftShare =
            lerp(m.left, m.leftEnd >= 0 ? m.leftEnd : m.left, t) + m.ragged * (c.jitter() + 1) / 2;
        const double left = std::max(3.0, c.width() * leftShare);
        QStringList row;
        while (next < words.size()) {
            QStringList longer = row;
            longer << words[next];
            if (!row.isEmpty() && left + c.measure(longer.join(u' '), hand) > right) break;
            row = longer;
            ++next;
        }
        const double stretch = m.justify ? right - left - c.measure(row.join(u' '), hand) : 0;
        writeWords(c, QPointF(left, baseline), row, hand, 1, 0, 0, stretch, false);
    }
}

void DotsOfYo(Canvas& c, const Params& p) {
    Hand hand = p.hand;
    hand.size = 42;
    const QString text = TextOf(p, "Ёжик нёс\nёлку ещё");
    double baseline = 70;
    for (const QString& row : text.split(u'\n')) {
        QString plain = row;
        plain.replace(u'ё', u'е').replace(u'Ё', u'Е');
        const std::vector<QRectF> glyphs = c.write(QPointF(22, baseline), plain, hand);
        const QString letters = QString(row).remove(u' ');
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            if (letters[int(i)] != u'ё' && letters[int(i)] != u'Ё') continue;
            const QRectF box = glyphs[i];
            const double w = box.width();
            const QPointF top(box.center().x() + 0.12 * w, box.top() - 0.22 * hand.size);
            const QPointF l = top - QPointF(0.22 * w, 0);
            const QPointF r = top + QPointF(0.22 * w, 0);
            switch (p.dots) {
                case Dots::Small:
                    c.dot(l + QPointF(0, 5), 1.5);
                    c.dot(r + QPointF(0, 5), 1.5);
                    break;
                case Dots::Heavy:
                    c.dot(l, 3.6);
                    c.dot(r, 3.6);
                    break;
                case Dots::High:
                    c.dot(l - QPointF(0, 0.3 * hand.size), 2.2);
                    c.dot(r - QPointF(0, 0.3 * hand.size), 2.2);
                    break;
                case Dots::HeavyDown:
                    for (const QPointF& d : {l, r}) {
                        QPainterPath drop(d - QPointF(2, 4));
                        drop.lineTo(d + QPointF(3, 5));
                        c.stroke(drop, 4.5);
                    }
                    break;
                case Dots::Tent: {
                    QPainterPath tent(l + QPointF(-3, 5));
                    tent.lineTo(top - QPointF(0, 7));
                    tent.lineTo(r + QPointF(3, 5));
                    c.stroke(tent, 2);
                    break;
                }
                case Dots::Circles:
                    for (const QPointF& d : {l, r}) {
                        QPainterPath ring;
                        ring.addEllipse(d, 3.8, 3.8);
                        c.stroke(ring, 1.6);
                    }
                    break;
                case Dots::Waves: {
                    // A wave, a half circle or a crescent, one after another.
                    QPainterPath mark(l + QPointF(-4, 0));
                    switch (i % 3) {
                        case 0:
                            mark.cubicTo(l + QPointF(2, -9), r + QPointF(-2, 9), r + QPointF(4, 0));
                            break;
                        case 1:
                            mark.cubicTo(l + QPointF(-2, 10), r + QPointF(2, 10),
                                         r + QPointF(4, 0));
                            break;
                        default:
                            mark.cubicTo(l + QPointF(0, -10), r + QPointF(0, -10),
                                         r + QPointF(4, 0));
                            mark.cubicTo(r + QPointF(0, -5), l + QPointF(0, -5),
                                         l + QPointF(-4, 0));
                            break;
                    }
                    c.stroke(mark, 2);
                    break;
                }
                case Dots::None:
                    break;
            }
        }
        baseline += hand.size * 1.3;
    }
}
