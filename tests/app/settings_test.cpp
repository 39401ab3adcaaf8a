#include "settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A settings file in a fresh directory of its own.
class SettingsFile {
  public:
    SettingsFile() {
        dir_ = fs::temp_directory_path() /
               ("veltra_settings_" + std::to_string(::getpid()) + "_" + std::to_string(next_++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~SettingsFile() {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        if (fs::exists(Path()))
            fs::permissions(Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    fs::path Dir() const { return dir_; }
    std::string Path() const { return (dir_ / kSettingsFileName).string(); }
    void Write(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
    std::string Bytes() const {
        std::ifstream in(Path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void MakeReadOnly() const {
        fs::permissions(Path(),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

  private:
    static inline int next_ = 0;
    fs::path dir_;
};

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// Settings that differ from the defaults everywhere, to see what a read
// leaves alone.
TSettings Current() {
    TSettings s;
    s.StartDelay = TStartDelay::Long;
    s.AskSubjectAtStart = s.CheckSamples = s.AskOnExit = s.AskSaveOnExit = true;
    s.AnalyseBeforeShow = s.AnalyseBeforePrint = s.NoRepeatAnalysis = true;
    s.ShowAfterAnalysis = s.ChoosePrinter = true;
    s.Copies = 3;
    return s;
}

TSettings With(TSettings s, auto&& change) {
    change(s);
    return s;
}

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // none: no file at all
    bool readOnly = false;
    bool read;           // whether ReadSettingsFile reports a read
    TSettings expected;  // starting from Current()
};

class ReadSettings : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadSettings, GivesTheSettingsOfTheBytes) {
    const ReadCase& c = GetParam();
    SettingsFile file;
    if (c.file) file.Write(*c.file);
    if (c.readOnly) file.MakeReadOnly();
    TSettings settings = Current();
    EXPECT_EQ(ReadSettingsFile(file.Path(), settings), c.read);
    EXPECT_EQ(settings, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsOpt, ReadSettings,
    testing::Values(
        ReadCase{"Missing", std::nullopt, false, false, Current()},
        ReadCase{"Empty", "", false, false, Current()},
        ReadCase{"FiveBytesAreIgnoredAsAWhole", "3\1\1\1\1", false, false, Current()},
        ReadCase{"TenBytesAreIgnoredAsAWhole", Bytes({'3', 0, 0, 0, 0, 0, 0, 0, 0, '2'}), false,
                 false, Current()},
        ReadCase{"AllOff", Bytes({'1', 0, 0, 0, 0, 0, 0, 0, 0, '1', 0}), false, true, TSettings{}},
        ReadCase{"NoDelayAndSubjectAtStart", Bytes({'3', 1, 0, 0, 0, 0, 0, 0, 0, '1', 0}), false,
                 true,
                 With(TSettings{},
                      [](TSettings& s) {
                          s.StartDelay = TStartDelay::None;
                          s.AskSubjectAtStart = true;
                      })},
        // Every check byte sits at its own offset: one on, the rest off.
        ReadCase{"OnlyShowAfterAnalysis", Bytes({'2', 0, 0, 0, 0, 0, 0, 0, 1, '2', 0}), false, true,
                 With(TSettings{},
                      [](TSettings& s) {
                          s.StartDelay = TStartDelay::Short;
                          s.ShowAfterAnalysis = true;
                          s.Copies = 2;
                      })},
        ReadCase{"OnlyChoosePrinter", Bytes({'0', 0, 0, 0, 0, 0, 0, 0, 0, '3', 1}), false, true,
                 With(TSettings{},
                      [](TSettings& s) {
                          s.StartDelay = TStartDelay::Long;
                          s.Copies = 3;
                          s.ChoosePrinter = true;
                      })},
        ReadCase{"CheckByteTwoReadsOn", Bytes({'1', 0, 2, 0, 0, 0, 0, 0, 0, '1', 0}), false, true,
                 With(TSettings{}, [](TSettings& s) { s.CheckSamples = true; })},
        ReadCase{"CheckByteAsciiOneReadsOn", Bytes({'1', 0, 0, 0, 0, '1', 0, 0, 0, '1', 0}), false,
                 true, With(TSettings{}, [](TSettings& s) { s.AnalyseBeforeShow = true; })},
        ReadCase{"InvalidDelayAndCopiesKeepTheirChoice",
                 Bytes({'4', 0, 0, 0, 0, 0, 0, 0, 0, '0', 0}), false, true,
                 With(TSettings{},
                      [](TSettings& s) {
                          s.StartDelay = TStartDelay::Long;
                          s.Copies = 3;
                      })},
        ReadCase{"BinaryDelayAndCopiesKeepTheirChoice", Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0}),
                 false, true,
                 With(TSettings{},
                      [](TSettings& s) {
                          s.StartDelay = TStartDelay::Long;
                          s.Copies = 3;
                      })},
        ReadCase{"TwelveBytesReadFromTheFirstEleven",
                 Bytes({'2', 0, 0, 0, 0, 0, 0, 0, 0, '2', 1, 1}), false, true,
                 With(TSettings{},
                      [](TSettings& s) {
                          s.StartDelay = TStartDelay::Short;
                          s.Copies = 2;
                          s.ChoosePrinter = true;
                      })},
        // The file must open for writing as well; a read-only one is not read.
        ReadCase{"ReadOnlyIsNotRead", Bytes({'3', 0, 0, 0, 0, 0, 0, 0, 0, '1', 0}), true, false,
                 Current()}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(WriteSettings, WritesOneByteASettingInTableOrder) {
    SettingsFile file;
    TSettings s;
    s.StartDelay = TStartDelay::None;
    s.AskSubjectAtStart = true;
    s.AskSaveOnExit = true;
    s.NoRepeatAnalysis = true;
    s.Copies = 2;
    s.ChoosePrinter = true;
    EXPECT_TRUE(WriteSettingsFile(file.Path(), s).empty());
    EXPECT_EQ(file.Bytes(), Bytes({'3', 1, 0, 0, 1, 0, 0, 1, 0, '2', 1}));
}

TEST(WriteSettings, DefaultsWithoutAFile) {
    SettingsFile file;
    EXPECT_TRUE(WriteSettingsFile(file.Path(), TSettings{}).empty());
    EXPECT_EQ(file.Bytes(), Bytes({'1', 0, 0, 0, 0, 0, 0, 0, 0, '1', 0}));
}

// A twelve-byte file becomes exactly eleven bytes, and a check byte of 2 is
// written back as 1.
TEST(WriteSettings, WriteBackNormalisesTheFile) {
    SettingsFile file;
    file.Write(Bytes({'2', 2, 0, 0, 0, 0, 0, 0, 0, '3', 0, 7}));
    TSettings s;
    ASSERT_TRUE(ReadSettingsFile(file.Path(), s));
    EXPECT_TRUE(WriteSettingsFile(file.Path(), s).empty());
    EXPECT_EQ(file.Bytes(), Bytes({'2', 1, 0, 0, 0, 0, 0, 0, 0, '3', 0}));
}

TEST(WriteSettings, EveryStartDelayAndCopiesRoundTrips) {
    for (TStartDelay delay :
         {TStartDelay::Long, TStartDelay::Standard, TStartDelay::Short, TStartDelay::None}) {
        for (int copies = 1; copies <= 3; ++copies) {
            SettingsFile file;
            TSettings s;
            s.StartDelay = delay;
            s.Copies = copies;
            ASSERT_TRUE(WriteSettingsFile(file.Path(), s).empty());
            TSettings back = Current();
            ASSERT_TRUE(ReadSettingsFile(file.Path(), back));
            EXPECT_EQ(back, s);
        }
    }
}

struct Unwritable {
    const char* name;
    void (*prepare)(const SettingsFile&);
    std::string (*path)(const SettingsFile&);
};

class UnwritableSettings : public testing::TestWithParam<Unwritable> {};

// Both messages in order, and whatever was there before is still there.
TEST_P(UnwritableSettings, GivesBothMessagesAndKeepsTheOldFile) {
    const Unwritable& c = GetParam();
    SettingsFile file;
    c.prepare(file);
    const std::string path = c.path(file);
    const bool existed = fs::exists(path);
    const std::string before = existed && fs::is_regular_file(path) ? file.Bytes() : "";

    EXPECT_EQ(WriteSettingsFile(path, Current()),
              (std::vector<std::string>{"Файл настроек защищён от записи.",
                                        "Невозможно произвести запись настроек программы."}));
    EXPECT_EQ(fs::exists(path), existed);
    if (existed && fs::is_regular_file(path)) {
        EXPECT_EQ(file.Bytes(), before);
    }
    // No half-written temporary file is left beside it.
    const fs::path dir = fs::path(path).parent_path();
    if (fs::is_directory(dir)) {
        for (const auto& entry : fs::directory_iterator(dir))
            EXPECT_FALSE(entry.path().filename().string().starts_with("Options.opt."))
                << entry.path();
    }
}

INSTANTIATE_TEST_SUITE_P(
    OptionsOpt, UnwritableSettings,
    testing::Values(Unwritable{"ReadOnlyFile",
                               [](const SettingsFile& f) {
                                   f.Write(Bytes({'0', 1, 1, 1, 1, 1, 1, 1, 1, '3', 1}));
                                   f.MakeReadOnly();
                               },
                               [](const SettingsFile& f) { return f.Path(); }},
                    Unwritable{"MissingDirectory", [](const SettingsFile&) {},
                               [](const SettingsFile& f) {
                                   return (f.Dir() / "gone" / kSettingsFileName).string();
                               }},
                    Unwritable{"DirectoryInItsPlace",
                               [](const SettingsFile& f) { fs::create_directory(f.Path()); },
                               [](const SettingsFile& f) { return f.Path(); }}),
    [](const testing::TestParamInfo<Unwritable>& info) { return std::string(info.param.name); });

// Where the directory takes no new file (which binds only an ordinary user),
// a writable file is still overwritten in place.
TEST(WriteSettings, WritableFileInAClosedDirectory) {
    if (::geteuid() == 0) GTEST_SKIP() << "directory permissions do not bind the administrator";
    SettingsFile file;
    file.Write(Bytes({'0', 1, 1, 1, 1, 1, 1, 1, 1, '3', 1, 9, 9}));
    fs::permissions(file.Dir(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_TRUE(WriteSettingsFile(file.Path(), TSettings{}).empty());
    EXPECT_EQ(file.Bytes(), Bytes({'1', 0, 0, 0, 0, 0, 0, 0, 0, '1', 0}));
}

TEST(StartDelay, Milliseconds) {
    EXPECT_EQ(DelayMilliseconds(TStartDelay::Long), 3000);
    EXPECT_EQ(DelayMilliseconds(TStartDelay::Standard), 1000);
    EXPECT_EQ(DelayMilliseconds(TStartDelay::Short), 500);
    EXPECT_EQ(DelayMilliseconds(TStartDelay::None), 30);
}

}  // namespace
