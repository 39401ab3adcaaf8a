#pragma once
// The module's rules as a host sees them: the four text variants, the pairs that make
// each of the 65 rules fire (with every rule that fires alongside), helpers that vary those
// pairs, and the paragraph each rule writes.

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "veltanlib.h"

namespace veltantest {

// A name that no fixed text holds, to find the name slots.
inline constexpr std::u16string_view kRuleName = u"Ксенофонт";
inline constexpr std::string_view kRuleNameUtf8 = "Ксенофонт";

struct Variant {
    const char* name;
    Person person;
    bool self;
};

inline const Variant kVariants[] = {
    {"SelfMale", {std::u16string(kRuleName), u"Мужской", u"Лично"}, true},
    {"SelfFemale", {std::u16string(kRuleName), u"Женский", u"Лично"}, true},
    {"OtherMale", {std::u16string(kRuleName), u"Мужской", u"Другой"}, false},
    {"OtherFemale", {std::u16string(kRuleName), u"Женский", u"Другой"}, false},
};

inline const Person& kSelfMale = kVariants[0].person;
inline const Person& kSelfFemale = kVariants[1].person;
inline const Person& kOtherMale = kVariants[2].person;
inline const Person& kOtherFemale = kVariants[3].person;

// A quoted text with the name in its slots; "{N}" stands for the name.
inline std::string WithName(std::string text) {
    for (std::size_t slot; (slot = text.find("{N}")) != std::string::npos;)
        text.replace(slot, 3, kRuleNameUtf8);
    return text;
}

// What makes a rule fire, and every rule that then fires, in rule order.
struct Firing {
    Pairs pairs;
    std::vector<int> fired;
};

// Rule 52 fires unless the handwriting is both large and unconventionally written, so it
// joins almost every row.
inline const std::map<int, Firing>& Firings() {
    static const std::map<int, Firing> firings = {
        {1,
         {{{u"а: Отделение штриха", u"Слегка отделяется"},
           {u"а: Направление штриха", u"Вверх"},
           {u"а: Кривизна штриха", u"Прямой"}},
          {1, 52}}},
        {2,
         {{{u"а: Размер", u"Как строчная"},
           {u"а: Нажим", u"Сильный нажим"},
           {u"а: Замкнутость", u"Незамкнутая"}},
          {2, 52}}},
        {3,
         {{{u"А: Крючок", u"Наподобие нуля"}, {u"А: Остроконечность", u"Остроконечная"}}, {3, 52}}},
        {4,
         {{{u"А: Просторность", u"Узкая"},
           {u"А: Крючок", u"Маленький"},
           {u"А: Остроконечность", u"Остроконечная"}},
          {4, 52}}},
        {5,
         {{{u"А: Наклон", u"Вправо"},
           {u"А: Просторность", u"Просторная"},
           {u"А: Крючок", u"Большой, завернутый"},
           {u"А: Остроконечность", u"Остроконечная"}},
          {5, 52}}},
        {6, {{{u"Наклон почерка", u"Легкий наклон вправо"}}, {6, 52}}},
        {7, {{{u"Наклон почерка", u"Сильный наклон вправо"}}, {7, 52}}},
        {8, {{{u"Наклон почерка", u"Легкий наклон влево"}}, {8, 52}}},
        {9, {{{u"Наклон почерка", u"Сильный наклон влево"}}, {9, 52}}},
        {10, {{{u"Наклон почерка", u"Нет наклона"}}, {10, 52}}},
        {11, {{{u"Наклон почерка", u"Постоянно меняется"}}, {11, 52}}},
        {12, {{{u"Наклон букв с петлями", u"В другую сторону"}}, {12, 52}}},
        {13, {{{u"Наклон строки", u"Прямо"}}, {13, 52}}},
        {14, {{{u"Наклон строки", u"Вверх"}}, {14, 52}}},
        {15, {{{u"Наклон строки", u"Резко вверх"}}, {15, 52}}},
        {16, {{{u"Наклон строки", u"Вниз"}}, {16, 52}}},
        {17, {{{u"Наклон строки", u"Резко вниз"}}, {17, 52}}},
        {18, {{{u"Наклон строки", u"Постоянно резко вниз"}}, {18, 52}}},
        {19, {{{u"Наклон строки", u"Слова прыгают"}}, {19, 52}}},
        {20, {{{u"Расстояние", u"Практически нет"}}, {20, 52}}},
        {21, {{{u"Расстояние", u"Большое расстояние"}}, {21, 52}}},
        {22, {{{u"Форма букв", u"Округлые"}}, {22, 52}}},
        {23, {{{u"Форма букв", u"Угловатые"}}, {23, 52}}},
        {24,
         {{{u"Форма букв", u"Округлые"}, {u"Заглавные буквы", u"Угловаты буквы"}}, {22, 24, 52}}},
        {25, {{{u"Форма букв", u"Округлые"}, {u"Заглавные буквы", u"Угловатые"}}, {22, 25, 52}}},
        {26, {{{u"Форма букв", u"Округлые"}, {u"Размер", u"Огромный"}}, {22, 26, 52}}},
        {27, {{{u"Форма букв", u"Округлые"}, {u"Размер", u"Мелкий"}}, {22, 27, 43, 52}}},
        {28,
         {{{u"Форма букв", u"Угловатые"},
           {u"Размер", u"Крупный"},
           {u"Нижим", u"Буквы: сильный нажим"}},
          {23, 28, 33, 44, 51, 52}}},
        {29,
         {{{u"Форма букв", u"Угловатые"},
           {u"Размер", u"Крохотный"},
           {u"Разборчивость", u"Ясный, разборчивый"}},
          {23, 29, 52}}},
        {30,
         {{{u"Форма букв", u"Угловатые"},
           {u"Размер", u"Меняется"},
           {u"Стиль букв", u"Оригинально написанные буквы"}},
          {23, 30, 52}}},
        {31, {{{u"Стиль букв", u"ТИША"}}, {31, 52}}},
        {32, {{{u"Нижим", u"Буквы: слабый нажим"}}, {32, 52}}},
        {33, {{{u"Нижим", u"Буквы: сильный нажим"}}, {33, 52}}},
        {34, {{{u"Нижим", u"Буквы: средний нажим"}}, {34, 52}}},
        {35,
         {{{u"Нижим", u"Буквы: слабый нажим"},
           {u"Стиль букв", u"Лишены всех завитушек"},
           {u"Наклон строки", u"Прямо"},
           {u"Заглавные буквы", u"Без завитушек"},
           {u"Заглавные буквы", u"Пропорциональны"}},
          {13, 32, 35, 52}}},
        {36, {{{u"Нижим", u"Буквы: сильный нажим"}, {u"Размер", u"Средний"}}, {33, 36, 52}}},
        {37,
         {{{u"Нижим", u"Буквы: слабый нажим"},
           {u"Наклон строки", u"По-разному"},
           {u"Стиль букв", u"Некоторые буквы неразборчивы"},
           {u"7", u"Линия маленькая"},
           {u"Нижим", u"Штрихи: слабый нажим"}},
          {32, 37, 52}}},
        {38,
         {{{u"Нижим", u"Буквы: сильный нажим"}, {u"Стиль букв", u"Некоторые буквы более четко"}},
          {33, 38, 52}}},
        {39, {{{u"Нижим", u"Буквы: слабый нажим"}, {u"Подпись", u"Нажим сильный"}}, {32, 39, 52}}},
        {40,
         {{{u"Нижим", u"Буквы: сильный нажим"}, {u"Стиль букв", u"Оригинально написанные буквы"}},
          {33, 40, 52}}},
        {41, {{{u"Нижим", u"Буквы: сильный нажим"}, {u"Подпись", u"Нажим слабый"}}, {33, 41, 52}}},
        {42, {{{u"Нижим", u"Буквы: нажим меняется"}}, {42, 52}}},
        {43, {{{u"Размер", u"Мелкий"}}, {43, 52}}},
        {44, {{{u"Размер", u"Крупный"}}, {44, 51, 52}}},
        {45,
         {{{u"Размер", u"Мелкий"},
           {u"Разборчивость", u"Ясный, разборчивый"},
           {u"Заглавные буквы", u"Пропорциональны"}},
          {43, 45, 52}}},
        {46,
         {{{u"Размер", u"Мелкий"},
           {u"Стиль букв", u"Оригинально написанные буквы"},
           {u"Заглавные буквы", u"Размашистые и грациозные"}},
          {43, 46, 52}}},
        {47,
         {{{u"Размер", u"Мелкий"},
           {u"Стиль букв", u"Оригинально написанные буквы"},
           {u"Заглавные буквы", u"Размашистые и грациозные"},
           {u"7", u"Линия длинная"}},
          {43, 46, 47, 52}}},
        {48, {{{u"Размер", u"Мелкий"}, {u"Заглавные буквы", u"Велики"}}, {43, 48, 52}}},
        {49, {{{u"Размер", u"Мелкий"}, {u"Заглавные буквы", u"Малы"}}, {43, 49, 52}}},
        {50,
         {{{u"Размер", u"Крохотный"}, {u"Разборчивость", u"Ясный, но не совсем разборчивый"}},
          {50, 52}}},
        {51, {{{u"Размер", u"Крупный"}}, {44, 51, 52}}},
        {52, {{}, {52}}},
        {53,
         {{{u"Размер", u"Крупный"},
           {u"Стиль букв", u"Оригинально написанные буквы"},
           {u"Стиль букв", u"Бросаются в глаза"},
           {u"Штрихи", u"Длинный"}},
          {44, 51, 53}}},
        {54, {{{u"Заглавные буквы", u"Изящные"}}, {52, 54}}},
        {55,
         {{{u"Размер", u"Крупный"}, {u"Расстояние", u"Маленькое"}, {u"Форма букв", u"Угловатые"}},
          {23, 44, 51, 52, 55}}},
        {56, {{{u"Ё", u"Волнистые линии"}}, {52, 56}}},
        {57, {{{u"Ё", u"Точки поставлены низко"}, {u"Ё", u"Нажим на точки слабый"}}, {52, 57}}},
        {58,
         {{{u"Ё", u"Точки поставлены тщательно"}, {u"Ё", u"Нажим на точки сильный"}}, {52, 58}}},
        {59,
         {{{u"Ё", u"Точки направлены вниз"}, {u"Ё", u"Точки написаны тяжёлыми тупыми штрихами"}},
          {52, 59}}},
        {60, {{{u"Ё", u"В виде палатки"}}, {52, 60}}},
        {61, {{{u"Ё", u"Точки поставлены высоко"}}, {52, 61}}},
        {62,
         {{{u"Ё", u"Точки поставлены высоко"}, {u"Стиль букв", u"Лишены всех завитушек"}},
          {52, 61, 62}}},
        {63, {{{u"Ё", u"Точки поставлены высоко"}, {u"Стиль букв", u"Украшения"}}, {52, 61, 63}}},
        {64, {{{u"Ё", u"Без точек"}}, {52, 64}}},
        {65, {{{u"Ё", u"Округлые"}}, {52, 65}}},
    };
    return firings;
}

// The pairs of a rule's firing row.
inline Pairs PairsOf(int rule) { return Firings().at(rule).pairs; }

inline Pairs Plus(Pairs pairs, const Pairs& more) {
    pairs.insert(pairs.end(), more.begin(), more.end());
    return pairs;
}

inline Pairs Minus(Pairs pairs, std::u16string_view key, std::u16string_view value) {
    std::erase_if(pairs,
                  [&](const auto& pair) { return pair.first == key && pair.second == value; });
    return pairs;
}

// The paragraph that a rule writes for the person: its item among those of its firing
// row, or a note of how many items came back when the row does not hold.
inline std::string RuleParagraph(int rule, const Person& person) {
    const Firing& firing = Firings().at(rule);
    const std::vector<std::string> items = Veltan().Analyse(person, firing.pairs);
    if (items.size() != firing.fired.size())
        return "(" + std::to_string(items.size()) + " paragraphs)";
    const auto at = std::find(firing.fired.begin(), firing.fired.end(), rule);
    return items[static_cast<std::size_t>(at - firing.fired.begin())];
}

// The paragraphs that these rules write for the person, in the given order.
inline std::vector<std::string> RuleParagraphs(const std::vector<int>& rules,
                                               const Person& person) {
    std::vector<std::string> paragraphs;
    for (int rule : rules) paragraphs.push_back(RuleParagraph(rule, person));
    return paragraphs;
}

// The pattern of a paragraph: "N" for the name, "t" for the fixed text between.
inline std::string RulePattern(std::string_view paragraph) {
    std::string pattern;
    while (!paragraph.empty()) {
        const std::size_t name = paragraph.find(kRuleNameUtf8);
        if (name != 0) pattern += pattern.empty() ? "t" : " t";
        if (name == std::string_view::npos) break;
        pattern += pattern.empty() ? "N" : " N";
        paragraph.remove_prefix(name + kRuleNameUtf8.size());
    }
    return pattern;
}

}  // namespace veltantest
