// The committed media set is exactly what the generator makes, and the generator is repeatable.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "media_data.h"
#include "support/scratch_files.h"

namespace fs = std::filesystem;

namespace {
std::set<std::string> FilesUnder(const std::string& root) {
    std::set<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out.insert(fs::relative(e.path(), root).string());
    return out;
}

std::string Generate(const std::string& label) {
    std::string dir = MakeScratchFolder(label);
    EXPECT_EQ(RunProgram(ToolPath("mediagen") + " " + dir), 0);
    return dir;
}
}  // namespace

TEST(MediaGenerator, CommittedFilesAreWhatItMakes) {
    std::string made = Generate("mediagen_now");
    auto madeFiles = FilesUnder(made);
    auto committed = FilesUnder(MediaDir());
    ASSERT_FALSE(madeFiles.empty());
    for (const auto& f : madeFiles) {
        ASSERT_TRUE(committed.count(f)) << f << " is generated but not committed";
        EXPECT_TRUE(ReadWholeFile(made + f) == ReadWholeFile(MediaDir() + "/" + f))
            << f << " differs: run mediagen media and commit the result";
    }
    for (const auto& f : committed) EXPECT_TRUE(madeFiles.count(f)) << f << " is not generated";
}

TEST(MediaGenerator, TwoRunsGiveIdenticalBytes) {
    std::string a = Generate("mediagen_a"), b = Generate("mediagen_b");
    auto files = FilesUnder(a);
    ASSERT_EQ(files, FilesUnder(b));
    for (const auto& f : files) EXPECT_TRUE(ReadWholeFile(a + f) == ReadWholeFile(b + f)) << f;
}

TEST(MediaGenerator, CommittedIconsAreWhatItMakes) {
    const std::string dir = MakeScratchFolder("mediagen_icons");
    ASSERT_EQ(RunProgram(ToolPath("mediagen") + " " + dir + " --icons " + dir + "icons"), 0);
    const std::string committed = MediaDir() + "/../packaging/icons/";
    const auto made = FilesUnder(dir + "icons");
    EXPECT_EQ(made, FilesUnder(committed));
    for (const auto& f : made) {
        const std::string png = ReadWholeFile(dir + "icons/" + f);
        EXPECT_TRUE(png == ReadWholeFile(committed + f))
            << f << " differs: run mediagen media --icons packaging/icons and commit the result";
        // The PNG header states the size the folder names.
        ASSERT_GT(png.size(), 24u) << f;
        const int width = (uint8_t(png[18]) << 8) | uint8_t(png[19]);
        EXPECT_EQ(
            f, "hicolor/" + std::to_string(width) + "x" + std::to_string(width) + "/apps/zolv.png");
    }
}
