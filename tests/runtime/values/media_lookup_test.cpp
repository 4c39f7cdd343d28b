#include "runtime/values/media_lookup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/base/errors.h"
#include "runtime/base/log.h"
#include "runtime/frame/engine.h"
#include "runtime/values/line_file.h"
#include "support/scratch_files.h"

namespace {

const std::string kTool = std::string(ZOLV_BINARY_DIR) + "/tools/attach_media/attach_media";

// A stand-in program file with a media folder attached by the real tool; the test runs in a
// folder without any media on disk.
class AttachedMedia : public ::testing::Test {
  protected:
    void SetUp() override {
        LineFiles().Flush();
        ClearErrorState();
        root_ = MakeScratchFolder("media_lookup");
        setenv("TMPDIR", (root_ + "tmp/").c_str(), 1);
        ASSERT_EQ(
            system(("mkdir -p " + root_ + "tmp " + root_ + "src/sub " + root_ + "run").c_str()), 0);
        program_ = root_ + "program";
        std::string body =
            "\x7f"
            "ELF stand-in\n";
        for (int i = 0; i < 5000; ++i) body += static_cast<char>(i * 7919 % 251);
        ASSERT_TRUE(WriteWholeFile(program_, body));
        dat_ = "hello\r\nworld\r\n";
        for (int i = 0; i < 100000; ++i)
            bin_ += static_cast<char>((static_cast<unsigned>(i) * i) % 256);
        ASSERT_TRUE(WriteWholeFile(root_ + "src/Zolv-dat1.txt", dat_));
        ASSERT_TRUE(WriteWholeFile(root_ + "src/sub/x.bin", bin_));
        ASSERT_EQ(RunTool(program_ + " " + root_ + "src"), 0);
        ASSERT_EQ(chdir((root_ + "run").c_str()), 0);
    }
    void TearDown() override {
        FileLookup().SetArchive("");
        FileLookup().RemoveTemporary();
        LineFiles().Flush();
        if (chdir("/") == 0) std::filesystem::remove_all(root_);
    }
    static int RunTool(const std::string& args) {
        const int status = std::system((kTool + " " + args + " >/dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string root_, program_, dat_, bin_;
};

TEST_F(AttachedMedia, ToolWritesADirectoryTheRuntimeReads) {
    int64_t start = 0;
    const auto entries = ReadArchiveDirectory(program_, &start);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Media/Zolv-dat1.txt");
    EXPECT_EQ(entries[1].name, "Media/sub/x.bin");
    EXPECT_EQ(start, 5014) << "the archive starts right after the program bytes";
    EXPECT_EQ(ReadWholeFile(program_).substr(0, 14),
              "\x7f"
              "ELF stand-in\n");

    const auto size = ReadWholeFile(program_).size();
    ASSERT_EQ(RunTool(program_ + " " + root_ + "src"), 0);
    EXPECT_EQ(ReadWholeFile(program_).size(), size) << "attaching again replaces the archive";
    ASSERT_EQ(RunTool(program_ + " " + root_ + "src/sub Extra/"), 0);
    const auto replaced = ReadArchiveDirectory(program_);
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].name, "Extra/x.bin");
}

TEST_F(AttachedMedia, MissingFileIsUnpackedAndItsCopyRemovedAtTheNextResolution) {
    MediaLookup lookup;
    lookup.SetArchive(program_);
    const std::string first = lookup.Resolve("Media/Zolv-dat1.txt");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.rfind(root_ + "tmp/", 0), 0u) << first;
    EXPECT_EQ(ReadWholeFile(first), dat_);

    const std::string second = lookup.Resolve("media\\SUB\\X.BIN");
    ASSERT_FALSE(second.empty());
    EXPECT_FALSE(FileExists(first));
    EXPECT_EQ(ReadWholeFile(second), bin_);

    EXPECT_EQ(lookup.Resolve("Media/none.txt"), "");
    EXPECT_FALSE(FileExists(second));
    EXPECT_EQ(lookup.temporary(), "");
}

TEST_F(AttachedMedia, FileOnDiskComesFirst) {
    ASSERT_EQ(system("mkdir -p Media"), 0);
    ASSERT_TRUE(WriteWholeFile("Media/Zolv-dat1.txt", "disk\n"));
    MediaLookup lookup;
    lookup.SetArchive(program_);
    EXPECT_EQ(lookup.Resolve("Media/Zolv-dat1.txt"), "Media/Zolv-dat1.txt");
    EXPECT_EQ(lookup.Resolve("Media\\Zolv-dat1.txt"), "Media/Zolv-dat1.txt");
    EXPECT_EQ(lookup.temporary(), "");
}

TEST_F(AttachedMedia, LineFilesReadFromTheArchive) {
    FileLookup().SetArchive(program_);
    EXPECT_STREQ(ReadFileLine(TextValue("Media/Zolv-dat1.txt"), 1).c_str(), "world");
    EXPECT_EQ(Errors().number, 0);
}

TEST_F(AttachedMedia, ProgramEndRemovesTheTemporaryCopy) {
    const std::string record = root_ + "resolved.txt";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        StartMediaLookup();
        FileLookup().SetArchive(program_);
        WriteWholeFile(record, ResolveMediaName("Media/sub/x.bin"));
        EndProgram();
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string copy = ReadWholeFile(record);
    ASSERT_FALSE(copy.empty());
    EXPECT_FALSE(FileExists(copy));
}

TEST_F(AttachedMedia, DamagedArchivesResolveNothing) {
    std::string bytes = ReadWholeFile(program_);
    // Directory offset pointing past the file.
    std::string bad = bytes;
    bad[bad.size() - 1] = 0x7f;
    ASSERT_TRUE(WriteWholeFile(root_ + "bad1", bad));
    EXPECT_TRUE(ReadArchiveDirectory(root_ + "bad1").empty());
    // Compressed data overwritten: the entry is found but cannot be unpacked.
    bad = bytes;
    for (size_t i = 5014; i < 5054; ++i) bad[i] = 'X';
    ASSERT_TRUE(WriteWholeFile(root_ + "bad2", bad));
    MediaLookup lookup;
    lookup.SetArchive(root_ + "bad2");
    EXPECT_EQ(lookup.Resolve("Media/Zolv-dat1.txt"), "");
    EXPECT_EQ(lookup.temporary(), "");
    // No marker at all.
    ASSERT_TRUE(WriteWholeFile(root_ + "plain", "just bytes"));
    EXPECT_TRUE(ReadArchiveDirectory(root_ + "plain").empty());
    EXPECT_TRUE(ReadArchiveDirectory(root_ + "absent").empty());
}

// The real start-up and end: EngineInit seeds and starts the lookups, EndProgram flushes the
// line-file cache.
TEST(EngineValues, EndProgramFlushesTheLineFileCache) {
    const std::string folder = MakeScratchFolder("engine_values");
    const std::string file = folder + "saved.txt";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("TMPDIR", folder.c_str(), 1);
        EngineInit("", 1, "values test");
        WriteFileLine(TextValue(file), 1, TextValue("kept"));
        StopErrorZero();
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadWholeFile(file), "\r\nkept\r\n");
    EXPECT_NE(ReadWholeFile(folder + "ErrorLog.txt").find("Init Finalized"), std::string::npos);
    std::filesystem::remove_all(folder);
}

}  // namespace
