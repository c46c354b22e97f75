// The real system on Windows: saved files replaced whole under any folder name, hidden, system or
// locked files left alone, and text carried across the wide calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/game_text.h"
#include "common/saved_file.h"
#include "common/text_file.h"
#include "common/win32/wide_text.h"
#include "common/win32/win32_system.h"

namespace common::win32 {
namespace {

class Win32SystemFiles : public ::testing::Test {
protected:
    void TearDown() override {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::remove(path_.c_str());
    }

    Win32System system_{[] {}};
    const std::string path_ = "win32_system_test.dat";
};

TEST_F(Win32SystemFiles, AnOrdinaryFileIsReplacedAndSeen) {
    ASSERT_EQ(common::ReplaceWholeFile(path_, "17\r\n"), SaveOutcome::Saved);
    EXPECT_TRUE(system_.FileExists(path_));
    EXPECT_EQ(system_.ReplaceWholeFile(path_, "18\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(system_.ReadFile(path_), std::optional<std::string>("18\r\n"));
}

TEST_F(Win32SystemFiles, AHiddenOrSystemFileIsNeitherSeenNorReplaced) {
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_EQ(common::ReplaceWholeFile(path_, " 99 \r\n"), SaveOutcome::Saved);
        ASSERT_TRUE(SetFileAttributesA(path_.c_str(), attribute));
        EXPECT_FALSE(system_.FileExists(path_));
        EXPECT_EQ(system_.ReplaceWholeFile(path_, " 3 \r\n"), SaveOutcome::Failed);
        EXPECT_EQ(common::ReadWholeFile(path_), std::optional<std::string>(" 99 \r\n"));
    }
}

TEST_F(Win32SystemFiles, AFolderIsNotAFileButIsSomething) {
    EXPECT_FALSE(system_.FileExists("."));
    EXPECT_TRUE(system_.AnythingAt("."));
    EXPECT_FALSE(system_.FileExists("no such file.dat"));
    EXPECT_FALSE(system_.AnythingAt("no such file.dat"));
}

TEST_F(Win32SystemFiles, AFileLockedByAnotherProgramIsThereButCannotBeRead) {
    ASSERT_EQ(common::ReplaceWholeFile(path_, "17\r\n"), SaveOutcome::Saved);
    HANDLE lock = CreateFileW(FilePath(path_).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const SavedFileRead read = ReadSavedFile(system_, path_);
    EXPECT_EQ(read.text, std::nullopt);
    EXPECT_TRUE(read.unreadable);
    CloseHandle(lock);
    EXPECT_EQ(ReadSavedFile(system_, path_).text, std::optional<std::string>("17\r\n"));
}

TEST(Win32FolderNames, FilesAreSavedAndReadUnderAnyNameAndPastTwoHundredSixtyCharacters) {
    // A user's own folder in Cyrillic, then Greek, Japanese and an emoji, deep enough to pass 260.
    std::string folder = "\xd0\xae\xd0\xbb\xd0\xb8\xd1\x8f";  // Юлия
    std::vector<std::string> made{folder};
    for (const char* name : {"\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac",  // Ελληνικά
                             "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e",                              // 日本語
                             "\xf0\x9f\x8e\xb2"}) {                                               // a die
        folder.append("\\").append(name);
        made.push_back(folder);
    }
    while (folder.size() < 300) {
        folder.append("\\").append(60, 'w');
        made.push_back(folder);
    }
    for (const std::string& each : made) {
        CreateDirectoryW(FilePath(each).c_str(), nullptr);
    }
    Win32System system{[] {}};
    const std::string saved = folder + "\\highscore.dat";
    EXPECT_FALSE(system.AnythingAt(saved));
    EXPECT_EQ(system.ReplaceWholeFile(saved, "6\r\n"), SaveOutcome::Saved);
    EXPECT_TRUE(system.FileExists(saved));
    EXPECT_TRUE(system.AnythingAt(saved));
    EXPECT_EQ(system.ReadFile(saved), std::optional<std::string>("6\r\n"));
    EXPECT_EQ(system.ReplaceWholeFile(saved, "7\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(system.ReadFile(saved), std::optional<std::string>("7\r\n"));
    EXPECT_FALSE(system.AnythingAt(saved + ".new"));

    EXPECT_TRUE(DeleteFileW(FilePath(saved).c_str()));
    for (auto each = made.rbegin(); each != made.rend(); ++each) {
        EXPECT_TRUE(RemoveDirectoryW(FilePath(*each).c_str())) << *each;
    }
}

TEST(Win32Text, UnicodeCrossesTheBoundaryWholeAndEightBitWordsAsTheCodePageReadsThem) {
    EXPECT_EQ(Widen("\xd0\xae\xd0\xbb\xd0\xb8\xd1\x8f \xf0\x9f\x8e\xb2"), L"\u042e\u043b\u0438\u044f \U0001F3B2");
    EXPECT_EQ(Narrow(L"\u042e\u043b\u0438\u044f \U0001F3B2"), "\xd0\xae\xd0\xbb\xd0\xb8\xd1\x8f \xf0\x9f\x8e\xb2");
    EXPECT_EQ(Widen("Time Is Up"), L"Time Is Up");
    wchar_t codePage[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "caf\xe9", 4, codePage, 8), 4);
    EXPECT_EQ(Widen("caf\xe9"), std::wstring(codePage, 4));
    EXPECT_EQ(FilePath("C:\\Games\\a\\..\\Scrambolo\\diff.dat"), L"\\\\?\\C:\\Games\\Scrambolo\\diff.dat");
}

TEST(Win32Text, AWordsLettersReadTheSameOnTheAnsiButtonsAndInTheUtf8Boxes) {
    // The buttons take a word's bytes through the ANSI calls, in the system's code page; a message
    // box takes the word as the games' one decoding gives it. Where the system's code page is the
    // Western one (Wine's, and Windows' in Western Europe and the Americas), every byte reads the same.
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the system's code page is " << GetACP();
    }
    for (int byte = 1; byte < 256; ++byte) {
        const char letter = static_cast<char>(byte);
        wchar_t onButton[2] = {};
        ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, &letter, 1, onButton, 2), 1);
        EXPECT_EQ(Widen(common::Utf8FromGameText(std::string(1, letter))), std::wstring(1, onButton[0])) << byte;
    }
}

TEST(Win32Cues, AWavePathOfMoreThan127CharactersIsPlayedFromMemory) {
    EXPECT_TRUE(PlayableByName(L"C:\\Games\\Scrambolo\\click.wav"));
    const std::wstring folder = L"C:\\" + std::wstring(114, L'g');
    ASSERT_EQ((folder + L"\\click.wav").size(), 127u);
    EXPECT_TRUE(PlayableByName(folder + L"\\click.wav"));
    EXPECT_FALSE(PlayableByName(folder + L"\\clicks.wav"));
}

TEST(Win32TextEditor, TheHelpPathIsPassedUnquotedEvenWithBlanks) {
    EXPECT_EQ(TextEditorCommandLine("C:\\Program Files\\Word Games\\scrambolo.TXT"),
              "NOTEPAD.EXE C:\\Program Files\\Word Games\\scrambolo.TXT");
}

}  // namespace
}  // namespace common::win32
