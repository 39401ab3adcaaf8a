#include "cursive.h"

#include <array>
#include <initializer_list>

namespace {

// A point the pen passes, in x-heights: x to the right, y up from the baseline.
struct Knot {
    double x;
    double y;
    bool corner = false;   // the pen turns sharply here
    bool lift = false;     // the pen leaves the paper after this point
    bool angular = false;  // the letter this point belongs to is written angular
};
using Chain = std::vector<Knot>;

enum class Attach { None, Lower, Upper };

// A letter of the alphabet: its chain from entry to exit, its width, and where a loop joins it.
struct LetterForm {
    bool open;  // the open form of the letter
    QChar letter;
    double width;
    Attach loop;
    double stem;                         // x of the stem that carries the loop
    std::initializer_list<Knot> before;  // the chain up to the loop (or the whole letter)
    std::initializer_list<Knot> after;   // the chain after the loop
};

// clang-format off
const std::array kAlphabet = {
    LetterForm{false, u'а', 0.95, Attach::None, 0,
        {{0.62, 0.85}, {0.35, 1.0}, {0.08, 0.65}, {0.12, 0.12}, {0.4, 0.02}, {0.62, 0.45},
         {0.7, 1.0, true}, {0.66, 0.2}, {0.78, 0.0}, {0.95, 0.25}}, {}},
    LetterForm{false, u'о', 0.9, Attach::None, 0,
        {{0.6, 0.92}, {0.3, 1.0}, {0.05, 0.6}, {0.15, 0.08}, {0.45, 0.02}, {0.62, 0.5},
         {0.52, 0.95}, {0.72, 0.88}, {0.9, 0.75}}, {}},
    LetterForm{false, u'е', 0.75, Attach::None, 0,
        {{0.05, 0.28}, {0.42, 0.55}, {0.48, 0.85}, {0.3, 1.0}, {0.08, 0.7}, {0.1, 0.2},
         {0.35, 0.0}, {0.58, 0.08}, {0.75, 0.25}}, {}},
    LetterForm{false, u'и', 0.9, Attach::None, 0,
        {{0.05, 0.25}, {0.22, 1.0, true}, {0.15, 0.2}, {0.3, 0.0}, {0.55, 0.4},
         {0.66, 1.0, true}, {0.6, 0.2}, {0.72, 0.0}, {0.9, 0.25}}, {}},
    LetterForm{false, u'ш', 1.25, Attach::None, 0,
        {{0.05, 0.25}, {0.22, 1.0, true}, {0.15, 0.2}, {0.3, 0.0}, {0.52, 0.4},
         {0.62, 1.0, true}, {0.56, 0.2}, {0.7, 0.0}, {0.92, 0.4}, {1.02, 1.0, true},
         {0.97, 0.2}, {1.08, 0.0}, {1.25, 0.25}}, {}},
    LetterForm{false, u'л', 0.78, Attach::None, 0,
        {{0.0, 0.12}, {0.15, 0.04}, {0.3, 0.4}, {0.45, 1.0, true}, {0.5, 0.2}, {0.6, 0.0},
         {0.78, 0.25}}, {}},
    LetterForm{false, u'м', 1.12, Attach::None, 0,
        {{0.0, 0.12}, {0.15, 0.04}, {0.3, 0.4}, {0.45, 1.0, true}, {0.5, 0.2}, {0.6, 0.5},
         {0.82, 1.0, true}, {0.86, 0.2}, {0.96, 0.0}, {1.12, 0.25}}, {}},
    LetterForm{false, u'т', 1.12, Attach::None, 0,
        {{0.02, 0.3}, {0.14, 0.95}, {0.14, 0.0, true}, {0.2, 0.75}, {0.36, 1.0}, {0.5, 0.75},
         {0.5, 0.0, true}, {0.56, 0.75}, {0.72, 1.0}, {0.86, 0.75}, {0.86, 0.12}, {0.96, 0.0},
         {1.12, 0.25}}, {}},
    LetterForm{false, u'с', 0.65, Attach::None, 0,
        {{0.6, 0.85}, {0.45, 1.0}, {0.15, 0.8}, {0.05, 0.3}, {0.3, 0.0}, {0.65, 0.15}}, {}},
    LetterForm{false, u'д', 0.95, Attach::Lower, 0.68,
        {{0.62, 0.85}, {0.35, 1.0}, {0.08, 0.65}, {0.12, 0.12}, {0.4, 0.02}, {0.62, 0.45},
         {0.72, 1.0, true}}, {}},
    LetterForm{false, u'у', 0.95, Attach::Lower, 0.64,
        {{0.05, 0.25}, {0.22, 1.0, true}, {0.15, 0.2}, {0.3, 0.0}, {0.55, 0.4},
         {0.68, 1.0, true}}, {}},
    LetterForm{false, u'в', 0.85, Attach::Upper, 0.25,
        {{0.0, 0.2}},
        {{0.2, 0.15}, {0.35, 0.0}, {0.6, 0.15}, {0.6, 0.5}, {0.35, 0.6}, {0.55, 0.68},
         {0.85, 0.6}}},
    // Open forms: the eye of е not closed, с opened wide, the bowl of в not closed.
    LetterForm{true, u'е', 0.78, Attach::None, 0,
        {{0.05, 0.28}, {0.44, 0.55}, {0.48, 0.86}, {0.3, 1.0}, {0.14, 0.86, false, true},
         {0.07, 0.58}, {0.1, 0.2}, {0.35, 0.0}, {0.78, 0.2}}, {}},
    LetterForm{true, u'с', 0.75, Attach::None, 0,
        {{0.75, 0.62}, {0.62, 0.95}, {0.3, 1.0}, {0.08, 0.7}, {0.1, 0.2}, {0.35, 0.0},
         {0.75, 0.15}}, {}},
    LetterForm{true, u'в', 0.85, Attach::Upper, 0.25,
        {{0.0, 0.2}},
        {{0.2, 0.15}, {0.38, 0.0}, {0.66, 0.2}, {0.62, 0.55}, {0.44, 0.64, false, true}}},
};
// clang-format on

const LetterForm* formOf(QChar letter, bool open) {
    const LetterForm* found = nullptr;
    for (const LetterForm& form : kAlphabet)
        if (form.letter == letter && (found == nullptr || form.open == open)) found = &form;
    return found;
}

// The loop kinds a varied hand goes through, one after another.
constexpr std::array kVariedLoops = {LoopKind::Written, LoopKind::Angular, LoopKind::Reversed,
                                     LoopKind::InLoop, LoopKind::Knot};

Chain lowerLoop(double s, const Loop& loop, LoopKind kind) {
    const double l = loop.depth;
    const double w = loop.width;
    switch (kind) {
        case LoopKind::Angular:
            return {{s, 0.1},
                    {s - 0.02, -l, true},
                    {s - w, -l * 0.45, true},
                    {s + 0.02, -0.05, true},
                    {s + 0.3, 0.25}};
        case LoopKind::Inward:
            return {{s, 0.1},
                    {s - 0.04, -l * 0.7},
                    {s - 0.15, -l},
                    {s - w, -l * 0.6},
                    {s - w * 0.55, -l * 0.12},
                    {s - 0.12, -l * 0.4},
                    {s - w * 0.45, -l * 0.62, false, true}};
        case LoopKind::InLoop:
            return {{s, 0.1},
                    {s - 0.04, -l * 0.7},
                    {s - 0.15, -l},
                    {s - w, -l * 0.6},
                    {s - 0.05, -0.1},
                    {s - 0.14, -l * 0.72},
                    {s - w * 0.6, -l * 0.45},
                    {s - 0.05, -0.12},
                    {s + 0.3, 0.25}};
        case LoopKind::Knot:
            return {{s, 0.1},          {s - 0.04, -l * 0.7}, {s - 0.15, -l},   {s - w, -l * 0.6},
                    {s - 0.05, -0.08}, {s + 0.14, 0.1},      {s + 0.04, 0.24}, {s - 0.08, 0.08},
                    {s + 0.08, -0.04}, {s + 0.35, 0.25}};
        case LoopKind::Reversed:
            return {{s, 0.1},
                    {s - 0.02, -l * 0.6},
                    {s + 0.1, -l},
                    {s + w, -l * 0.78},
                    {s + w + 0.1, -l * 0.35, false, true}};
        case LoopKind::Open:
            return {{s, 0.1},
                    {s - 0.04, -l * 0.7},
                    {s - 0.12, -l},
                    {s - w, -l * 0.6},
                    {s - w * 0.9, -l * 0.15, false, true}};
        case LoopKind::Eight:
            return {{s - 0.06, 0.1},  {s - 0.3, -0.3},  {s - 0.6, -0.62}, {s - 0.42, -1.0},
                    {s - 0.1, -0.95}, {s - 0.05, -0.6}, {s - 0.3, -0.25}, {s - 0.5, 0.1},
                    {s - 0.1, 0.05},  {s + 0.3, 0.25}};
        case LoopKind::Written:
        case LoopKind::Varied:
            break;
    }
    return {{s, 0.1},          {s - 0.04, -l * 0.7}, {s - 0.1 - w * 0.15, -l},
            {s - w, -l * 0.6}, {s - 0.05, -0.08},    {s + 0.3, 0.25}};
}

Chain upperLoop(double s, const Loop& loop) {
    const double h = loop.height;
    const double w = loop.width * 0.3;
    return {{s + w, h * 0.55}, {s + w, h * 0.9},       {s, h},
            {s - w, h * 0.86}, {s - w * 0.5, h * 0.5}, {s - 0.04, 0.4}};
}

// One smooth curve through a chain; corners and angular letters get straight pieces.
void addChain(QPainterPath& path, const Chain& chain, const Cursive& style, QPointF origin) {
    auto page = [&](const Knot& k) {
        return origin + QPointF((k.x + style.slant * k.y) * style.size, -k.y * style.size);
    };
    auto tangent = [&](std::size_t i) {
        const Knot& k = chain[i];
        if (k.corner || k.angular) return QPointF();
        const QPointF prev = page(chain[i == 0 ? 0 : i - 1]);
        const QPointF next = page(chain[std::min(i + 1, chain.size() - 1)]);
        return (next - prev) * (style.roundness / 2);
    };
    if (chain.empty()) return;
    path.moveTo(page(chain[0]));
    for (std::size_t i = 1; i < chain.size(); ++i) {
        const QPointF a = page(chain[i - 1]);
        const QPointF b = page(chain[i]);
        path.cubicTo(a + tangent(i - 1) / 3, b - tangent(i) / 3, b);
    }
}

}  // namespace

QPainterPath SmoothCurve(const std::vector<QPointF>& points) {
    Chain chain;
    for (const QPointF& point : points) chain.push_back({point.x(), -point.y()});
    QPainterPath path;
    addChain(path, chain, Cursive{.size = 1, .slant = 0}, QPointF());
    return path;
}

Line WriteCursive(QPointF origin, const QString& words, const Cursive& style) {
    Line line;
    double x = 0;
    int loopCount = 0;
    int wordIndex = 0;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const bool lifts = style.lift > 0 && (!style.liftSomeWords || wordIndex % 2 == 0);
        Chain chain;
        if (style.lead > 0) chain.push_back({x - style.lead, -0.3});
        if (style.hookStart)
            chain.insert(chain.end(),
                         {{x + 0.02, 0.42}, {x - 0.12, 0.5}, {x - 0.1, 0.3}, {x, 0.12}});
        for (int i = 0; i < word.size(); ++i) {
            const QChar letter =
                style.sameStrokes && QStringLiteral("таи").contains(word[i]) ? u'ш' : word[i];
            const LetterForm* form = formOf(letter, style.open);
            if (form == nullptr) continue;
            const bool angular =
                style.roundness <= 0 || (style.angularEvery > 0 && i % style.angularEvery == 1);
            // An angular hand passes fewer points and turns sharply at each.
            auto put = [&](const Chain& part) {
                for (std::size_t n = 0; n < part.size(); ++n) {
                    Knot k = part[n];
                    if (angular && n % 2 == 1 && !k.corner && !k.lift && n + 1 < part.size())
                        continue;
                    // Wider at the top or at the foot: the letter spreads about its middle.
                    k.x = x + form->width / 2 +
                          (k.x - form->width / 2) * (1 + style.widen * (k.y - 0.5));
                    k.angular = angular;
                    chain.push_back(k);
                }
            };
            put(Chain(form->before));
            if (form->loop == Attach::Lower) {
                LoopKind kind = style.lower.kind;
                if (kind == LoopKind::Varied) kind = kVariedLoops[loopCount % kVariedLoops.size()];
                if (style.open) kind = LoopKind::Open;
                ++loopCount;
                put(lowerLoop(form->stem, style.lower, kind));
            } else if (form->loop == Attach::Upper) {
                put(upperLoop(form->stem, style.upper));
            }
            put(Chain(form->after));
            x += form->width;
            const bool last = i + 1 == word.size();
            if (style.knot && i + 1 == word.size() / 2)
                chain.insert(
                    chain.end(),
                    {{x + 0.12, 0.45}, {x + 0.04, 0.62}, {x - 0.06, 0.48}, {x + 0.06, 0.34}});
            if (!last && lifts && (i + 1) % style.lift == 0) {
                chain.back().lift = true;
                x += 0.3;  // the pen comes down again a little further on
            }
        }
        if (style.hookEnd)
            chain.insert(chain.end(),
                         {{x + 0.2, 0.65}, {x + 0.05, 0.95}, {x - 0.15, 0.75}, {x - 0.05, 0.55}});
        // Write the chain, lifting the pen where a point says so.
        Chain piece;
        for (const Knot& k : chain) {
            piece.push_back(k);
            if (k.lift) {
                addChain(line.path, piece, style, origin);
                piece.clear();
            }
        }
        addChain(line.path, piece, style, origin);
        line.wordEnds.push_back(line.path.currentPosition());
        x += style.wordGap;
        ++wordIndex;
    }
    return line;
}
