// Whole-file reads and safe replacement: exact bytes both ways, and the old file kept on failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

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
    ASSERT_EQ(ReplaceWholeFile(path, "6\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(ReadWholeFile(path), "6\r\n");
    EXPECT_EQ(fs::file_size(path), 3u);
}

TEST_F(TextFileTest, LineEndsSurviveTheRoundTripUntranslated) {
    const std::string path = PathOf("list.txt");
    const std::string bytes =
        "cat\r\ndog\nemu\rfox\r\n\x1a"
        "after";
    ASSERT_EQ(ReplaceWholeFile(path, bytes), SaveOutcome::Saved);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    // A bounded read stops one byte past its bound, so a longer file shows as longer.
    EXPECT_EQ(ReadWholeFile(path, 4), "cat\r\n");
    EXPECT_EQ(ReadWholeFile(path, bytes.size()), bytes);
}

TEST_F(TextFileTest, ReplaceOverwritesAnExistingFileAndLeavesNoTemporaryBehind) {
    const std::string path = PathOf("diff.dat");
    ASSERT_EQ(ReplaceWholeFile(path, "a much longer old content\r\n"), SaveOutcome::Saved);
    ASSERT_EQ(ReplaceWholeFile(path, "6\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(ReadWholeFile(path), "6\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, AFailedReplaceKeepsTheOldFileWholeAndLeavesNoTemporaryBehind) {
    // A folder where the file should be: the new bytes are written, but cannot be put in its place.
    const std::string path = PathOf("highscore.dat");
    fs::create_directory(path);
    EXPECT_EQ(ReplaceWholeFile(path, "18\r\n"), SaveOutcome::Failed);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, ReplaceInAMissingFolderFails) {
    EXPECT_EQ(ReplaceWholeFile(PathOf("no such folder/diff.dat"), "6\r\n"), SaveOutcome::Failed);
}

TEST_F(TextFileTest, APathTooLongForTheSystemIsToldApart) {
    const std::string name(300, 'x');
    EXPECT_EQ(ReplaceWholeFile(PathOf(name), "6\r\n"), SaveOutcome::PathTooLong);
    EXPECT_EQ(ReadWholeFile(PathOf(name)), std::nullopt);
}

#ifndef _WIN32
TEST_F(TextFileTest, AWriteThatFailsOnAFullDiskKeepsTheOldFileAndLeavesNoTemporaryBehind) {
    const std::string path = PathOf("highscore.dat");
    ASSERT_EQ(ReplaceWholeFile(path, "17\r\n"), SaveOutcome::Saved);
    // Files may grow to two bytes only, as on a disk that is full: the write meets the limit.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = before;
    tiny.rlim_cur = 2;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const SaveOutcome outcome = ReplaceWholeFile(path, "18 and a good deal more\r\n");
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    EXPECT_EQ(ReadWholeFile(path), "17\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, NothingLeftAtATemporaryNameIsWrittenThroughOrWaitedOn) {
    const std::string path = PathOf("diff.dat");
    const std::string scores = PathOf("highscore.dat");
    ASSERT_EQ(ReplaceWholeFile(scores, "7\r\n"), SaveOutcome::Saved);
    // What a crash or a mischief may leave where a save puts its temporary file: a pipe nobody
    // reads, a link to another saved file, a folder.
    const std::string own = path + "." + std::to_string(getpid());
    ASSERT_EQ(mkfifo((path + ".new").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((own + ".new").c_str(), 0600), 0);
    fs::create_symlink(scores, own + "-1.new");
    fs::create_directory(own + "-2.new");
    ASSERT_EQ(ReplaceWholeFile(path, "6\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(ReadWholeFile(path), "6\r\n");
    EXPECT_EQ(ReadWholeFile(scores), "7\r\n");
    EXPECT_TRUE(fs::is_fifo(own + ".new"));
}

TEST_F(TextFileTest, APipeOrALinkAtTheSavedFilesNameIsReplacedNotFollowedAndNeverWaitedOn) {
    const std::string path = PathOf("diff.dat");
    const std::string scores = PathOf("highscore.dat");
    ASSERT_EQ(ReplaceWholeFile(scores, "7\r\n"), SaveOutcome::Saved);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt);
    ASSERT_EQ(ReplaceWholeFile(path, "6\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(ReadWholeFile(path), "6\r\n");
    fs::remove(path);
    fs::create_symlink(scores, path);
    ASSERT_EQ(ReplaceWholeFile(path, "45\r\n"), SaveOutcome::Saved);
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(ReadWholeFile(scores), "7\r\n");
}

TEST_F(TextFileTest, TwoCopiesSavingAtOnceEachSaveWholeBytes) {
    // Two games closing together (a log-off) each replace the same file many times over; every
    // reading in between finds one copy's bytes whole, and no save of either fails.
    const std::string path = PathOf("diff.dat");
    ASSERT_EQ(ReplaceWholeFile(path, "34\r\n"), SaveOutcome::Saved);
    constexpr int kSaves = 40;
    std::vector<pid_t> copies;
    for (const char* bytes : {"6\r\n", "-1\r\n"}) {
        const pid_t copy = fork();
        if (copy == 0) {
            int failures = 0;
            for (int save = 0; save < kSaves; ++save) {
                failures += ReplaceWholeFile(path, bytes) == SaveOutcome::Saved ? 0 : 1;
            }
            _exit(failures);
        }
        copies.push_back(copy);
    }
    std::vector<int> failedSaves(copies.size(), -1);
    for (bool running = true; running;) {
        const std::optional<std::string> seen = ReadWholeFile(path);
        ASSERT_TRUE(seen == "34\r\n" || seen == "6\r\n" || seen == "-1\r\n") << (seen ? *seen : "(nothing)");
        running = false;
        for (std::size_t i = 0; i < copies.size(); ++i) {
            int status = 0;
            if (failedSaves[i] < 0 && waitpid(copies[i], &status, WNOHANG) == copies[i]) {
                failedSaves[i] = WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
            }
            running = running || failedSaves[i] < 0;
        }
    }
    EXPECT_EQ(failedSaves, (std::vector<int>{0, 0}));
    const std::optional<std::string> last = ReadWholeFile(path);
    EXPECT_TRUE(last == "6\r\n" || last == "-1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}
#endif

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
