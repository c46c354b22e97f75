// The real system on Windows: saved files replaced whole, hidden or system files left alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/text_file.h"
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
    ASSERT_TRUE(common::ReplaceFile(path_, "17\r\n"));
    EXPECT_TRUE(system_.FileExists(path_));
    EXPECT_TRUE(system_.ReplaceFile(path_, "18\r\n"));
    EXPECT_EQ(system_.ReadFile(path_), std::optional<std::string>("18\r\n"));
}

TEST_F(Win32SystemFiles, AHiddenOrSystemFileIsNeitherSeenNorReplaced) {
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_TRUE(common::ReplaceFile(path_, " 99 \r\n"));
        ASSERT_TRUE(SetFileAttributesA(path_.c_str(), attribute));
        EXPECT_FALSE(system_.FileExists(path_));
        EXPECT_FALSE(system_.ReplaceFile(path_, " 3 \r\n"));
        EXPECT_EQ(common::ReadWholeFile(path_), std::optional<std::string>(" 99 \r\n"));
    }
}

TEST_F(Win32SystemFiles, AFolderIsNotAFileButIsSomething) {
    EXPECT_FALSE(system_.FileExists("."));
    EXPECT_TRUE(system_.AnythingAt("."));
    EXPECT_FALSE(system_.FileExists("no such file.dat"));
    EXPECT_FALSE(system_.AnythingAt("no such file.dat"));
}

TEST(Win32TextEditor, TheHelpPathIsPassedUnquotedEvenWithBlanks) {
    EXPECT_EQ(TextEditorCommandLine("C:\\Program Files\\Word Games\\scrambolo.TXT"),
              "NOTEPAD.EXE C:\\Program Files\\Word Games\\scrambolo.TXT");
}

}  // namespace
}  // namespace common::win32
