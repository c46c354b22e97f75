// The shared file helpers keep their names when <windows.h> has been included before them.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <string>

#include "common/system_port.h"
#include "common/text_file.h"

namespace common {
namespace {

TEST(WindowsNames, ReplaceFileReachesTheSharedHelper) {
    const std::string path = "windows_names_test.dat";
    ASSERT_EQ(ReplaceFile(path, "6\r\n"), SaveOutcome::Saved);
    EXPECT_EQ(ReadWholeFile(path), std::optional<std::string>("6\r\n"));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace common
