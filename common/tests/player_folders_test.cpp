// The player's data folder on Linux: the XDG rules, a home folder without $HOME, and names kept as bytes.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "common/posix/player_folders.h"

namespace common::posix {
namespace {

namespace fs = std::filesystem;

// Sets or unsets a variable for one test and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* before = std::getenv(name)) {
            before_ = before;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { before_ ? setenv(name_, before_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> before_;
};

TEST(PlayerDataFolder, AnAbsoluteXdgDataHomeIsTakenAsItsBytesAndAnInvalidOneIgnored) {
    ScopedVariable home("HOME", "/home/player");
    {
        ScopedVariable dataHome("XDG_DATA_HOME", "/data/caf\xe9/");
        EXPECT_EQ(PlayerDataFolder(), "/data/caf\xe9");
    }
    for (const char* invalid : {"relative/data", "", "./data"}) {
        ScopedVariable dataHome("XDG_DATA_HOME", invalid);
        EXPECT_EQ(PlayerDataFolder(), "/home/player/.local/share") << invalid;
    }
    ScopedVariable unset("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(PlayerDataFolder(), "/home/player/.local/share");
}

TEST(PlayerDataFolder, WithoutAnAbsoluteHomeTheHomeFolderComesFromThePasswordDatabase) {
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    const std::string expected = std::string(entry->pw_dir) + "/.local/share";
    ScopedVariable dataHome("XDG_DATA_HOME", nullptr);
    {
        ScopedVariable home("HOME", nullptr);
        EXPECT_EQ(PlayerDataFolder(), expected);
    }
    ScopedVariable home("HOME", "relative");
    EXPECT_EQ(PlayerDataFolder(), expected);
}

TEST(MakeFolders, MakesEveryMissingFolderNamedByItsBytesAndTellsAPathTooLong) {
    const fs::path base = fs::temp_directory_path() / "player-folders-test";
    fs::remove_all(base);
    const std::string folder = base.string() + "/caf\xe9/scrambolo";
    EXPECT_EQ(MakeFolders(folder), SaveOutcome::Saved);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(MakeFolders(folder), SaveOutcome::Saved);
    EXPECT_EQ(MakeFolders(base.string() + "/" + std::string(300, 'x')), SaveOutcome::PathTooLong);
    fs::remove_all(base);
}

}  // namespace
}  // namespace common::posix
