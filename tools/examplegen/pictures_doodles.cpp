// Doodles drawn in the margins: house, flowers, faces, shapes, curls, bird, stars, circles,
// noughts and crosses, waves, treble clef.

#include <QtMath>
#include <cmath>

#include "pictures.h"

namespace {

constexpr double kPen = 2.2;

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path(*points.begin());
    for (const QPointF& point : points) path.lineTo(point);
    return path;
}

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath arc(QPointF centre, double rx, double ry, double from, double span) {
    QPainterPath path;
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    path.arcMoveTo(box, from);
    path.arcTo(box, from, span);
    return path;
}

QPainterPath rotated(const QPainterPath& path, QPointF centre, double degrees) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

// A star with the given number of points, outline only.
QPainterPath star(QPointF centre, int points, double outer, double inner, double turn) {
    QPolygonF ring;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = qDegreesToRadians(turn + 180.0 * i / points) - M_PI / 2;
        const double r = i % 2 == 0 ? outer : inner;
        ring << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    ring << ring.first();
    QPainterPath path;
    path.addPolygon(ring);
    return path;
}

QPainterPath leaf(QPointF base, QPointF tip, double fat) {
    const QPointF d = tip - base;
    const QPointF n(-d.y() * fat, d.x() * fat);
    QPainterPath path(base);
    path.quadTo((base + tip) / 2 + n, tip);
    path.quadTo((base + tip) / 2 - n, base);
    path.moveTo(base);
    path.lineTo(base + d * 0.8);  // the vein
    return path;
}

}  // namespace

void House(Canvas& c, const Params&) {
    c.stroke(polyline({{40, 138}, {260, 136}}), kPen);  // the ground
    c.stroke(polyline({{105, 136}, {105, 70}, {195, 70}, {195, 136}}), kPen);
    c.stroke(polyline({{95, 72}, {150, 24}, {205, 72}, {95, 72}}), kPen);
    c.stroke(polyline({{172, 44}, {172, 22}, {184, 22}, {184, 54}}), kPen);  // the chimney
    c.stroke(SmoothCurve({{178, 18}, {172, 10}, {184, 4}, {178, -4}}), 1.6);
    c.stroke(polyline({{140, 136}, {140, 104}, {160, 104}, {160, 136}}), kPen);  // the door
    c.dot({155, 121}, 1.8);
    for (double x : {114.0, 170.0}) {
        c.stroke(polyline({{x, 84}, {x + 18, 84}, {x + 18, 102}, {x, 102}, {x, 84}}), kPen);
        c.stroke(polyline({{x + 9, 84}, {x + 9, 102}}), 1.4);
        c.stroke(polyline({{x, 93}, {x + 18, 93}}), 1.4);
    }
    c.stroke(ellipse({250, 32}, 14, 14), kPen);  // the sun
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        c.stroke(polyline({{250 + 19 * std::cos(a), 32 + 19 * std::sin(a)},
                           {250 + 26 * std::cos(a), 32 + 26 * std::sin(a)}}),
                 1.6);
    }
}

void Flowers(Canvas& c, const Params&) {
    struct Bloom {
        QPointF centre;
        double r;
        int petals;
    };
    for (const Bloom& b : {Bloom{{90, 46}, 26, 7}, Bloom{{205, 38}, 22, 9}}) {
        for (int i = 0; i < b.petals; ++i)
            c.stroke(rotated(ellipse(b.centre + QPointF(0, -b.r * 0.62), b.r * 0.24, b.r * 0.48),
                             b.centre, 360.0 * i / b.petals),
                     1.8);
        c.stroke(ellipse(b.centre, b.r * 0.22, b.r * 0.22), kPen);
        c.dot(b.centre, b.r * 0.1);
        const QPointF foot(b.centre.x() + 8, 146);
        c.stroke(
            SmoothCurve({b.centre + QPointF(0, b.r * 0.25), b.centre + QPointF(-6, b.r * 2), foot}),
            kPen);
        c.stroke(leaf(b.centre + QPointF(-4, b.r * 1.9), b.centre + QPointF(-38, b.r * 1.4), 0.25),
                 1.8);
        c.stroke(leaf(b.centre + QPointF(2, b.r * 2.6), b.centre + QPointF(36, b.r * 2.1), 0.25),
                 1.8);
    }
    c.stroke(leaf({265, 140}, {285, 95}, 0.3), 1.8);  // a sprig of leaves
    c.stroke(leaf({265, 140}, {250, 100}, 0.3), 1.8);
}

void NiceFaces(Canvas& c, const Params&) {
    // A girl with plaits and a bow, and a smiling young man.
    const QPointF her(95, 66);
    c.stroke(ellipse(her, 30, 34), kPen);
    c.stroke(SmoothCurve({her + QPointF(-30, -4), her + QPointF(-20, -34), her + QPointF(8, -38),
                          her + QPointF(30, -6)}),
             kPen);
    c.stroke(SmoothCurve({her + QPointF(-20, -28), her + QPointF(-2, -18), her + QPointF(20, -28)}),
             1.6);  // the fringe
    for (double side : {-1.0, 1.0}) {
        c.stroke(SmoothCurve({her + QPointF(side * 30, 0), her + QPointF(side * 40, 24),
                              her + QPointF(side * 38, 52), her + QPointF(side * 44, 70)}),
                 kPen);
        c.stroke(polyline({her + QPointF(side * 38, 46), her + QPointF(side * 50, 40),
                           her + QPointF(side * 50, 54), her + QPointF(side * 38, 46)}),
                 1.6);                                                    // ribbons
        c.stroke(arc(her + QPointF(side * 11, -2), 6, 4, 20, 140), 1.6);  // eyelids
        c.dot(her + QPointF(side * 11, 0), 2.4);
        c.stroke(polyline({her + QPointF(side * 15, -5), her + QPointF(side * 19, -9)}), 1.2);
    }
    c.stroke(arc(her + QPointF(0, 8), 13, 10, 200, 140), kPen);  // the smile
    c.stroke(polyline({her + QPointF(0, 2), her + QPointF(-3, 9), her + QPointF(1, 10)}), 1.4);

    const QPointF him(210, 70);
    c.stroke(ellipse(him, 29, 34), kPen);
    // Hair combed over, with a wavy fringe.
    c.stroke(SmoothCurve({him + QPointF(-29, -2), him + QPointF(-31, -30), him + QPointF(-10, -45),
                          him + QPointF(16, -43), him + QPointF(31, -24), him + QPointF(29, -4)}),
             kPen);
    c.stroke(SmoothCurve({him + QPointF(-27, -16), him + QPointF(-12, -24), him + QPointF(0, -15),
                          him + QPointF(14, -26), him + QPointF(28, -16)}),
             1.8);
    for (double side : {-1.0, 1.0}) {
        c.dot(him + QPointF(side * 11, -2), 2.6);
        c.stroke(arc(him + QPointF(side * 11, -10), 7, 3, 30, 120), 1.6);  // brows
    }
    c.stroke(arc(him + QPointF(0, 6), 15, 13, 200, 140), kPen);
    c.stroke(polyline({him + QPointF(0, -2), him + QPointF(-4, 8), him + QPointF(1, 9)}), 1.4);
}

void UglyFaces(Canvas& c, const Params&) {
    // A horned monster and a scowling face with bulging eyes.
    const QPointF a(90, 78);
    c.stroke(SmoothCurve({a + QPointF(-34, -10), a + QPointF(-24, -40), a + QPointF(8, -44),
                          a + QPointF(34, -20), a + QPointF(30, 24), a + QPointF(0, 44),
                          a + QPointF(-30, 30), a + QPointF(-34, -10)}),
             kPen);
    for (double side : {-1.0, 1.0}) {
        c.stroke(polyline({a + QPointF(side * 16, -38), a + QPointF(side * 30, -68),
                           a + QPointF(side * 28, -34)}),
                 kPen);  // horns
        c.stroke(ellipse(a + QPointF(side * 13, -10), 9, 11), kPen);
        c.dot(a + QPointF(side * 10, -8), 3.5);
        c.stroke(polyline({a + QPointF(side * 26, -28), a + QPointF(side * 4, -18)}), 2.6);
    }
    QPainterPath teeth(a + QPointF(-20, 18));
    for (int i = 1; i <= 8; ++i) teeth.lineTo(a + QPointF(-20 + 5 * i, i % 2 ? 28 : 16));
    c.stroke(teeth, kPen);
    c.stroke(polyline({a + QPointF(-22, 16), a + QPointF(22, 14)}), kPen);

    const QPointF b(212, 76);
    c.stroke(SmoothCurve({b + QPointF(-26, -40), b + QPointF(26, -42), b + QPointF(36, 10),
                          b + QPointF(12, 44), b + QPointF(-20, 40), b + QPointF(-34, 0),
                          b + QPointF(-26, -40)}),
             kPen);
    for (double side : {-1.0, 1.0}) {
        c.stroke(ellipse(b + QPointF(side * 14, -12), 10, 10), kPen);
        c.dot(b + QPointF(side * 14 + 3, -10), 2.2);
    }
    c.stroke(polyline({b + QPointF(-26, -30), b + QPointF(-6, -22)}), 2.8);
    c.stroke(polyline({b + QPointF(26, -30), b + QPointF(6, -22)}), 2.8);
    c.stroke(SmoothCurve({b + QPointF(-4, -4), b + QPointF(6, 10), b + QPointF(-2, 12)}), 1.8);
    c.stroke(arc(b + QPointF(0, 34), 16, 9, 20, 140), kPen);  // a sulking mouth
    c.stroke(polyline({b + QPointF(-16, 30), b + QPointF(-12, 36)}), 1.4);
    c.dot(b + QPointF(20, 18), 2.5);  // a wart
}

void Shapes(Canvas& c, const Params&) {
    c.stroke(polyline({{30, 120}, {70, 30}, {110, 122}, {30, 120}}), kPen);
    c.stroke(ellipse({160, 60}, 36, 24), kPen);
    c.stroke(
        rotated(polyline({{210, 70}, {270, 70}, {270, 130}, {210, 130}, {210, 70}}), {240, 100}, 8),
        kPen);
    for (int i = 1; i < 6; ++i)  // the square hatched
        c.stroke(rotated(polyline({{210, 70.0 + 10 * i}, {270, 70.0 + 10 * i}}), {240, 100}, 8),
                 1.1);
    c.stroke(ellipse({150, 122}, 14, 20), kPen);
    c.stroke(polyline({{230, 12}, {270, 18}, {244, 50}, {230, 12}}), kPen);
    c.stroke(
        rotated(polyline({{108, 10}, {130, 10}, {130, 32}, {108, 32}, {108, 10}}), {119, 21}, 20),
        kPen);
}

void Curls(Canvas& c, const Params&) {
    // A ribbon of loops drawn without lifting the pen, and a swirl under it.
    std::vector<QPointF> loops;
    for (double t = 0; t <= 7 * 2 * M_PI; t += 0.25)
        loops.push_back(
            {20 + 6 * t - 16 * std::sin(t), 55 - 22 * std::cos(t) + 6 * std::sin(t / 7)});
    c.stroke(SmoothCurve(loops), 1.8);
    c.stroke(SmoothCurve({{20, 120},
                          {70, 95},
                          {110, 140},
                          {160, 100},
                          {200, 135},
                          {240, 105},
                          {270, 118},
                          {262, 132},
                          {248, 122}}),
             1.8);
}

void Bird(Canvas& c, const Params&) {
    const QPointF body(140, 70);
    c.stroke(SmoothCurve({{190, 48},
                          {170, 36},
                          {140, 46},
                          {112, 64},
                          {110, 88},
                          {140, 100},
                          {176, 88},
                          {196, 62},
                          {190, 48}}),
             kPen);                              // the body
    c.stroke(ellipse({196, 40}, 15, 14), kPen);  // the head
    c.dot({200, 36}, 2.6);
    c.stroke(polyline({{210, 36}, {230, 42}, {210, 46}}), kPen);              // the beak
    c.stroke(SmoothCurve({{190, 28}, {188, 12}, {200, 18}, {196, 6}}), 1.6);  // a crest feather
    c.stroke(SmoothCurve({{128, 62}, {146, 44}, {170, 56}, {158, 74}, {134, 74}}), 1.8);  // wing
    for (int i = 0; i < 3; ++i) c.stroke(arc({140.0 + 9 * i, 70}, 6, 4, 180, 180), 1.3);
    // Tail feathers streaming out behind.
    for (int i = 0; i < 4; ++i)
        c.stroke(SmoothCurve({{114, 74.0 + 3 * i},
                              {86, 60.0 + 10 * i},
                              {64, 72.0 + 12 * i},
                              {36, 56.0 + 16 * i},
                              {20, 66.0 + 18 * i}}),
                 1.6);
    // Short legs with huge hooked claws.
    for (double x : {140.0, 166.0}) {
        const QPointF foot(x - 3, 112);
        c.stroke(polyline({{x, 98}, foot}), kPen);
        for (double dx : {-1.0, 0.0, 1.0}) {
            const QPointF tip = foot + QPointF(dx * 22, 30);
            QPainterPath claw(foot);
            claw.quadTo(foot + QPointF(dx * 24, 6), tip);
            claw.quadTo(tip + QPointF(3, 7), tip + QPointF(8, 1));  // the hook
            c.stroke(claw, 2.4);
        }
    }
    c.stroke(polyline({{96, 144}, {210, 146}}), 1.6);  // the branch
}

void Stars(Canvas& c, const Params&) {
    // One drawn in a single stroke, one of two triangles, one with rays, one small.
    c.stroke(star({64, 76}, 5, 50, 19, 0), kPen);
    QPainterPath pentagram;
    QPolygonF points;
    for (int i = 0; i <= 5; ++i) {
        const double a = qDegreesToRadians(144.0 * i) - M_PI / 2;
        points << QPointF(162 + 40 * std::cos(a), 74 + 40 * std::sin(a));
    }
    pentagram.addPolygon(points);
    c.stroke(pentagram, kPen);
    c.stroke(star({250, 50}, 6, 28, 16, 0), kPen);
    c.stroke(star({250, 50}, 3, 28, 14, 0), 1.2);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 4;
        c.stroke(polyline({{245 - 12 * std::cos(a), 122 - 12 * std::sin(a)},
                           {245 + 12 * std::cos(a), 122 + 12 * std::sin(a)}}),
                 1.8);
    }
}

void Circles(Canvas& c, const Params&) {
    // Circles gone round again and again, rings in rings, rings in a chain.
    for (int i = 0; i < 3; ++i)
        c.stroke(ellipse({70.0 + i * 1.5, 72.0 - i}, 44.0 - i * 2, 42.0), 1.6);
    for (double r : {12.0, 24.0, 36.0}) c.stroke(ellipse({170, 72}, r, r), 1.8);
    for (int i = 0; i < 3; ++i) c.stroke(ellipse({236.0 + i * 18, 40.0 + i * 34}, 16, 16), 1.8);
}

void NoughtsAndCrosses(Canvas& c, const Params&) {
    const double s = 40;  // cell size
    const QPointF o(30, 14);
    for (int i = 1; i < 3; ++i) {
        c.stroke(polyline({o + QPointF(s * i, 0), o + QPointF(s * i + 2, 3 * s)}), kPen);
        c.stroke(polyline({o + QPointF(0, s * i), o + QPointF(3 * s, s * i - 2)}), kPen);
    }
    const char* board = "XO.OX..OX";
    for (int i = 0; i < 9; ++i) {
        const QPointF centre = o + QPointF(s * (i % 3 + 0.5), s * (i / 3 + 0.5));
        if (board[i] == 'X') {
            c.stroke(polyline({centre + QPointF(-12, -12), centre + QPointF(12, 12)}), kPen);
            c.stroke(polyline({centre + QPointF(12, -12), centre + QPointF(-12, 12)}), kPen);
        } else if (board[i] == 'O') {
            c.stroke(ellipse(centre, 12, 13), kPen);
        }
    }
    c.stroke(polyline({o + QPointF(8, 8), o + QPointF(3 * s - 8, 3 * s - 8)}), 1.6);  // the win
    // A second game begun beside it.
    const QPointF g(190, 30);
    const double t = 28;
    for (int i = 1; i < 3; ++i) {
        c.stroke(polyline({g + QPointF(t * i, 0), g + QPointF(t * i, 3 * t)}), 1.8);
        c.stroke(polyline({g + QPointF(0, t * i), g + QPointF(3 * t, t * i)}), 1.8);
    }
    c.stroke(ellipse(g + QPointF(1.5 * t, 1.5 * t), 8, 9), 1.8);
    c.stroke(polyline({g + QPointF(8, 8), g + QPointF(20, 20)}), 1.8);
    c.stroke(polyline({g + QPointF(20, 8), g + QPointF(8, 20)}), 1.8);
}

void Waves(Canvas& c, const Params&) {
    for (int line = 0; line < 4; ++line) {
        std::vector<QPointF> wave;
        const double amplitude = 7 + 3 * line;
        for (double x = 14; x <= 286; x += 6)
            wave.push_back({x, 26 + 32.0 * line + amplitude * std::sin(x / (10 + 2 * line))});
        c.stroke(SmoothCurve(wave), 1.8);
    }
}

void TrebleClef(Canvas& c, const Params&) {
    const double top = 40;
    const double gap = 14;  // between the lines of the staff
    c.painter().save();
    c.painter().setPen(QPen(Canvas::ink(), 1));
    for (int i = 0; i < 5; ++i)
        c.painter().drawLine(QPointF(14, top + gap * i), QPointF(288, top + gap * i));
    c.painter().restore();
    auto at = [&](double x, double y) { return QPointF(40 + x * gap, top + y * gap); };
    c.stroke(SmoothCurve({at(-0.2, 5.2), at(-0.5, 5.8), at(0.1, 6.3), at(0.7, 5.8), at(0.6, 4.2),
                          at(0.2, 1.0), at(0.3, -1.0), at(0.8, -1.9), at(1.2, -1.2), at(0.8, 0.2),
                          at(-0.4, 1.6), at(-0.8, 3.0), at(-0.2, 4.1), at(0.8, 4.2), at(1.3, 3.4),
                          at(0.9, 2.6), at(0.2, 2.7), at(0.0, 3.3), at(0.4, 3.7)}),
             2.6);
    c.dot(at(-0.2, 5.6), 3.2);
    // Notes: two crotchets, two quavers joined by a beam, and a minim.
    struct Note {
        double x;
        double y;
        bool filled;
    };
    for (const Note& n : {Note{4, 3.5, true}, Note{6, 2.5, true}, Note{8.5, 3, true},
                          Note{10.5, 2, true}, Note{13, 1.5, false}, Note{15.5, 2.5, true}}) {
        const QPainterPath head = rotated(ellipse(at(n.x, n.y), 6.5, 4.6), at(n.x, n.y), -20);
        if (n.filled) c.fill(head);
        c.stroke(head, 1.4);
        c.stroke(polyline({at(n.x, n.y) + QPointF(5.6, -1), at(n.x, n.y) + QPointF(5.6, -40)}),
                 1.6);
    }
    c.stroke(polyline({at(8.5, 3) + QPointF(5.6, -40), at(10.5, 2) + QPointF(5.6, -40)}), 4);
    c.stroke(SmoothCurve({at(15.5, 2.5) + QPointF(5.6, -40), at(15.5, 2.5) + QPointF(12, -28),
                          at(15.5, 2.5) + QPointF(11, -18)}),
             2);  // the flag of the last quaver
}
