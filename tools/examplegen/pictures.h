#pragma once
// The example pictures: what each drawing function needs, and the table that names one
// drawing per example code of the questionnaire.

#include <QSize>
#include <span>

#include "canvas.h"
#include "cursive.h"

// The page of a margins example, as fractions of the page.
struct Margins {
    double top = 0.07;
    double bottom = 0.07;
    double left = 0.12;
    double right = 0.06;
    double leftEnd = -1;   // left margin at the foot of the page; -1: as at the top
    double ragged = 0;     // the left edge wanders by up to this much
    bool justify = false;  // lines end evenly on the right
};

// The closing stroke after each word.
struct Tail {
    double length = 0;   // x-heights; 0: none
    double width = 0;    // pen width; 0: the writing pen
    bool blunt = false;  // ends flat, as if pressed and stopped
    bool light = false;  // pale, barely touching the paper
};

// The two dots of Ё.
enum class Dots { Waves, Small, Heavy, HeavyDown, Tent, Circles, None, High };

// The stroke across a figure 7, in widths of the figure (the top bar runs from 0 to 0.55,
// the slant stroke crosses the middle at 0.375).
enum class BarShape { Line, Hooked, Curl, Above, Continued };
struct Bar {
    double from = 0.2;
    double to = 0.56;
    double tilt = 0;  // + rises to the right
    BarShape shape = BarShape::Line;
};

// A capital Я drawn as a loop on a stem with a leg.
struct YaForm {
    double loopWidth = 1;
    double loopHeight = 1;
    double height = 1;     // relative to the capitals of the words around it
    double lean = 0.2;     // + to the right
    bool printed = false;  // a block letter
    bool various = false;  // each line a different Я
};

// How a signature ends: its dot and the lines around it.
enum class Flourish { None, Underline, Dashes, Swirl, FromLetter, CrossOut, Above };
struct Sign {
    double slant = 0.25;
    double size = 40;
    bool fancy = false;  // ornate capital
    double dot = 0;      // radius of the dot after it; 0: none
    Flourish flourish = Flourish::None;
    double lineWeight = 1.6;  // pen of the line under or over it
    double lineLength = 1;    // length of that line relative to the signature
    double angular = 0;
};

// Everything a drawing may be told; each row of the table sets only what its drawing reads.
struct Params {
    const char* text = nullptr;  // what is written; each drawing has its own default
    Hand hand{};
    double rise = 0;          // text lines: baseline angle in degrees, negative rising
    double jump = 0;          // text lines: words jump up and down by up to this many pixels
    double gap = 1;           // text lines: spaces between words, times the normal space
    double gapLast = 0;       // the same for the last line (0: as gap)
    double sizeLast = 0;      // size of the last line relative to the first (0: the same)
    double capScaleLast = 0;  // capitals of the last line (0: as hand.capScale)
    bool ruled = false;       // lined paper
    bool wave = false;        // the end of each word runs out into a wavy line
    Margins margins{};
    Cursive cursive{};
    Tail tail{};
    Dots dots = Dots::Small;
    Bar bar{};
    bool various = false;  // figures 7 each different
    YaForm ya{};
    Sign sign{};
};

using Draw = void (*)(Canvas&, const Params&);

struct Example {
    const char* code;
    Draw draw;
    Params params{};
    QSize size{300, 150};
};

// What a row asks to be written, or the drawing's own text.
QString TextOf(const Params& p, const char* fallback);

// The table: one row per example code.
std::span<const Example> Examples();

// Drawings. Lines of handwriting in a script face (slant, lines, spacing, size, legibility).
void TextLines(Canvas&, const Params&);
// A page in miniature with its margins.
void Page(Canvas&, const Params&);
// Joined handwriting with its loops, joins, hooks and closing strokes.
void JoinedWords(Canvas&, const Params&);
// Words with the letter Ё and its dots.
void DotsOfYo(Canvas&, const Params&);
// A row of figures 7 with their cross strokes.
void Sevens(Canvas&, const Params&);
// Words beginning with capital Я.
void LetterYa(Canvas&, const Params&);
// Capital letters of particular form, in words.
void SaddleD(Canvas&, const Params&);
void HighM(Canvas&, const Params&);
// A signature with its dot and lines.
void Signature(Canvas&, const Params&);
// Doodles.
void House(Canvas&, const Params&);
void Flowers(Canvas&, const Params&);
void NiceFaces(Canvas&, const Params&);
void UglyFaces(Canvas&, const Params&);
void Shapes(Canvas&, const Params&);
void Curls(Canvas&, const Params&);
void Bird(Canvas&, const Params&);
void Stars(Canvas&, const Params&);
void Circles(Canvas&, const Params&);
void NoughtsAndCrosses(Canvas&, const Params&);
void Waves(Canvas&, const Params&);
void TrebleClef(Canvas&, const Params&);
