// Single letters and figures drawn stroke by stroke: joined words with their loops and strokes,
// the figure 7, the capital Я and capitals of particular form.

#include <QStringList>
#include <QtMath>
#include <algorithm>
#include <array>
#include <functional>

#include "pictures.h"

namespace {

// A path given in units of height, y down from the top, mapped onto the page: top-left
// corner at origin, height h, leaning by lean.
QPainterPath placed(const QPainterPath& unit, QPointF origin, double h, double lean) {
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(h, h);
    t.translate(lean, 0);
    t.shear(-lean, 0);
    return t.map(unit);
}

// The closing stroke after a word, leaving the word at end.
void writeTail(Canvas& c, QPointF end, const Tail& tail, double size, double pen) {
    if (tail.length <= 0) return;
    QPainterPath path(end);
    path.cubicTo(end + QPointF(0.3, 0.05) * size, end + QPointF(tail.length * 0.6, -0.1) * size,
                 end + QPointF(tail.length, -0.35) * size);
    QPen ink = c.pen(tail.width > 0 ? tail.width : pen);
    if (tail.blunt) ink.setCapStyle(Qt::FlatCap);
    if (tail.light) {
        ink.setCapStyle(Qt::FlatCap);
        QColor pale = Canvas::ink();
        pale.setAlpha(120);
        ink.setColor(pale);
    }
    c.painter().strokePath(path, ink);
}

}  // namespace

void JoinedWords(Canvas& c, const Params& p) {
    const Cursive& style = p.cursive;
    const double pen = std::max(1.6, style.size / 11);
    const QStringList lines = TextOf(p, "мама вела\nлето тает").split(u'\n');
    const double step = std::min(style.size * 3.4, (c.height() - 10) / lines.size());
    double baseline = step * 0.5 + style.size * 0.75;
    for (const QString& words : lines) {
        // Room on the left for a lead-in stroke or a loop swinging out far.
        const double left = 18 + (style.lead + std::max(0.0, style.lower.width - 0.5)) * style.size;
        const Line line = WriteCursive(QPointF(left, baseline), words, style);
        c.stroke(line.path, pen);
        for (const QPointF& end : line.wordEnds) writeTail(c, end, p.tail, style.size, pen);
        baseline += step;
    }
}

namespace {

// The figure 7 in units of its height, y down: a small flag, the top bar and the slant stroke.
QPainterPath sevenBody() {
    QPainterPath seven(QPointF(0.0, 0.16));
    seven.quadTo(0.02, 0.04, 0.08, 0.03);
    seven.cubicTo(0.3, 0.0, 0.45, 0.04, 0.62, 0.0);
    seven.cubicTo(0.5, 0.3, 0.36, 0.6, 0.26, 1.0);
    return seven;
}

QPainterPath sevenBar(const Bar& bar) {
    const double mid = 0.42;
    auto at = [&](double x) { return QPointF(x, 0.5 - bar.tilt * (x - mid)); };
    QPainterPath path;
    switch (bar.shape) {
        case BarShape::Above:
            path.moveTo(0.02, -0.18);
            path.quadTo(0.3, -0.24, 0.6, -0.17);
            return path;
        case BarShape::Continued:
            // The pen runs on from the foot of the figure, back up and across it.
            path.moveTo(0.26, 1.0);
            path.cubicTo(0.22, 1.12, 0.02, 0.95, 0.1, 0.62);
            path.cubicTo(0.18, 0.45, 0.5, 0.52, bar.to + 0.1, 0.44);
            return path;
        case BarShape::Hooked:
            path.moveTo(at(bar.from) + QPointF(0.02, 0.1));
            path.quadTo(at(bar.from) + QPointF(-0.06, 0.02), at(bar.from));
            path.lineTo(at(0.5));
            // A knot on the way.
            path.cubicTo(at(0.62) + QPointF(0, -0.12), at(0.5) + QPointF(0, -0.14), at(0.56));
            path.lineTo(at(bar.to));
            path.quadTo(at(bar.to) + QPointF(0.08, 0), at(bar.to) + QPointF(0.06, -0.08));
            return path;
        case BarShape::Curl:
        case BarShape::Line:
            break;
    }
    path.moveTo(at(bar.from));
    path.quadTo((at(bar.from) + at(bar.to)) / 2 + QPointF(0, 0.015), at(bar.to));
    return path;
}

}  // namespace

void Sevens(Canvas& c, const Params& p) {
    // Each of the figures the same, or each different.
    const std::array various = {
        Bar{.from = -0.05, .to = 0.8},
        Bar{.from = 0.25, .to = 0.62, .shape = BarShape::Curl},
        Bar{.from = 0.12, .to = 0.7, .shape = BarShape::Hooked},
        Bar{.from = 0.2, .to = 0.62, .tilt = 0.45},
    };
    const int count = p.various ? int(various.size()) : 3;
    const double h = p.various ? 70 : 90;
    const double pitch = (c.width() - 20) / count;
    for (int i = 0; i < count; ++i) {
        const Bar& bar = p.various ? various[i] : p.bar;
        const QPointF origin(10 + pitch * i + (pitch - 0.62 * h) / 2 + 0.1 * h,
                             (c.height() - h) / 2 + 6);
        c.stroke(placed(sevenBody(), origin, h, 0.08), 3);
        c.stroke(placed(sevenBar(bar), origin, h, 0.08), 3);
        if (bar.shape == BarShape::Curl) {
            const QPointF end = placed(sevenBar(bar), origin, h, 0.08).currentPosition();
            c.stroke(c.curl(end, 0.12 * h, true), 2.4);
        }
    }
}

namespace {

// Capital Я in units of its height, y down.
QPainterPath yaPath(const YaForm& ya) {
    QPainterPath path;
    if (ya.printed) {
        path.moveTo(0.78, 1.0);
        path.lineTo(0.78, 0.0);
        path.lineTo(0.42, 0.0);
        path.cubicTo(0.12, 0.0, 0.12, 0.5, 0.42, 0.5);
        path.lineTo(0.78, 0.5);
        path.moveTo(0.5, 0.5);
        path.lineTo(0.18, 1.0);
        return path;
    }
    const double lh = 0.5 * ya.loopHeight;
    auto loop = [&](double x, double y) {
        return QPointF(0.74 - (0.74 - x) * ya.loopWidth, y * ya.loopHeight);
    };
    path.moveTo(loop(0.74, 0.08));
    path.cubicTo(loop(0.55, -0.05), loop(0.16, -0.02), loop(0.16, 0.24));
    path.cubicTo(loop(0.16, 0.5), loop(0.55, 0.54), loop(0.76, 0.44));
    path.moveTo(0.8, 0.0);
    path.cubicTo(0.78, 0.4, 0.74, 0.7, 0.72, 0.98);
    path.quadTo(0.8, 1.04, 0.9, 0.92);
    path.moveTo(0.62, lh);
    path.cubicTo(0.5, lh + 0.2, 0.32, 0.9, 0.2, 0.98);
    path.quadTo(0.12, 1.02, 0.06, 0.92);
    return path;
}

// Writes lines whose given capital is drawn by hand (as `form` says, in units of height) and
// the rest in the script face. height scales the capital against the others.
using CapitalForm = std::function<QPainterPath(int line)>;
void withCapital(Canvas& c, const QStringList& lines, QChar capital, const CapitalForm& form,
                 const Hand& hand, double height, double width, double lean) {
    const double capHeight = hand.size * 0.68 * hand.capScale;
    const double step = std::min(hand.size * 1.7, (c.height() - 10) / lines.size());
    double baseline = (c.height() - step * lines.size()) / 2 + step * 0.72 + 4;
    for (int n = 0; n < lines.size(); ++n) {
        double x = 18;
        const QStringList parts = lines[n].split(capital);
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                const double h = capHeight * height;
                c.stroke(placed(form(n), QPointF(x, baseline - h), h, lean),
                         std::max(1.6, hand.size / 13));
                x += h * width;
            }
            c.write(QPointF(x, baseline), parts[i], hand);
            x += c.measure(parts[i], hand);
        }
        baseline += step;
    }
}

}  // namespace

void LetterYa(Canvas& c, const Params& p) {
    const std::array various = {
        YaForm{},
        YaForm{.loopWidth = 1.5, .loopHeight = 1.2},
        YaForm{.lean = -0.3},
        YaForm{.lean = 0, .printed = true},
    };
    const QStringList lines = TextOf(p, "Я пишу тебе\nЯ жду ответа").split(u'\n');
    withCapital(
        c, lines, u'Я',
        [&](int line) { return yaPath(p.ya.various ? various[line % various.size()] : p.ya); },
        p.hand, p.ya.height, 1.0, p.ya.printed ? 0 : p.ya.lean);
}

void SaddleD(Canvas& c, const Params& p) {
    QPainterPath d;
    d.moveTo(-0.08, 1.18);  // left foot
    d.quadTo(-0.04, 1.0, 0.06, 1.0);
    d.lineTo(1.0, 1.0);
    d.quadTo(1.08, 1.02, 1.1, 1.18);  // right foot
    d.moveTo(0.1, 1.0);
    d.cubicTo(0.24, 0.78, 0.28, 0.4, 0.24, -0.02);
    d.cubicTo(0.2, -0.14, 0.06, -0.06, 0.12, 0.06);  // the raised front of the saddle
    d.moveTo(0.24, -0.02);
    d.cubicTo(0.34, 0.62, 0.7, 0.62, 0.84, -0.12);    // the deep seat
    d.cubicTo(0.88, -0.2, 0.96, -0.14, 0.92, -0.04);  // and its raised back
    d.moveTo(0.8, 0.26);
    d.cubicTo(0.78, 0.5, 0.8, 0.76, 0.86, 1.0);
    withCapital(
        c, TextOf(p, "Дорогой Денис!\nДо встречи").split(u'\n'), u'Д', [&](int) { return d; },
        p.hand, 1.25, 1.15, 0.15);
}

void HighM(Canvas& c, const Params& p) {
    QPainterPath m(QPointF(0.0, 0.98));
    m.quadTo(0.1, 1.02, 0.14, 0.8);
    m.cubicTo(0.2, 0.4, 0.22, -0.15, 0.3, -0.15);  // the first hump, high
    m.cubicTo(0.38, -0.15, 0.4, 0.5, 0.46, 0.72);
    m.cubicTo(0.52, 0.4, 0.58, 0.3, 0.66, 0.3);  // the second hump, lower
    m.cubicTo(0.74, 0.3, 0.76, 0.8, 0.78, 0.98);
    m.quadTo(0.84, 1.04, 0.92, 0.9);
    withCapital(
        c, TextOf(p, "Маша и Миша\nМосква").split(u'\n'), u'М', [&](int) { return m; }, p.hand, 1.0,
        1.0, 0.15);
}
