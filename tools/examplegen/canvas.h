#pragma once
// A sheet of white paper with dark-blue ink: the surface every example picture is drawn on.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <vector>

// Ornaments a hand adds to letters.
enum class Mark {
    None,
    Loop,  // a small loop where the pen comes in
    Curl,  // a spiral curl before the letter and a swash under it
};

// How a piece of text is written by hand.
struct Hand {
    double size = 26;           // pixel size of the lettering
    double slant = 0;           // lean of the letters: + to the right, - to the left (shear)
    double slantMix = 0;        // letters lean either way by up to this much
    double wobble = 1;          // irregularity of the hand; 0 is typeset
    double weight = 0.6;        // pen pressure: extra stroke width in pixels
    double capScale = 1;        // capitals relative to the lowercase letters
    double growth = 1;          // size of the last letter of a word relative to the first
    double sizeMix = 0;         // letters change size at random by up to this fraction
    double angular = 0;         // 0 round strokes; towards 1 the curves break into corners
    bool angularCaps = false;   // only the capitals turn angular
    double tracking = 0;        // extra space between letters, in pixels
    bool print = false;         // printed letters instead of script
    Mark capMark = Mark::None;  // ornament of the capitals
    int markEvery = 0;          // every n-th small letter gets a curl too; 0: none
};

class Canvas {
  public:
    explicit Canvas(QSize size);

    QPainter& painter() { return painter_; }
    double width() const { return image_.width(); }
    double height() const { return image_.height(); }
    QImage finish();

    static QColor ink();

    // A pen of the ink colour; width in pixels.
    QPen pen(double width) const;
    // Strokes a path with the ink pen.
    void stroke(const QPainterPath& path, double width);
    // Fills a path with ink.
    void fill(const QPainterPath& path);
    // A dot of the given radius.
    void dot(QPointF centre, double radius);
    // Faint ruling of a school exercise book, one line every step pixels.
    void rule(double top, double step);

    // Writes text starting on a baseline at origin; the baseline turns by angle degrees
    // (negative: rising). Returns the bounding box of each letter on the page, spaces left out.
    std::vector<QRectF> write(QPointF origin, const QString& text, const Hand& hand,
                              double angle = 0);
    // The length of text written with this hand on a straight baseline.
    double measure(const QString& text, const Hand& hand, double wordGap = 1) const;

    // A spiral curl of the given radius ending at end, turning clockwise or not.
    QPainterPath curl(QPointF end, double radius, bool clockwise) const;

    // A repeatable pseudo-random number in [-1, 1]: the same picture every time.
    double jitter();

    // The family used for script lettering (a handwriting-like face with Cyrillic).
    static QString scriptFamily();

  private:
    void ornament(const QRectF& box, Mark mark, double size);
    QPainterPath letterPath(QChar letter, const Hand& hand, double size) const;

    QImage image_;
    QPainter painter_;
    unsigned seed_ = 1;
};
