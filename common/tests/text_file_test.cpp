// Whole-file reads and safe replacement: exact bytes both ways, and the old file kept on failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/text_file.h"

namespace common {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("textfile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

TEST_F(TextFileTest, ReplaceCreatesTheFileWithExactlyTheBytesGiven) {
    const std::string path = PathOf("highscore.dat");
    ASSERT_TRUE(ReplaceWholeFile(path, "6\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "6\r\n");
    EXPECT_EQ(fs::file_size(path), 3u);
}

TEST_F(TextFileTest, LineEndsSurviveTheRoundTripUntranslated) {
    const std::string path = PathOf("list.txt");
    const std::string bytes = "cat\r\ndog\nemu\rfox\r\n\x1a" "after";
    ASSERT_TRUE(ReplaceWholeFile(path, bytes));
    EXPECT_EQ(ReadWholeFile(path), bytes);
    // A bounded read stops one byte past its bound, so a longer file shows as longer.
    EXPECT_EQ(ReadWholeFile(path, 4), "cat\r\n");
    EXPECT_EQ(ReadWholeFile(path, bytes.size()), bytes);
}

TEST_F(TextFileTest, ReplaceOverwritesAnExistingFileAndLeavesNoTemporaryBehind) {
    const std::string path = PathOf("diff.dat");
    ASSERT_TRUE(ReplaceWholeFile(path, "a much longer old content\r\n"));
    ASSERT_TRUE(ReplaceWholeFile(path, "6\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "6\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, AFailedReplaceKeepsTheOldFileWhole) {
    const std::string path = PathOf("highscore.dat");
    ASSERT_TRUE(ReplaceWholeFile(path, "17\r\n"));
    // A folder standing where the temporary file must go makes the write fail before the rename.
    fs::create_directory(path + ".new");
    EXPECT_FALSE(ReplaceWholeFile(path, "18\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "17\r\n");
}

#ifndef _WIN32
TEST_F(TextFileTest, AWriteThatFailsOnAFullDiskLeavesNoTemporaryBehind) {
    const std::string path = PathOf("highscore.dat");
    ASSERT_TRUE(ReplaceWholeFile(path, "17\r\n"));
    // The temporary file opens, but every byte written to it meets a full disk.
    fs::create_symlink("/dev/full", path + ".new");
    EXPECT_FALSE(ReplaceWholeFile(path, "18\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "17\r\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(path + ".new")));
}
#endif

TEST_F(TextFileTest, ReplaceInAMissingFolderFails) {
    EXPECT_FALSE(ReplaceWholeFile(PathOf("no such folder/diff.dat"), "6\r\n"));
}

TEST_F(TextFileTest, MissingFilesAndFoldersReadAsNothing) {
    EXPECT_EQ(ReadWholeFile(PathOf("missing.dat")), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder_.string()), std::nullopt);
    EXPECT_FALSE(RegularFileExists(PathOf("missing.dat")));
    EXPECT_FALSE(RegularFileExists(folder_.string()));
    std::ofstream(PathOf("empty.dat")).close();
    EXPECT_EQ(ReadWholeFile(PathOf("empty.dat")), "");
    EXPECT_TRUE(RegularFileExists(PathOf("empty.dat")));
}

}  // namespace
}  // namespace common
