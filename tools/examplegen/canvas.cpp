#include "canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPolygonF>
#include <QStringList>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Script faces in order of preference. lean is the slant the face has of its own (as a shear),
// which the writing takes off before it applies the slant it wants.
struct Face {
    const char* family;
    bool italic;
    double lean;
};
constexpr std::array kScriptFaces = {
    Face{"Z003", false, 0.24},            // fonts-urw-base35: a chancery hand with Cyrillic
    Face{"URW Chancery L", false, 0.24},  // the same hand under its older name
    Face{"Liberation Serif", true, 0.2},  // Cyrillic italic keeps the handwritten letter forms
    Face{"DejaVu Serif", true, 0.2},
};
constexpr std::array kPrintFaces = {
    Face{"DejaVu Sans", false, 0},
    Face{"Liberation Sans", false, 0},
};

template <std::size_t N>
const Face& firstInstalled(const std::array<Face, N>& faces) {
    QStringList families = QFontDatabase::families(QFontDatabase::Cyrillic);
    for (QString& family : families)
        family = family.section(QStringLiteral(" ["), 0, 0);  // foundry
    for (const Face& face : faces)
        if (families.contains(QString::fromLatin1(face.family), Qt::CaseInsensitive)) return face;
    return faces.back();  // the toolkit substitutes whatever it has
}

const Face& scriptFace() {
    static const Face& face = firstInstalled(kScriptFaces);
    return face;
}

const Face& printFace() {
    static const Face& face = firstInstalled(kPrintFaces);
    return face;
}

QFont faceFont(const Face& face, double size) {
    QFont font(QString::fromLatin1(face.family));
    font.setPixelSize(std::max(1, qRound(size)));
    font.setItalic(face.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Breaks the curves of a path into straight pieces about `piece` pixels long; sharp corners
// stay where they are, so the letter keeps its shape but loses its roundness.
QPainterPath breakCurves(const QPainterPath& path, double piece) {
    if (piece <= 0) return path;
    QPainterPath angular;
    angular.setFillRule(path.fillRule());
    for (const QPolygonF& ring : path.toSubpathPolygons()) {
        QPolygonF kept;
        double run = 0;
        for (int i = 0; i < ring.size(); ++i) {
            const QPointF in = i > 0 ? ring[i] - ring[i - 1] : QPointF();
            const QPointF out = i + 1 < ring.size() ? ring[i + 1] - ring[i] : QPointF();
            run += std::hypot(in.x(), in.y());
            const double turn = std::abs(std::atan2(in.x() * out.y() - in.y() * out.x(),
                                                    in.x() * out.x() + in.y() * out.y()));
            if (i == 0 || run >= piece || turn > 0.9 || i + 1 == ring.size()) {
                kept << ring[i];
                run = 0;
            }
        }
        angular.addPolygon(kept);
        angular.closeSubpath();
    }
    return angular;
}

}  // namespace

Canvas::Canvas(QSize size) : image_(size, QImage::Format_RGB32), painter_() {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
}

QImage Canvas::finish() {
    painter_.end();
    return image_;
}

QColor Canvas::ink() { return QColor(20, 32, 120); }

QPen Canvas::pen(double width) const {
    QPen pen(ink(), width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Canvas::stroke(const QPainterPath& path, double width) {
    painter_.strokePath(path, pen(width));
}

void Canvas::fill(const QPainterPath& path) { painter_.fillPath(path, ink()); }

void Canvas::dot(QPointF centre, double radius) {
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    fill(disc);
}

void Canvas::rule(double top, double step) {
    painter_.save();
    painter_.setPen(QPen(QColor(190, 210, 235), 1));
    for (double y = top; y < height(); y += step)
        painter_.drawLine(QPointF(0, y), QPointF(width(), y));
    painter_.restore();
}

double Canvas::jitter() {
    seed_ = seed_ * 1103515245u + 12345u;
    return ((seed_ >> 8) % 2001) / 1000.0 - 1.0;
}

QString Canvas::scriptFamily() { return QString::fromLatin1(scriptFace().family); }

QPainterPath Canvas::letterPath(QChar letter, const Hand& hand, double size) const {
    const Face& face = hand.print ? printFace() : scriptFace();
    QPainterPath path;
    path.addText(0, 0, faceFont(face, size), QString(letter));
    // Upright first, so that slant 0 means a vertical hand whatever the face.
    return QTransform().shear(face.lean, 0).map(path);
}

double Canvas::measure(const QString& text, const Hand& hand, double wordGap) const {
    const Face& face = hand.print ? printFace() : scriptFace();
    const QFontMetricsF lower(faceFont(face, hand.size));
    const QFontMetricsF upper(faceFont(face, hand.size * hand.capScale));
    double length = 0;
    for (QChar letter : text) {
        const QFontMetricsF& metrics = letter.isUpper() ? upper : lower;
        length += letter.isSpace() ? metrics.horizontalAdvance(letter) * wordGap
                                   : metrics.horizontalAdvance(letter) + hand.tracking;
    }
    return length;
}

std::vector<QRectF> Canvas::write(QPointF origin, const QString& text, const Hand& hand,
                                  double angle) {
    const Face& face = hand.print ? printFace() : scriptFace();
    const double radians = qDegreesToRadians(angle);
    const QPointF along(std::cos(radians), std::sin(radians));
    std::vector<QRectF> glyphs;
    double advance = 0;
    int inWord = 0;
    int wordLength = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar letter = text[i];
        if (letter.isSpace()) {
            advance += QFontMetricsF(faceFont(face, hand.size)).horizontalAdvance(letter);
            inWord = 0;
            continue;
        }
        if (inWord == 0) {
            wordLength = 0;
            while (i + wordLength < text.size() && !text[i + wordLength].isSpace()) ++wordLength;
        }
        const double progress = wordLength > 1 ? double(inWord) / (wordLength - 1) : 0;
        double size = hand.size * (1 + (hand.growth - 1) * progress);
        size *= 1 + hand.sizeMix * jitter();
        if (letter.isUpper()) size *= hand.capScale;
        ++inWord;

        const bool angular = !hand.angularCaps || letter.isUpper();
        QPainterPath path =
            breakCurves(letterPath(letter, hand, size), angular ? hand.angular * size * 0.3 : 0);
        const double lean = hand.slant + hand.slantMix * jitter() + 0.04 * hand.wobble * jitter();
        const double width = QFontMetricsF(faceFont(face, size)).horizontalAdvance(letter);
        const QPointF place =
            origin + along * advance + QPointF(0, 0.025 * hand.size * hand.wobble * jitter());
        QTransform placing;
        placing.translate(place.x(), place.y());
        placing.rotate(angle + 2.0 * hand.wobble * jitter());
        placing.shear(-lean, 0);
        path = placing.map(path);
        fill(path);
        if (hand.weight > 0) stroke(path, hand.weight);
        glyphs.push_back(path.boundingRect());
        if (letter.isUpper())
            ornament(path.boundingRect(), hand.capMark, size);
        else if (hand.markEvery > 0 && glyphs.size() % hand.markEvery == 0)
            ornament(path.boundingRect(), Mark::Curl, size * 0.6);
        advance += width + hand.tracking;
    }
    return glyphs;
}

QPainterPath Canvas::curl(QPointF end, double radius, bool clockwise) const {
    constexpr int kSteps = 48;
    constexpr double kTurn = 2.6 * M_PI;
    QPolygonF spiral;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = kTurn * i / kSteps;
        const double r = radius * i / kSteps;
        spiral << QPointF(r * std::cos(t), (clockwise ? 1 : -1) * r * std::sin(t));
    }
    QPainterPath path;
    path.addPolygon(spiral.translated(end - spiral.last()));
    return path;
}

void Canvas::ornament(const QRectF& box, Mark mark, double size) {
    const double pen = std::max(1.2, size / 22);
    switch (mark) {
        case Mark::None:
            return;
        case Mark::Loop: {
            const QPointF in(box.left() + 0.12 * box.width(), box.top() + 0.45 * box.height());
            QPainterPath loop(in);
            loop.cubicTo(in + QPointF(-0.55, -0.55) * size, in + QPointF(-0.6, 0.25) * size,
                         in + QPointF(-0.05, 0.05) * size);
            stroke(loop, pen);
            return;
        }
        case Mark::Curl: {
            const QPointF start(box.left(), box.top() + 0.2 * box.height());
            stroke(curl(start, 0.22 * size, false), pen);
            QPainterPath swash(QPointF(box.left() - 0.1 * size, box.bottom() + 0.12 * size));
            swash.cubicTo(box.left() + 0.3 * size, box.bottom() + 0.35 * size,
                          box.right() + 0.2 * size, box.bottom() + 0.1 * size,
                          box.right() + 0.35 * size, box.bottom() - 0.05 * size);
            stroke(swash, pen * 0.8);
            return;
        }
    }
}
