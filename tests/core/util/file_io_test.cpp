// Safe whole-file writing: a failed save (vanished folder, file size limit) leaves the old file intact.
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace qm {
namespace {

std::string Read(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
}

TEST(FileIo, SaveReplacesTheFileAndLeavesNoTemporaryBehind)
{
    test::TempDir dir;
    const std::string path = dir.File("a.xwd");
    WriteFileSafely(path, "old");
    WriteFileSafely(path, "new contents");
    EXPECT_EQ(Read(path), "new contents");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileIo, SaveIntoAVanishedFolderFailsClearly)
{
    test::TempDir dir;
    try {
        WriteFileSafely(dir.File("gone/a.xwd"), "x");
        FAIL();
    } catch (const Failure& e) {
        EXPECT_NE(std::string(e.what()).find("Could not save"), std::string::npos);
    }
}

TEST(FileIo, SaveThatRunsOutOfSpaceKeepsTheOldFile)
{
    test::TempDir dir;
    const std::string path = dir.File("a.xwd");
    WriteFileSafely(path, "the good crossword");

    // A file size limit makes the write fail the way a full disk does.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        WriteFileSafely(path, std::string(4096, 'x'));
    } catch (const Failure&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(failed);
    EXPECT_EQ(Read(path), "the good crossword");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace qm
