#pragma once
// Joined Russian handwriting drawn stroke by stroke, for the features a typeface cannot show:
// loops, joins and pen lifts, hooks, knots, lead-in and closing strokes.
//
// A small alphabet (а в д е и л м о с т у ш, and open forms of в е с) written as the pen moves:
// each letter is a chain of points from where the pen comes in to where it leaves, and a word is
// one smooth curve through the chains of its letters.

#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <vector>

// How the loops below the line (д, у) and above it (в) are made.
enum class LoopKind {
    Written,   // an ordinary closed loop
    Angular,   // a triangle instead of an oval
    Inward,    // the loop curls into itself and stops
    InLoop,    // a second, smaller loop inside the first
    Knot,      // a small knot where the loop crosses the stem
    Reversed,  // turned the other way and left open
    Open,      // not brought back to the stem
    Eight,     // a round loop right under the letter, which then looks like an 8
    Varied,    // every loop of the line different
};

struct Loop {
    LoopKind kind = LoopKind::Written;
    double depth = 1.3;   // how far the lower loop goes below the line (x-heights)
    double width = 0.45;  // how far it swings out
    double height = 2.1;  // top of the upper loop above the line
};

struct Cursive {
    double size = 22;            // x-height in pixels
    double slant = 0.25;         // lean of the hand (shear), + to the right
    double roundness = 1;        // 1 round arcs and ovals; 0 every turn a corner
    int angularEvery = 0;        // every n-th letter angular among round ones; 0: none
    int lift = 0;                // 0 joined; n lifts the pen after every n-th letter
    bool liftSomeWords = false;  // only every other word is written with lifts
    bool sameStrokes = false;    // т, и, ш, а written alike, as garlands of strokes
    Loop lower{};
    Loop upper{};
    bool hookStart = false;  // a small hook before the first letter of each word
    bool hookEnd = false;    // a small hook after the last letter of each word
    bool knot = false;       // a small knot in the middle of each word
    double lead = 0;         // a lead-in stroke of this length (x-heights) before each word
    double wordGap = 0.9;    // space between words (x-heights)
    bool open = false;       // е, с, у and в left open
    double widen = 0;        // + letters wider at the top, - wider at the foot
};

// A line of joined handwriting.
struct Line {
    QPainterPath path;              // to be stroked with the ink pen
    std::vector<QPointF> wordEnds;  // where the pen left each word
};

// A smooth curve through points (the pen passing each in turn).
QPainterPath SmoothCurve(const std::vector<QPointF>& points);

// Writes words starting on a baseline at origin.
Line WriteCursive(QPointF origin, const QString& words, const Cursive& style);
