// One row per example code: which drawing shows it and with what.

#include "pictures.h"

namespace {

// Texts of the joined-handwriting pictures, written with the letters the hand knows.
constexpr const char* kLoops = "удав у дома\nвела вдова";
constexpr const char* kWords = "мама вела\nлето тает";
constexpr const char* kCapitals =
    "Анна Петровна Иванова едет в Москву, а Ольга Сергеевна — в Тверь.";

// A page of the margins pictures: only the side named changes.
constexpr QSize kPage{300, 420};

// clang-format off
const Example kExamples[] = {
    // Slant of the letters
    {"0101", TextLines, {.hand = {.slant = -0.38}}},
    {"0102", TextLines, {.hand = {.slant = -0.85}}},
    {"0103", TextLines, {.hand = {.slant = 0.35}}},
    {"0104", TextLines, {.hand = {.slant = 0.8}}},
    {"0105", TextLines, {.hand = {.slant = 0}}},
    {"0106", TextLines, {.hand = {.slant = 0, .slantMix = 0.55}}},

    // Direction of the lines, on ruled paper
    {"0201", TextLines, {.ruled = true}},
    {"0202", TextLines, {.rise = -4, .ruled = true}},
    {"0203", TextLines, {.rise = -11, .ruled = true}},
    {"0204", TextLines, {.rise = 4, .ruled = true}},
    {"0205", TextLines, {.rise = 11, .ruled = true}},
    {"0206", TextLines, {.jump = 6, .ruled = true}},

    // Spaces between words; the first picture shows crowded words over well spaced ones
    {"0301", TextLines, {.gap = 0.1, .gapLast = 1.2}},
    {"0302", TextLines, {.gap = 2.6}},
    {"0303", TextLines, {.gap = 5}},

    // Margins: top, bottom, left, right; wide, narrow, none
    {"0411", Page, {.margins = {.top = 0.25}}, kPage},
    {"0412", Page, {.margins = {.top = 0.04}}, kPage},
    {"0413", Page, {.margins = {.top = 0.0}}, kPage},
    {"0421", Page, {.margins = {.bottom = 0.27}}, kPage},
    {"0422", Page, {.margins = {.bottom = 0.04}}, kPage},
    {"0423", Page, {.margins = {.bottom = 0.0}}, kPage},
    {"0431", Page, {.margins = {.left = 0.3}}, kPage},
    {"0432", Page, {.margins = {.left = 0.05}}, kPage},
    {"0433", Page, {.margins = {.left = 0.0}}, kPage},
    {"0441", Page, {.margins = {.right = 0.3}}, kPage},
    {"0442", Page, {.margins = {.right = 0.04}}, kPage},
    {"0443", Page, {.margins = {.right = 0.0}}, kPage},
    {"0405", Page, {.margins = {.left = 0.04, .leftEnd = 0.36}}, kPage},
    {"0406", Page, {.margins = {.left = 0.36, .leftEnd = 0.04}}, kPage},
    {"0407", Page, {.margins = {.left = 0.06, .ragged = 0.16}}, kPage},
    {"0408", Page, {.margins = {.top = 0.1, .bottom = 0.1, .left = 0.1, .right = 0.1, .justify = true}}, kPage},

    // Roundness of the letters
    {"0501", JoinedWords, {.text = kWords, .cursive = {.size = 26, .roundness = 1.1}}},
    {"0502", TextLines, {.text = kCapitals, .hand = {.capScale = 1.2, .angular = 1.2, .angularCaps = true}}},
    {"0503", JoinedWords, {.text = kWords, .cursive = {.size = 26, .angularEvery = 3}}},
    {"0504", JoinedWords, {.text = kWords, .cursive = {.size = 26, .roundness = 0}}},
    {"0505", JoinedWords, {.text = kWords, .cursive = {.size = 26, .angularEvery = 2}}},
    {"0506", TextLines, {.text = kCapitals, .hand = {.slantMix = 0.2, .capScale = 1.5, .capMark = Mark::Curl}}},
    {"0507", TextLines, {.hand = {.slantMix = 0.3, .wobble = 3, .sizeMix = 0.3}, .jump = 3}},
    {"0508", JoinedWords, {.text = "таша шила\nа мама тише", .cursive = {.size = 21, .sameStrokes = true}}},

    // Size of the handwriting
    {"0701", TextLines, {.hand = {.size = 15}}},
    {"0702", TextLines, {.hand = {.size = 10, .weight = 0.3}}},
    {"0703", TextLines, {.hand = {.size = 24}}},
    {"0705", TextLines, {.hand = {.size = 40}}},
    {"0704", TextLines, {.text = "Привет!", .hand = {.size = 80, .weight = 1.2}}},
    {"0706", TextLines, {.hand = {.size = 24, .sizeMix = 0.5}}},
    {"0707", TextLines, {.hand = {.capScale = 1.3, .capMark = Mark::Loop, .markEvery = 4}}},

    // The dots of Ё
    {"0801", DotsOfYo, {.dots = Dots::Waves}},
    {"0802", DotsOfYo, {.dots = Dots::Small}},
    {"0803", DotsOfYo, {.dots = Dots::Heavy}},
    {"0804", DotsOfYo, {.dots = Dots::HeavyDown}},
    {"0805", DotsOfYo, {.dots = Dots::Tent}},
    {"0806", DotsOfYo, {.dots = Dots::Circles}},
    {"0807", DotsOfYo, {.dots = Dots::None}},
    {"0808", DotsOfYo, {.dots = Dots::High}},

    // Hooks and knots
    {"0901", JoinedWords, {.text = kWords, .cursive = {.size = 26, .hookStart = true}}},
    {"0902", JoinedWords, {.text = kWords, .cursive = {.size = 26, .hookEnd = true}}},
    {"0903", JoinedWords, {.text = kWords, .cursive = {.size = 26, .knot = true}}},

    // Lead-in and closing strokes
    {"1001", JoinedWords, {.text = kWords, .cursive = {.size = 24, .lead = 1.2, .wordGap = 2.2}}},
    {"1002", JoinedWords, {.text = kWords, .cursive = {.size = 24, .wordGap = 1.8}, .tail = {.length = 1}}},
    {"1003", JoinedWords, {.text = "мама\nлето", .cursive = {.size = 24}, .tail = {.length = 5}}},
    {"1004", JoinedWords, {.text = kWords, .cursive = {.size = 24, .wordGap = 1.8}, .tail = {.length = 0.9, .width = 6, .blunt = true}}},
    {"1005", JoinedWords, {.text = kWords, .cursive = {.size = 24, .wordGap = 1.6}, .tail = {.length = 0.8, .width = 1.3, .light = true}}},

    // Loops
    {"1101", JoinedWords, {.text = kLoops, .cursive = {.size = 20}}},
    {"1102", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.width = 0.12}}}},
    {"1103", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.width = 0.9}}}},
    {"1104", JoinedWords, {.text = kLoops, .cursive = {.size = 17, .lower = {.depth = 2.6}}}},
    {"1105", JoinedWords, {.text = kLoops, .cursive = {.size = 19, .lower = {.depth = 1.6, .width = 1.15}}}},
    {"1106", JoinedWords, {.text = "вела вдова\nв село", .cursive = {.size = 20, .upper = {.height = 1.3}}}},
    {"1107", JoinedWords, {.text = "удав у дома", .cursive = {.size = 20, .lower = {.depth = 3.4, .width = 1.3}}}},
    {"1108", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.depth = 0.45, .width = 0.22}}}},
    {"1110", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.kind = LoopKind::Inward, .width = 0.7}}}},
    {"1111", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.kind = LoopKind::InLoop, .width = 0.75}}}},
    {"1112", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.kind = LoopKind::Reversed, .width = 0.6}}}},
    {"1113", JoinedWords, {.text = "да дом\nдело", .cursive = {.size = 28, .lower = {.kind = LoopKind::Eight}}}},
    {"1114", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.kind = LoopKind::Angular, .width = 0.6}}}},
    {"1115", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.kind = LoopKind::Knot}}}},
    {"1116", JoinedWords, {.text = kLoops, .cursive = {.size = 20, .lower = {.kind = LoopKind::Varied, .width = 0.6}}}},

    // The figure 7 and its stroke
    {"1201", Sevens, {}},
    {"1202", Sevens, {.bar = {.from = -0.06, .to = 0.82}}},
    {"1203", Sevens, {.bar = {.from = 0.33, .to = 0.5}}},
    {"1204", Sevens, {.bar = {.from = 0.08, .to = 0.42}}},
    {"1205", Sevens, {.bar = {.from = 0.12, .to = 0.66}}},
    {"1206", Sevens, {.bar = {.tilt = 0.55}}},
    {"1207", Sevens, {.bar = {.tilt = -0.55}}},
    {"1208", Sevens, {.bar = {.from = 0.12, .to = 0.7}}},
    {"1209", Sevens, {.bar = {.shape = BarShape::Continued}}},
    {"1210", Sevens, {.bar = {.from = 0.12, .to = 0.7, .shape = BarShape::Hooked}}},
    {"1211", Sevens, {.bar = {.from = 0.2, .to = 0.62, .shape = BarShape::Curl}}},
    {"1212", Sevens, {.bar = {.shape = BarShape::Above}}},
    {"1213", Sevens, {.bar = {.from = 0.05, .to = 0.78}}},
    {"1214", Sevens, {.various = true}},

    // Joining of the letters
    {"1301", JoinedWords, {.text = kWords, .cursive = {.size = 26, .lift = 1}}},
    {"1302", JoinedWords, {.text = kWords, .cursive = {.size = 26}}},
    {"1303", JoinedWords, {.text = kWords, .cursive = {.size = 26, .lift = 1, .liftSomeWords = true}}},

    // Letter forms
    {"1401", TextLines, {.text = kCapitals, .hand = {.capScale = 1.4, .capMark = Mark::Curl, .markEvery = 6}}},
    {"1402", TextLines, {.text = "Милостивый государь! Спешу уведомить Вас, что письмо Ваше получено.", .hand = {.slant = 0.45, .capScale = 1.6, .capMark = Mark::Loop}, .ruled = true}},
    {"1403", JoinedWords, {.text = "мама шила\nлето тает", .cursive = {.size = 26, .slant = 0.1, .roundness = 0.8}}},
    {"1404", TextLines, {.hand = {.size = 22, .print = true}}},
    {"1405", TextLines, {.hand = {.weight = 3.2}}},
    {"1406", TextLines, {.text = "Здравствуйте", .hand = {.size = 40}}},
    {"1407", TextLines, {.text = "Здравствуйте", .hand = {.size = 22, .growth = 2.6}}},
    {"1408", TextLines, {.text = "Здравствуйте", .hand = {.size = 64, .growth = 0.2}}},
    {"1409", TextLines, {.text = "Здравствуйте, мои дорогие", .hand = {.size = 32}, .wave = true}},
    {"1410", TextLines, {.hand = {.size = 24}, .sizeLast = 0.45}},
    {"1411", JoinedWords, {.text = "село\nсама у моста", .cursive = {.size = 24, .open = true}}},
    {"1412", JoinedWords, {.text = "вела вдова\nв село", .cursive = {.size = 24, .open = true}}},
    {"1413", SaddleD, {.hand = {.size = 34}}},
    {"1414", JoinedWords, {.text = kWords, .cursive = {.size = 26}}},
    {"1415", JoinedWords, {.text = kWords, .cursive = {.size = 26, .widen = 1.2}}},
    {"1416", JoinedWords, {.text = kWords, .cursive = {.size = 26, .widen = -1.2}}},

    // Capitals; the first picture shows large capitals over proportional ones
    {"1501", TextLines, {.text = kCapitals, .hand = {.capScale = 2.1}, .capScaleLast = 1.0}},
    {"1502", TextLines, {.text = kCapitals, .hand = {.capScale = 0.85}}},
    {"1503", TextLines, {.text = "анна петровна иванова едет в москву, а ольга сергеевна — в тверь."}},
    {"1504", TextLines, {.text = kCapitals, .hand = {.slant = 0.35, .capScale = 1.45, .capMark = Mark::Curl}}},
    {"1505", HighM, {.hand = {.size = 34}}},
    {"1506", TextLines, {.text = kCapitals, .hand = {.capScale = 1.3, .capMark = Mark::Loop}}},
    {"1507", TextLines, {.text = kCapitals, .hand = {.capScale = 1.3, .capMark = Mark::Curl}}},
    {"1508", LetterYa, {.text = "Я пишу\nЯ жду\nЯ рад", .hand = {.size = 30}, .ya = {.various = true}}},
    {"1509", LetterYa, {.hand = {.size = 36}, .ya = {.loopWidth = 1.9, .loopHeight = 1.45}}},
    {"1510", LetterYa, {.hand = {.size = 36}}},
    {"1511", LetterYa, {.hand = {.size = 36}, .ya = {.height = 0.5}}},
    {"1512", LetterYa, {.hand = {.size = 30}, .ya = {.height = 1.9}}},
    {"1513", LetterYa, {.hand = {.size = 36}, .ya = {.loopWidth = 0.35}}},
    {"1514", LetterYa, {.hand = {.size = 36}, .ya = {.lean = 0.1}}},
    {"1515", LetterYa, {.hand = {.size = 36}, .ya = {.lean = -0.4}}},
    {"1516", LetterYa, {.hand = {.size = 36}, .ya = {.lean = 0, .printed = true}}},

    // The signature
    {"1601", Signature, {.sign = {.slant = -0.6}}},
    {"1602", Signature, {.sign = {.slant = 0}}},
    {"1603", Signature, {.sign = {.slant = 0.55}}},
    {"1604", Signature, {.sign = {.size = 62}}},
    {"1605", Signature, {.sign = {.size = 36}}},
    {"1606", Signature, {.sign = {.size = 16}}},
    {"1607", Signature, {.sign = {.fancy = true}}},
    {"1608", Signature, {.sign = {.dot = 2.4}}},
    {"1609", Signature, {.sign = {.dot = 5}}},
    {"1610", Signature, {.sign = {.flourish = Flourish::Underline}}},
    {"1611", Signature, {.sign = {.flourish = Flourish::Underline, .lineWeight = 4.5}}},
    {"1612", Signature, {.sign = {.flourish = Flourish::Underline, .lineWeight = 0.7}}},
    {"1613", Signature, {.sign = {.flourish = Flourish::Underline, .lineWeight = 2}}},
    {"1614", Signature, {.sign = {.flourish = Flourish::Underline, .lineLength = 0.4}}},
    {"1615", Signature, {.sign = {.flourish = Flourish::Underline, .lineLength = 1.5}}},
    {"1617", Signature, {.sign = {.flourish = Flourish::Dashes}}},
    {"1618", Signature, {.sign = {.flourish = Flourish::Swirl}}},
    {"1619", Signature, {.sign = {.flourish = Flourish::FromLetter}}},
    {"1620", Signature, {.sign = {.flourish = Flourish::CrossOut}}},
    {"1621", Signature, {.sign = {.flourish = Flourish::Above}}},
    {"1622", Signature, {.sign = {.angular = 0.7}}},

    // Legibility
    {"1701", TextLines, {.hand = {.size = 24, .wobble = 0.4}}},
    {"1703", TextLines, {.hand = {.slantMix = 0.5, .wobble = 4, .weight = 1, .sizeMix = 0.35, .tracking = -6}, .jump = 6}},
    {"1704", TextLines, {.hand = {.slant = 0.5, .wobble = 2, .sizeMix = 0.15, .tracking = -2.5}}},

    // Doodles
    {"1801", House},
    {"1802", Flowers},
    {"1803", NiceFaces},
    {"1804", UglyFaces},
    {"1805", Shapes},
    {"1806", Curls},
    {"1807", Bird},
    {"1808", Stars},
    {"1809", Circles},
    {"1810", NoughtsAndCrosses},
    {"1811", Waves},
    {"1812", TrebleClef},
    {"1813", TextLines, {.hand = {.size = 22}}},
};
// clang-format on

}  // namespace

std::span<const Example> Examples() { return kExamples; }
