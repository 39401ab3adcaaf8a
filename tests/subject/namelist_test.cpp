#include "namelist.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>

#include "cp1251.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

// Windows-1251 bytes of UTF-8 text.
std::string Cp(std::string_view text) { return cp1251::FromUtf8(text); }

// The list file of the names: Windows-1251, CR LF after every line.
std::string ListFile(std::initializer_list<std::string_view> names) {
    std::string content;
    for (std::string_view name : names) content += Cp(name) + "\r\n";
    return content;
}

// Table rows print as their names.
template <class Case>
requires requires(const Case& row) { row.name; }
void PrintTo(const Case& row, std::ostream* out) { *out << row.name; }

// A directory of its own for each test, removed afterwards.
class NameListFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "namelist_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name = "NameM.sps") const { return (dir_ / name).string(); }

    void Write(const std::string& content, const std::string& name = "NameM.sps") const {
        std::ofstream(Path(name), std::ios::binary) << content;
    }

    std::string Read(const std::string& name = "NameM.sps") const {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    // The directory's file names, to see that nothing was left behind.
    Names Files() const {
        Names names;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TNameList Loaded(const std::string& content) const {
        Write(content);
        TNameList list;
        EXPECT_TRUE(list.Load(Path()));
        return list;
    }

    fs::path dir_;
};

// Line endings: every style reads the same names, and the file is written
// back with CR LF after every line.

struct LineEndingCase {
    const char* name;
    std::string content;
};

class LineEndings : public NameListFiles, public ::testing::WithParamInterface<LineEndingCase> {};

TEST_P(LineEndings, ReadAlikeAndWriteCrLf) {
    TNameList list = Loaded(GetParam().content);
    EXPECT_EQ(list.Texts(), (Names{"Анна", "Борис", "Вера"}));
    ASSERT_TRUE(AddToNameList(list, "Галина", Path()));
    EXPECT_EQ(Read(), ListFile({"Анна", "Борис", "Вера", "Галина"}));
}

INSTANTIATE_TEST_SUITE_P(
    NameList, LineEndings,
    ::testing::Values(LineEndingCase{"CrLf", Cp("Анна\r\nБорис\r\nВера\r\n")},
                      LineEndingCase{"Lf", Cp("Анна\nБорис\nВера\n")},
                      LineEndingCase{"Cr", Cp("Анна\rБорис\rВера\r")},
                      LineEndingCase{"Mixed", Cp("Анна\rБорис\nВера\r\n")},
                      LineEndingCase{"NoEndAfterLastLine", Cp("Анна\r\nБорис\r\nВера")},
                      LineEndingCase{"Unsorted", Cp("Вера\r\nАнна\r\nБорис\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NameListFiles, EmptyLinesAreEntries) {
    // LF CR is two line ends; CR CR LF too.
    TNameList list = Loaded(Cp("Анна\n\rБорис\r\r\n"));
    EXPECT_EQ(list.Texts(), (Names{"", "Анна", "Борис"}));
}

TEST_F(NameListFiles, EmptyFileIsEmptyList) {
    TNameList list = Loaded("");
    EXPECT_EQ(list.Size(), 0u);
    ASSERT_TRUE(AddToNameList(list, "", Path()));
    EXPECT_EQ(Read(), "\r\n");
}

// Order: without regard to case, ё right after е, Latin before Cyrillic,
// other characters before letters, a shorter name before a longer one.

struct OrderCase {
    const char* name;
    Names file;    // in file order
    Names sorted;  // as the list shows them
};

class Order : public NameListFiles, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(Order, LoadSorts) {
    std::string content;
    for (const std::string& name : GetParam().file) content += Cp(name) + "\r\n";
    EXPECT_EQ(Loaded(content).Texts(), GetParam().sorted);
}

TEST_P(Order, AddSorts) {
    TNameList list;
    for (const std::string& name : GetParam().file) EXPECT_TRUE(list.Add(name)) << name;
    EXPECT_EQ(list.Texts(), GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    NameList, Order,
    ::testing::Values(
        OrderCase{"YoRightAfterYe",
                  {"Филипп", "Фёдор", "Фаина", "Федот", "Фока"},
                  {"Фаина", "Федот", "Фёдор", "Филипп", "Фока"}},
        OrderCase{"CapitalYoRightAfterYe",
                  {"Жанна", "Ёлка", "Егор", "Ефим"},
                  {"Егор", "Ефим", "Ёлка", "Жанна"}},
        OrderCase{"YoAgainstYeLater", {"Артём", "Артемий", "Артур"}, {"Артемий", "Артём", "Артур"}},
        OrderCase{"MixedCase",
                  {"борис", "АЛЛА", "Алексей", "ВЕРА", "анна"},
                  {"Алексей", "АЛЛА", "анна", "борис", "ВЕРА"}},
        OrderCase{"EndOfAlphabet", {"Яна", "Эмма", "Юлия", "Ян"}, {"Эмма", "Юлия", "Ян", "Яна"}},
        OrderCase{"LatinBeforeCyrillic",
                  {"Анна", "John", "alex", "Zoe"},
                  {"alex", "John", "Zoe", "Анна"}},
        OrderCase{"OtherCharactersFirst",
                  {"Анна", "-", "1", " Анна", "Анна-Мария"},
                  {" Анна", "-", "1", "Анна", "Анна-Мария"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Duplicates: entries equal without regard to case are kept once.

TEST_F(NameListFiles, LoadKeepsTheFirstOfCaseDuplicates) {
    TNameList list = Loaded(ListFile({"АННА", "Борис", "Анна", "анна", "ёлка", "ЁЛКА", "елка"}));
    EXPECT_EQ(list.Texts(), (Names{"АННА", "Борис", "елка", "ёлка"}));
}

struct AddCase {
    const char* name;
    const char* text;
    bool added;
    Names shown;
};

class Additions : public ::testing::TestWithParam<AddCase> {};

TEST_P(Additions, AddsUnlessEqualWithoutCase) {
    TNameList list;
    for (const char* name : {"Анна", "Ёлка", "John"}) list.Add(name);
    EXPECT_EQ(list.Add(GetParam().text), GetParam().added);
    EXPECT_EQ(list.Texts(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    NameList, Additions,
    ::testing::Values(AddCase{"SameName", "Анна", false, {"John", "Анна", "Ёлка"}},
                      AddCase{"CyrillicCaseOnly", "аННА", false, {"John", "Анна", "Ёлка"}},
                      AddCase{"YoCaseOnly", "ёЛКА", false, {"John", "Анна", "Ёлка"}},
                      AddCase{"LatinCaseOnly", "JOHN", false, {"John", "Анна", "Ёлка"}},
                      AddCase{"YeIsNotYo", "Елка", true, {"John", "Анна", "Елка", "Ёлка"}},
                      AddCase{"Empty", "", true, {"", "John", "Анна", "Ёлка"}},
                      AddCase{"OneSpace", " ", true, {" ", "John", "Анна", "Ёлка"}},
                      AddCase{
                          "LetterTheCodePageLacks", "Zoë", true, {"John", "Zo?", "Анна", "Ёлка"}},
                      AddCase{"LineBreakBecomesSpace",
                              "Анна\r\nМария",
                              true,
                              {"John", "Анна", "Анна  Мария", "Ёлка"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NameList, ContainsIsExactAndCaseSensitive) {
    TNameList list;
    list.Add("Анна");
    list.Add("");
    EXPECT_TRUE(list.Contains("Анна"));
    EXPECT_TRUE(list.Contains(""));
    EXPECT_FALSE(list.Contains("анна"));
    EXPECT_FALSE(list.Contains("Анна "));
    EXPECT_FALSE(list.Contains(" "));
}

// Reading failures leave the list as it was.

TEST_F(NameListFiles, UnreadableFileLeavesTheList) {
    TNameList list = Loaded(ListFile({"Борис"}));
    fs::create_directory(Path("Directory.sps"));
    for (const char* name : {"Missing.sps", "Directory.sps"}) {
        EXPECT_FALSE(list.Load(Path(name))) << name;
        EXPECT_EQ(list.Texts(), Names{"Борис"}) << name;
    }
}

// Damaged files: every line comes back byte for byte; only the added name is
// new. The files are sorted already, so the whole file can be compared.

struct DamagedCase {
    const char* name;
    std::string before;  // a sorted file
    std::string after;   // the same after adding "Вера"
};

class DamagedFiles : public NameListFiles, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFiles, KeepEveryLine) {
    TNameList list = Loaded(GetParam().before);
    ASSERT_TRUE(AddToNameList(list, "Вера", Path()));
    EXPECT_TRUE(Read() == GetParam().after) << "written: " << Read().size() << " bytes";
}

const std::string kLongLine(100000, '\xDF');  // "ЯЯЯ..."
const std::string kUtf8Names = "Анна\r\nИнна\r\nИона\r\n";

INSTANTIATE_TEST_SUITE_P(
    NameList, DamagedFiles,
    ::testing::Values(
        // 0x98 is not a character of the code page.
        DamagedCase{"UnassignedByte", Cp("Ан") + "\x98" + Cp("на\r\nБорис\r\n"),
                    Cp("Ан") + "\x98" + Cp("на\r\nБорис\r\nВера\r\n")},
        DamagedCase{"LongLine", ListFile({"Анна"}) + kLongLine + "\r\n",
                    ListFile({"Анна", "Вера"}) + kLongLine + "\r\n"},
        DamagedCase{"BinaryWithNuls", std::string("\0\x01\x02\xFF\0\r\n", 7) + ListFile({"Анна"}),
                    std::string("\0\x01\x02\xFF\0\r\n", 7) + ListFile({"Анна", "Вера"})},
        // Read as Windows-1251, "Инна" and "Иона" in UTF-8 would differ only
        // in the case of one letter (Ѕ and ѕ), and one would be lost.
        DamagedCase{"Utf8Text", kUtf8Names, "Анна\r\n" + Cp("Вера\r\n") + "Инна\r\nИона\r\n"},
        DamagedCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBF" + kUtf8Names,
                    "\xEF\xBB\xBFАнна\r\n" + Cp("Вера\r\n") + "Инна\r\nИона\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NameListFiles, DamagedEntriesAreShownReadably) {
    std::string utf8 = "Инна\r\nИона\r\n";
    TNameList list = Loaded(utf8 + kLongLine + "\r\n" + Cp("Борис\r\n"));
    std::string cut;
    for (std::size_t i = 0; i < kLongestShownName; ++i) cut += "Я";
    EXPECT_EQ(list.Texts(), (Names{"Борис", "Инна", "Иона", cut + "…"}));
    EXPECT_TRUE(list.Contains("Инна"));
}

// Writing failures keep the old file and leave nothing behind.

TEST_F(NameListFiles, DirectoryThatIsAFile) {
    Write("", "NotADirectory");
    TNameList list;
    EXPECT_FALSE(AddToNameList(list, "Вера", Path("NotADirectory") + "/NameW.sps"));
    // The list keeps the name all the same.
    EXPECT_EQ(list.Texts(), Names{"Вера"});
}

TEST_F(NameListFiles, FileThatIsADirectory) {
    fs::create_directory(Path());
    TNameList list;
    EXPECT_FALSE(AddToNameList(list, "Вера", Path()));
    EXPECT_TRUE(fs::is_directory(Path()));
    EXPECT_EQ(Files(), Names{"NameM.sps"});
}

// A write that breaks off half-way (as on a full disk) must not cut the old
// file short. Tests run as root, who may write anywhere; a file size limit
// breaks the write off instead.
TEST_F(NameListFiles, BrokenOffWriteKeepsTheOldFile) {
    std::string old = ListFile({"Анна", "Борис", "Вера", "Галина", "Дарья", "Евгения"});
    TNameList list = Loaded(old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = AddToNameList(list, "Жанна", Path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(Read(), old);
    EXPECT_EQ(Files(), Names{"NameM.sps"});
}

TEST_F(NameListFiles, RewriteKeepsModeAndLink) {
    Write(ListFile({"Анна"}), "Names.sps");
    fs::permissions(Path("Names.sps"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(Path("Names.sps"), Path());
    TNameList list = Loaded(Read());
    ASSERT_TRUE(AddToNameList(list, "Борис", Path()));
    EXPECT_TRUE(fs::is_symlink(Path()));
    EXPECT_EQ(Read("Names.sps"), ListFile({"Анна", "Борис"}));
    EXPECT_EQ(fs::status(Path("Names.sps")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(NameListFiles, NewFileIsCreated) {
    TNameList list;
    ASSERT_TRUE(AddToNameList(list, "Вера", Path("NameW.sps")));
    EXPECT_EQ(Read("NameW.sps"), ListFile({"Вера"}));
}

// The lists that come with the program are in order: loading and writing
// them back changes nothing.
class ShippedLists : public NameListFiles, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShippedLists, AreSortedWithoutDuplicates) {
    const char* bin = std::getenv("VELTRA_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    std::ifstream in(fs::path(bin) / GetParam(), std::ios::binary);
    ASSERT_TRUE(in) << GetParam();
    std::ostringstream content;
    content << in.rdbuf();
    TNameList list = Loaded(content.str());
    EXPECT_GE(list.Size(), 150u);
    ASSERT_TRUE(list.Save(Path()));
    EXPECT_TRUE(Read() == content.str()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(NameList, ShippedLists,
                         ::testing::Values("NameM.sps", "NameW.sps", "SurNameM.sps",
                                           "SurNameW.sps"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
