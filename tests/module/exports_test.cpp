// The exports of libveltan.so, the calling order and the result list, as a host sees them.

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdio>
#include <set>
#include <sstream>

#include "chost.h"
#include "veltanlib.h"

namespace {

// Rows of the case tables print as their names.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

using veltantest::BinFile;
using veltantest::Bstr;
using veltantest::Pairs;
using veltantest::Veltan;

const Pairs kRule1 = {{u"а: Отделение штриха", u"Слегка отделяется"},
                      {u"а: Направление штриха", u"Вверх"},
                      {u"а: Кривизна штриха", u"Прямой"}};

// The standard output of a command.
std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// The names of the symbols that nm lists with these options.
std::set<std::string> Symbols(const std::string& options, std::string_view library) {
    std::set<std::string> names;
    std::istringstream lines(Output("nm -D " + options + " " + BinFile(library)));
    for (std::string line; std::getline(lines, line);)
        names.insert(line.substr(line.find_last_of(' ') + 1));
    return names;
}

struct ExportCase {
    const char* name;
    const char* library;
    std::set<std::string> exports;
};

class Exports : public testing::TestWithParam<ExportCase> {};

TEST_P(Exports, AreExactlyTheDocumentedNames) {
    EXPECT_EQ(Symbols("--defined-only", GetParam().library), GetParam().exports);
}

INSTANTIATE_TEST_SUITE_P(Libraries, Exports,
                         testing::Values(ExportCase{"Veltan",
                                                    "libveltan.so",
                                                    {"Version", "ClearINFO", "ChangeParameters",
                                                     "Analizing", "AddParameters", "ResultCount",
                                                     "ResultItem"}},
                                         ExportCase{"Bstr",
                                                    "libbstr.so",
                                                    {"SysAllocStringLen", "SysReAllocStringLen",
                                                     "SysFreeString", "SysStringLen"}},
                                         ExportCase{"Parsek", "libparsek.so", {"ReadSection"}},
                                         ExportCase{"Strimo", "libstrimo.so", {"EqStrings"}}),
                         [](const auto& info) { return info.param.name; });

// The module links the outside functions by name and finds their libraries beside it.
TEST(Imports, OutsideLibrariesByNameFromItsOwnFolder) {
    const std::set<std::string> undefined = Symbols("--undefined-only", "libveltan.so");
    EXPECT_TRUE(undefined.contains("ReadSection"));
    EXPECT_TRUE(undefined.contains("EqStrings"));
    const std::string dynamic = Output("readelf -d " + BinFile("libveltan.so"));
    EXPECT_NE(dynamic.find("[libparsek.so]"), std::string::npos);
    EXPECT_NE(dynamic.find("[libstrimo.so]"), std::string::npos);
    EXPECT_NE(dynamic.find("[libbstr.so]"), std::string::npos);
    EXPECT_NE(dynamic.find("Library runpath: [$ORIGIN]"), std::string::npos);
}

TEST(Version, FillsAnEmptyVariable) {
    Bstr version;
    Veltan().Version(version.Out());
    EXPECT_EQ(version.Wide(), u"2.0.0.2 - 0001");
}

// The old string is freed and replaced, not appended to (valgrind sees the free).
TEST(Version, ReplacesTheStringTheVariableHolds) {
    Bstr version(u"строка, которую держала переменная раньше");
    Veltan().Version(version.Out());
    EXPECT_EQ(version.Wide(), u"2.0.0.2 - 0001");
    EXPECT_EQ(SysStringLen(version.Get()), 14u);
}

TEST(Version, IgnoresANullVariableAddress) { Veltan().Version(nullptr); }

TEST(Version, ReadByAHostWrittenInC) { EXPECT_EQ(CHostVersionLength(Veltan().Version), 14u); }

TEST(CallingOrder, AnalizingReturnsTheSameListWithTheSameParagraphs) {
    Veltan().ClearINFO();
    Veltan().SetPerson({u"Иван", u"Мужской", u"Лично"});
    for (const auto& [key, value] : kRule1) Veltan().Add(key, value);
    const void* first = Veltan().Analizing();
    const std::vector<std::string> firstItems = Veltan().Items(first);
    const void* second = Veltan().Analizing();
    EXPECT_EQ(second, first);
    EXPECT_EQ(Veltan().Items(second), firstItems);
    EXPECT_NE(std::find(firstItems.begin(), firstItems.end(),
                        "Иван, у Вас есть фантазия и живость натуры. Вы религиозен и добр. "),
              firstItems.end());
}

TEST(CallingOrder, ClearINFOKeepsTheLastParagraphsUntilTheNextAnalizing) {
    const std::vector<std::string> withRule1 =
        Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, kRule1);
    const void* list = Veltan().Analizing();
    Veltan().ClearINFO();
    EXPECT_EQ(Veltan().Items(list), withRule1);
    Veltan().Analizing();
    EXPECT_EQ(Veltan().Items(list), Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, {}));
    EXPECT_EQ(Veltan().Items(list).size() + 1, withRule1.size());
}

// Without entries the one rule whose condition is a negation still fires.
TEST(CallingOrder, AnalizingWithoutEntriesGivesOneParagraph) {
    const std::vector<std::string> items = Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, {});
    ASSERT_EQ(items.size(), 1u);
    EXPECT_TRUE(items[0].ends_with(". ")) << items[0];
}

TEST(CallingOrder, SamePairsInAnyOrderGiveTheSameParagraphs) {
    Pairs all = kRule1;
    all.insert(all.end(), {{u"А: Просторность", u"Узкая"},
                           {u"А: Крючок", u"Маленький"},
                           {u"А: Остроконечность", u"Остроконечная"},
                           {u"А: Крючок", u"Наподобие нуля"}});
    const std::vector<std::string> forward =
        Veltan().Analyse({u"Анна", u"Женский", u"Другой"}, all);
    std::reverse(all.begin(), all.end());
    EXPECT_EQ(Veltan().Analyse({u"Анна", u"Женский", u"Другой"}, all), forward);
    std::rotate(all.begin(), all.begin() + 3, all.end());
    EXPECT_EQ(Veltan().Analyse({u"Анна", u"Женский", u"Другой"}, all), forward);
}

enum class ListKind { Module, Null, Foreign };

struct AccessCase {
    const char* name;
    ListKind list;
    int index;  // INT_MIN: ResultCount itself
};

class OutOfRange : public testing::TestWithParam<AccessCase> {};

TEST_P(OutOfRange, GivesTheEmptyStringInTheVariable) {
    const void* module = Veltan().Analizing();
    const int foreign = 0;
    const void* list = GetParam().list == ListKind::Module ? module
                       : GetParam().list == ListKind::Null ? nullptr
                                                           : &foreign;
    const int index = GetParam().index == INT_MIN ? Veltan().ResultCount(list) : GetParam().index;
    Bstr item(u"прежнее содержимое");
    Veltan().ResultItem(list, index, item.Out());
    EXPECT_NE(item.Get(), nullptr);
    EXPECT_EQ(item.Wide(), u"");
    if (GetParam().list != ListKind::Module) {
        EXPECT_EQ(Veltan().ResultCount(list), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(ResultItem, OutOfRange,
                         testing::Values(AccessCase{"IndexMinusOne", ListKind::Module, -1},
                                         AccessCase{"IndexCount", ListKind::Module, INT_MIN},
                                         AccessCase{"IndexMax", ListKind::Module, INT_MAX},
                                         AccessCase{"NullList", ListKind::Null, 0},
                                         AccessCase{"ForeignList", ListKind::Foreign, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(ResultItem, ReplacesTheStringTheVariableHolds) {
    const std::vector<std::string> items =
        Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, kRule1);
    ASSERT_FALSE(items.empty());
    Bstr item(u"прежнее содержимое");
    Veltan().ResultItem(Veltan().Analizing(), 0, item.Out());
    EXPECT_EQ(item.Utf8(), items[0]);
}

// The item is the caller's copy: neither the next analysis nor unloading touches it
// (valgrind would see a read of freed memory).
TEST(ResultItem, OutlivesTheNextAnalysisAndTheLibrary) {
    const std::vector<std::string> items =
        Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, kRule1);
    ASSERT_FALSE(items.empty());
    Bstr item;
    Veltan().ResultItem(Veltan().Analizing(), 0, item.Out());
    Veltan().Analyse({u"Анна", u"Женский", u"Другой"}, {});
    EXPECT_EQ(item.Utf8(), items[0]);
    Veltan().Reload();
    EXPECT_EQ(item.Utf8(), items[0]);
}

TEST(ResultItem, IgnoresANullVariableAddress) {
    Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, kRule1);
    Veltan().ResultItem(Veltan().Analizing(), 0, nullptr);
}

// Restores an environment variable when the test ends.
class EnvironmentVariable {
  public:
    explicit EnvironmentVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) saved_ = value;
    }
    ~EnvironmentVariable() {
        if (saved_)
            setenv(name_, saved_->c_str(), 1);
        else
            unsetenv(name_);
    }
    void Set(const char* value) const { setenv(name_, value, 1); }
    void Unset() const { unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

struct DisplayCase {
    const char* name;
    const char* platform;  // null: unset
    const char* display;   // null: unset
};

class WindowSystem : public testing::TestWithParam<DisplayCase> {};

// This test program is a host without Qt: the module starts its own application where
// it can show a window and must neither abort nor change the host's locale.
TEST_P(WindowSystem, AnalysisRunsAndTheHostLocaleStays) {
    const EnvironmentVariable platform("QT_QPA_PLATFORM");
    const EnvironmentVariable display("DISPLAY");
    const EnvironmentVariable wayland("WAYLAND_DISPLAY");
    GetParam().platform ? platform.Set(GetParam().platform) : platform.Unset();
    GetParam().display ? display.Set(GetParam().display) : display.Unset();
    wayland.Unset();
    Veltan().Reload();
    ASSERT_NE(std::setlocale(LC_ALL, "C.utf8"), nullptr);
    const std::vector<std::string> items =
        Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, kRule1);
    EXPECT_NE(std::find(items.begin(), items.end(),
                        "Иван, у Вас есть фантазия и живость натуры. Вы религиозен и добр. "),
              items.end());
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C.utf8");
    std::setlocale(LC_ALL, "C");
    Veltan().Reload();
}

INSTANTIATE_TEST_SUITE_P(Analizing, WindowSystem,
                         testing::Values(DisplayCase{"Offscreen", "offscreen", nullptr},
                                         DisplayCase{"NoDisplayAtAll", nullptr, nullptr},
                                         DisplayCase{"UnreachableDisplay", nullptr, ":97"}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
