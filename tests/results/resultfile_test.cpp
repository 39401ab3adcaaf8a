#include "resultfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class ReplaceFileContentsTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("results_file_test_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(ReplaceFileContentsTest, ReplacesTheWholeFileAndKeepsItsPermissions) {
    std::ofstream(Path("итог.rtf")) << "a much longer old content";
    fs::permissions(Path("итог.rtf"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReplaceFileContents(Path("итог.rtf"), "new"), "");
    EXPECT_EQ(Read(Path("итог.rtf")), "new");
    EXPECT_EQ(fs::status(Path("итог.rtf")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(), std::vector<std::string>{"итог.rtf"});  // no temporary file left
}

// Saving over a link replaces the file it points at, not the link.
TEST_F(ReplaceFileContentsTest, WritesThroughALink) {
    std::ofstream(Path("real.rtf")) << "old";
    fs::create_symlink(Path("real.rtf"), Path("link.rtf"));
    EXPECT_EQ(ReplaceFileContents(Path("link.rtf"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(Path("link.rtf")));
    EXPECT_EQ(Read(Path("real.rtf")), "new");
}

TEST_F(ReplaceFileContentsTest, ReportsAMissingDirectoryAndCreatesNothing) {
    EXPECT_NE(ReplaceFileContents(Path("нет/итог.rtf"), "new"), "");
    EXPECT_TRUE(Names().empty());
}

}  // namespace
