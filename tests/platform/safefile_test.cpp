#include "safefile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class SafeFile : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("safefile_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::size_t FilesInDir() {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(SafeFile, ReplacesContentAndKeepsPermissions) {
    const fs::path file = dir_ / "list.sps";
    std::ofstream(file, std::ios::binary) << "old content that is longer";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(safefile::ReplaceFileContents(file, std::string("new\0bytes", 9)).Ok());
    EXPECT_EQ(Read(file), std::string("new\0bytes", 9));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesInDir(), 1u);
}

// The link stays a link; the file it names gets the content.
TEST_F(SafeFile, FollowsALink) {
    const fs::path file = dir_ / "real.opt";
    const fs::path link = dir_ / "link.opt";
    std::ofstream(file) << "old";
    fs::create_symlink(file, link);
    ASSERT_TRUE(safefile::ReplaceFileContents(link, "new").Ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(file), "new");
}

TEST_F(SafeFile, MissingDirectoryTakesNoTemporaryFile) {
    auto result = safefile::ReplaceFileContents(dir_ / "no" / "such.opt", "x");
    EXPECT_EQ(result.Status, safefile::TReplaceStatus::NoTemporaryFile);
    EXPECT_FALSE(result.Message().empty());
}

// A write that breaks off half-way (a full disk) leaves the old file whole.
TEST_F(SafeFile, BrokenWriteKeepsTheOldFile) {
    const fs::path file = dir_ / "names.sps";
    std::ofstream(file) << "old";
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4;
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    auto result = safefile::ReplaceFileContents(file, std::string(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(result.Status, safefile::TReplaceStatus::Failed);
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(FilesInDir(), 1u);
}

}  // namespace
