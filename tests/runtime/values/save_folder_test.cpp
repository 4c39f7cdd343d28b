#include "runtime/values/save_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "runtime/base/errors.h"
#include "runtime/platform/folders.h"
#include "runtime/values/line_file.h"
#include "support/scratch_files.h"

namespace fs = std::filesystem;

namespace {

class SaveFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LineFiles().Flush();
        ClearErrorState();
        root_ = MakeScratchFolder("save_folder");
        old_cwd_ = fs::current_path();
    }
    void TearDown() override {
        LineFiles().Flush();
        SetSaveFolder("");
        fs::current_path(old_cwd_);
        fs::remove_all(root_);
    }
    std::string root_;
    fs::path old_cwd_;
};

TEST_F(SaveFolderTest, SharedDataBesideTheProgramOrInShareGames) {
    // A portable folder: Media/ beside the program.
    fs::create_directories(root_ + "app/Media");
    EXPECT_EQ(FindDataFolder(root_ + "app/"), root_ + "app/");
    // Installed: the program in games/ (or bin/), the data in share/games/zolv/.
    fs::create_directories(root_ + "usr/games");
    fs::create_directories(root_ + "usr/share/games/zolv/Media");
    EXPECT_EQ(FindDataFolder(root_ + "usr/games/"), root_ + "usr/games/../share/games/zolv/");
    // Neither (a one-file program): its own folder, as before.
    fs::create_directories(root_ + "alone");
    EXPECT_EQ(FindDataFolder(root_ + "alone/"), root_ + "alone/");
}

TEST_F(SaveFolderTest, WritableFoldersKeepSavesBesideTheData) {
    fs::create_directories(root_ + "app/Media");
    EXPECT_TRUE(FolderTakesFiles(root_ + "app/"));
    EXPECT_EQ(ChooseSaveFolder(root_ + "app/", "/home/someone/.local/share/"), "");
    // The check leaves nothing behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ + "app"), fs::directory_iterator()), 1);
    // A check cut short by a kill left its probe: an old one goes at the next check, one that
    // may belong to a run checking right now stays.
    const std::string old_probe = root_ + "app/.zolv-write-check-AbC123";
    const std::string new_probe = root_ + "app/.zolv-write-check-XyZ789";
    const std::string other = root_ + "app/.zolv-write-checklist";
    for (const std::string& f : {old_probe, new_probe, other})
        std::fclose(std::fopen(f.c_str(), "w"));
    fs::last_write_time(old_probe, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    fs::last_write_time(other, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    EXPECT_TRUE(FolderTakesFiles(root_ + "app/"));
    EXPECT_FALSE(fs::exists(old_probe));
    EXPECT_TRUE(fs::exists(new_probe));
    EXPECT_TRUE(fs::exists(other));
}

TEST_F(SaveFolderTest, FoldersThatTakeNoFilesSendSavesToTheUserFolder) {
    // /proc takes no new files, whoever asks (root included).
    EXPECT_FALSE(FolderTakesFiles("/proc/"));
    EXPECT_EQ(ChooseSaveFolder("/proc/", "/home/someone/.local/share/"),
              "/home/someone/.local/share/zolv/");
    // Without a user folder the saves stay where they were.
    EXPECT_EQ(ChooseSaveFolder("/proc/", ""), "");
    // A missing data folder cannot be written either.
    EXPECT_FALSE(FolderTakesFiles(root_ + "missing/"));
    if (geteuid() != 0) {
        // A read-only Media/ in a writable folder is enough (skipped as root, whom
        // permissions do not stop; tests/scripts/save_folder_test.sh covers it as another user).
        fs::create_directories(root_ + "app/Media");
        fs::permissions(root_ + "app/Media", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(ChooseSaveFolder(root_ + "app/", "/u/"), "/u/zolv/");
        fs::permissions(root_ + "app/Media", fs::perms::owner_all);
    }
}

TEST_F(SaveFolderTest, UserDataFolderFollowsXdgThenHome) {
    const char* old_xdg = std::getenv("XDG_DATA_HOME");
    const char* old_home = std::getenv("HOME");
    const std::string xdg = old_xdg ? old_xdg : "", home = old_home ? old_home : "";
    setenv("XDG_DATA_HOME", "/data/x", 1);
    setenv("HOME", "/home/p", 1);
    EXPECT_EQ(PlatformUserDataFolder(), "/data/x/");
    setenv("XDG_DATA_HOME", "relative/x", 1);  // not an absolute path: ignored
    EXPECT_EQ(PlatformUserDataFolder(), "/home/p/.local/share/");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(PlatformUserDataFolder(), "/home/p/.local/share/");
    unsetenv("HOME");
    EXPECT_EQ(PlatformUserDataFolder(), "");
    old_xdg ? setenv("XDG_DATA_HOME", xdg.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    old_home ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

TEST_F(SaveFolderTest, LineFilesWriteToTheSaveFolderAndReadItFirst) {
    fs::create_directories(root_ + "data/Media");
    ASSERT_TRUE(WriteWholeFile(root_ + "data/Media/Zolv-gioc.txt", "SHIPPED\r\nA\r\n"));
    ASSERT_TRUE(WriteWholeFile(root_ + "data/Media/Zolv-dat2.txt", "settings\r\n"));
    fs::current_path(root_ + "data");
    SetSaveFolder(root_ + "home/zolv/");

    // Before the player saved anything, the shipped file is read.
    EXPECT_STREQ(ReadFileLine(TextValue("Media/Zolv-gioc.txt"), 0).c_str(), "SHIPPED");
    WriteFileLine(TextValue("Media/Zolv-gioc.txt"), 0, TextValue("MINE"));
    FlushLineFile();
    // The save went to the player's folder (made when missing); the shipped file is as it was.
    EXPECT_EQ(ReadWholeFile(root_ + "home/zolv/Media/Zolv-gioc.txt"), "MINE\r\nA\r\n");
    EXPECT_EQ(ReadWholeFile(root_ + "data/Media/Zolv-gioc.txt"), "SHIPPED\r\nA\r\n");
    // From now on the player's copy is read; files never saved still come from the set.
    EXPECT_STREQ(ReadFileLine(TextValue("Media/Zolv-gioc.txt"), 0).c_str(), "MINE");
    EXPECT_STREQ(ReadFileLine(TextValue("Media\\Zolv-gioc.txt"), 1).c_str(), "A");
    EXPECT_STREQ(ReadFileLine(TextValue("Media/Zolv-dat2.txt"), 0).c_str(), "settings");
    EXPECT_EQ(Errors().number, 0);
    // Absolute names are not moved.
    const std::string absolute = root_ + "elsewhere.txt";
    WriteFileLine(TextValue(absolute), 0, TextValue("x"));
    FlushLineFile();
    EXPECT_TRUE(FileExists(absolute));

    // Without a save folder everything is beside the data again.
    SetSaveFolder("");
    EXPECT_STREQ(ReadFileLine(TextValue("Media/Zolv-gioc.txt"), 0).c_str(), "SHIPPED");
}

}  // namespace
