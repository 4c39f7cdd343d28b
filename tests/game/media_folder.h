// Test helpers for the game: a scratch working folder with its own Media folder, and the game
// state back at its start values around each test.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/state/game_state.h"
#include "runtime/values/line_file.h"
#include "support/scratch_files.h"

namespace game_test {

// The shipped media set in the source tree.
inline std::string ShippedMediaFolder() {
    return std::string(ZOLV_SOURCE_DIR) + "/media/Media";
}
inline bool ShippedMediaPresent() {
    return std::filesystem::exists(ShippedMediaFolder() + "/Zolv-dat1.txt");
}

// Lines joined with CR LF, as the game writes its text files.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Runs the test inside a fresh folder holding an empty "Media" folder, with the line-file
// cache empty and the game state reset; the old working folder comes back afterwards.
class InMediaFolder : public testing::Test {
  protected:
    void SetUp() override {
        old_folder_ = std::filesystem::current_path();
        folder_ = MakeScratchFolder("game");
        std::filesystem::create_directories(folder_ + "Media");
        FlushLineFile();
        std::filesystem::current_path(folder_);
        game::ResetGameState();
    }
    void TearDown() override {
        FlushLineFile();
        std::filesystem::current_path(old_folder_);
    }

    void WriteMedia(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(folder_ + "Media/" + name, bytes)) << name;
    }
    std::string ReadMedia(const std::string& name) const {
        return ReadWholeFile(folder_ + "Media/" + name);
    }
    // Copies every file of the shipped media set into this folder's Media.
    void CopyShippedMedia() {
        for (const auto& entry : std::filesystem::directory_iterator(ShippedMediaFolder()))
            std::filesystem::copy_file(entry.path(),
                                       folder_ + "Media/" + entry.path().filename().string(),
                                       std::filesystem::copy_options::overwrite_existing);
    }

    std::string folder_;
    std::filesystem::path old_folder_;
};

}  // namespace game_test
