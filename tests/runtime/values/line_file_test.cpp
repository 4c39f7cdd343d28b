#include "runtime/values/line_file.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "runtime/base/errors.h"
#include "runtime/base/log.h"
#include "support/scratch_files.h"

namespace {

class LineFile : public ::testing::Test {
  protected:
    void SetUp() override {
        LineFiles().Flush();
        ClearErrorState();
        folder_ = MakeScratchFolder("line_file");
        setenv("TMPDIR", folder_.c_str(), 1);
    }
    void TearDown() override {
        LineFiles().Flush();
        std::filesystem::remove_all(folder_);
    }

    std::string Path(const std::string& name) const { return folder_ + name; }
    TextValue Read(const std::string& name, double n) {
        return ReadFileLine(TextValue(Path(name)), n);
    }
    void Write(const std::string& name, double n, const char* text) {
        WriteFileLine(TextValue(Path(name)), n, TextValue(text));
    }
    // Files in the scratch folder apart from the log: temporary files left behind show here.
    int FilesIn() const {
        int n = 0;
        if (DIR* d = opendir(folder_.c_str())) {
            while (dirent* e = readdir(d)) {
                const std::string name = e->d_name;
                if (name != "." && name != ".." && name != "ErrorLog.txt") ++n;
            }
            closedir(d);
        }
        return n;
    }

    std::string folder_;
};

TEST_F(LineFile, ReadsLinesEndedByLfCrLfOrALoneCr) {
    for (const char* bytes :
         {"abc\n\nx\n", "abc\r\n\r\nx\r\n", "abc\n\r\nx", "abc\r\rx\r", "abc\r\r\nx"}) {
        ASSERT_TRUE(WriteWholeFile(Path("three.txt"), bytes));
        EXPECT_STREQ(Read("three.txt", 0).c_str(), "abc");
        EXPECT_STREQ(Read("three.txt", 1).c_str(), "NO_DATA");
        EXPECT_STREQ(Read("three.txt", 2).c_str(), "x");
        EXPECT_STREQ(Read("three.txt", 3).c_str(), "NO_DATA");
        EXPECT_STREQ(Read("three.txt", 2.7).c_str(), "x");
        EXPECT_EQ(LineFiles().highest_line(), 2);
        LineFiles().Flush();
    }
    EXPECT_EQ(Errors().number, 0);
}

TEST_F(LineFile, TrailingControlCharactersAreDroppedAndHighBytesKept) {
    ASSERT_TRUE(WriteWholeFile(Path("t.txt"),
                               "tab\t\r\ncitt\xE0\nmid\xE0x \n\t\x01\n"
                               "map\xA0\x80\xFF\n"));
    EXPECT_STREQ(Read("t.txt", 0).c_str(), "tab");
    EXPECT_STREQ(Read("t.txt", 1).c_str(), "citt\xE0") << "a final accented letter stays";
    EXPECT_STREQ(Read("t.txt", 2).c_str(), "mid\xE0x ");
    EXPECT_STREQ(Read("t.txt", 3).c_str(), "NO_DATA");
    EXPECT_STREQ(Read("t.txt", 4).c_str(), "map\xA0\x80\xFF") << "map cells of pieces 93 and up";
    LineFiles().Flush();
    ASSERT_TRUE(WriteWholeFile(Path("t.txt"), std::string("ab\x01\0cd\n", 7)));
    EXPECT_STREQ(Read("t.txt", 0).c_str(), "ab") << "the text ends at a NUL, then is trimmed";
}

TEST_F(LineFile, WritingPastTheEndPadsWithEmptyLinesOnTheNextSwitch) {
    ASSERT_TRUE(WriteWholeFile(Path("two.txt"), "a\nb\n"));
    ASSERT_TRUE(WriteWholeFile(Path("other.txt"), "o\n"));
    Write("two.txt", 5, "new");
    EXPECT_EQ(ReadWholeFile(Path("two.txt")), "a\nb\n") << "nothing is written before the switch";
    EXPECT_STREQ(Read("other.txt", 0).c_str(), "o");
    EXPECT_EQ(ReadWholeFile(Path("two.txt")), "a\r\nb\r\n\r\n\r\n\r\nnew\r\n");
}

// An old editor's CR-only file keeps every line when the game rewrites one of them, also
// when a CR LF pair is split between two reads of the file.
TEST_F(LineFile, CrOnlyFileKeepsItsLinesWhenRewritten) {
    std::string bytes;
    for (int i = 0; i < 40; ++i) bytes += "record" + std::to_string(i) + "\r";
    ASSERT_TRUE(WriteWholeFile(Path("punti.txt"), bytes));
    Write("punti.txt", 0, "new");
    FlushLineFile();
    std::string expected = "new\r\n";
    for (int i = 1; i < 40; ++i) expected += "record" + std::to_string(i) + "\r\n";
    EXPECT_EQ(ReadWholeFile(Path("punti.txt")), expected);

    std::array<std::string, LineSplitter::kLines> slots;
    LineSplitter split(slots);
    split.Feed("a\r", 2);
    split.Feed("\nb\r", 3);
    split.Feed("\r\n", 2);
    split.Finish();
    EXPECT_EQ(split.lines(), 3);
    EXPECT_EQ(slots[0], "a");
    EXPECT_EQ(slots[1], "b");
    EXPECT_EQ(slots[2], "");
}

// A line break in a text (a player name holding code 10 or 13) would move every later line
// of the file down: it is written as a space, and logged.
TEST_F(LineFile, LineBreaksInTextsAreWrittenAsSpaces) {
    ASSERT_TRUE(WriteWholeFile(Path("gioc.txt"), "PL1\r\nA\r\nB\r\n"));
    Write("gioc.txt", 0, "P\nL\r1");
    FlushLineFile();
    EXPECT_EQ(ReadWholeFile(Path("gioc.txt")), "P L 1\r\nA\r\nB\r\n");
    EXPECT_NE(
        ReadWholeFile(LogFilePath()).find("Line break written as a space: " + Path("gioc.txt")),
        std::string::npos);
}

// A file on disk that cannot be read is never treated as empty: a write to it is refused and
// counted, the file stays as it was, and the next read tries the file again.
TEST_F(LineFile, UnreadableFileIsNeverWrittenOver) {
    // The check runs as an ordinary user, who must reach the folder: the build folder may lie
    // under one only its owner can enter (a checkout in a private temporary folder), so the
    // file and the log go to a folder of their own under the system's temporary folder.
    char own[] = "/tmp/zolv_unreadable_XXXXXX";
    ASSERT_NE(mkdtemp(own), nullptr);
    chmod(own, 0755);
    const std::string own_folder = std::string(own) + "/";
    setenv("TMPDIR", own_folder.c_str(), 1);
    const std::string maps = own_folder + "maps.txt";
    ASSERT_TRUE(WriteWholeFile(maps, "m0\r\nm1\r\nm2\r\n"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Root reads any file: the check runs as an ordinary user where it must.
        if (geteuid() == 0) {
            for (const std::string& f : {own_folder, maps, LogFilePath()})
                (void)chown(f.c_str(), 65534, 65534);
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
        }
        chmod(maps.c_str(), 0200);
        int code = 0;
        if (ReadFileLine(TextValue(maps), 1) != TextValue("NO_FILE")) code |= 1;
        const int failures = LineFiles().write_failures();
        if (LineFiles().Write(maps, 1, TextValue("edited"), {})) code |= 2;
        if (LineFiles().write_failures() != failures + 1) code |= 4;
        if (!LineFiles().Flush()) code |= 8;
        if (ReadWholeFile(LogFilePath()).find("Line file not written: " + maps) ==
            std::string::npos)
            code |= 16;
        chmod(maps.c_str(), 0600);
        if (ReadFileLine(TextValue(maps), 1) != TextValue("m1")) code |= 32;
        _exit(code);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 100) << "could not drop root";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadWholeFile(maps), "m0\r\nm1\r\nm2\r\n");
    std::filesystem::remove_all(own_folder);
    setenv("TMPDIR", folder_.c_str(), 1);

    // A folder in the file's place cannot be read either.
    std::filesystem::create_directory(Path("folder.txt"));
    EXPECT_FALSE(LineFiles().Write(Path("folder.txt"), 0, TextValue("x"), {}));
}

TEST_F(LineFile, OnlyTheFirst256LinesSurviveAChange) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes += "line" + std::to_string(i) + "\n";
    ASSERT_TRUE(WriteWholeFile(Path("long.txt"), bytes));
    EXPECT_STREQ(Read("long.txt", 255).c_str(), "line255");
    EXPECT_NE(
        ReadWholeFile(LogFilePath()).find("Line file longer than 256 lines: " + Path("long.txt")),
        std::string::npos);
    Write("long.txt", 0, "first");
    FlushLineFile();
    const std::string after = ReadWholeFile(Path("long.txt"));
    std::string expected = "first\r\n";
    for (int i = 1; i < 256; ++i) expected += "line" + std::to_string(i) + "\r\n";
    EXPECT_EQ(after, expected);
}

TEST_F(LineFile, LineNumbersOutside0To255SetError7AndChangeNothing) {
    ASSERT_TRUE(WriteWholeFile(Path("f.txt"), "keep\n"));
    for (double n : {256.0, -1.0, 1e12}) {
        ClearErrorState();
        Write("f.txt", n, "bad");
        EXPECT_EQ(Errors().number, kErrorRange) << n;
        ClearErrorState();
        EXPECT_STREQ(Read("f.txt", n).c_str(), "NO_DATA");
        EXPECT_EQ(Errors().number, kErrorRange) << n;
    }
    EXPECT_FALSE(LineFiles().changed());
    FlushLineFile();
    EXPECT_EQ(ReadWholeFile(Path("f.txt")), "keep\n");
}

TEST_F(LineFile, MissingFileReadsNoFileOnceThenNoDataAndIsCreatedByAWrite) {
    EXPECT_STREQ(Read("missing.txt", 0).c_str(), "NO_FILE");
    EXPECT_EQ(Errors().number, kErrorFile);
    ClearErrorState();
    EXPECT_STREQ(Read("missing.txt", 0).c_str(), "NO_DATA");
    EXPECT_EQ(Errors().number, 0);
    Write("missing.txt", 2, "c");
    FlushLineFile();
    EXPECT_EQ(ReadWholeFile(Path("missing.txt")), "\r\n\r\nc\r\n");
    EXPECT_STREQ(Read("missing.txt", 2).c_str(), "c");
    EXPECT_EQ(FilesIn(), 1) << "no temporary file is left behind";
}

TEST_F(LineFile, MissingFoldersAreMadeWhenTheFileIsSaved) {
    EXPECT_STREQ(Read("Media/Zolv-gioc.txt", 0).c_str(), "NO_FILE");
    Write("Media/Zolv-gioc.txt", 0, "Player");
    FlushLineFile();
    EXPECT_EQ(ReadWholeFile(Path("Media/Zolv-gioc.txt")), "Player\r\n");
}

TEST_F(LineFile, LongLinesStayWholeUpTo16383Characters) {
    const std::string full(16383, 'r');
    ASSERT_TRUE(WriteWholeFile(Path("replay.txt"), full + "\r\n" + full + "xyz\nnext\n"));
    EXPECT_EQ(Read("replay.txt", 0).str(), full);
    EXPECT_EQ(Read("replay.txt", 1).str(), full) << "a longer line is cut, not split";
    EXPECT_STREQ(Read("replay.txt", 2).c_str(), "next");
    Write("replay.txt", 3, (full + "tail").c_str());
    FlushLineFile();
    EXPECT_EQ(ReadWholeFile(Path("replay.txt")),
              full + "\r\n" + full + "\r\nnext\r\n" + full + "\r\n");
    const std::string log = ReadWholeFile(LogFilePath());
    EXPECT_NE(log.find("replay.txt line 3"), std::string::npos) << log;
    EXPECT_NE(log.find("replay.txt (1)"), std::string::npos) << log;
}

TEST_F(LineFile, NamesAreCaseSensitiveAndSwitchingReloads) {
    ASSERT_TRUE(WriteWholeFile(Path("a.txt"), "one\n"));
    ASSERT_TRUE(WriteWholeFile(Path("b.txt"), "two\n"));
    EXPECT_STREQ(Read("a.txt", 0).c_str(), "one");
    ASSERT_TRUE(WriteWholeFile(Path("a.txt"), "changed\n"));
    EXPECT_STREQ(Read("a.txt", 0).c_str(), "one") << "the cache holds the file";
    EXPECT_STREQ(Read("b.txt", 0).c_str(), "two");
    EXPECT_STREQ(Read("a.txt", 0).c_str(), "changed");
    EXPECT_STREQ(Read("A.txt", 0).c_str(), "NO_FILE");
}

// A flush that dies part-way (the child is killed by the file-size limit in the middle of
// writing) leaves the old file as it was.
TEST_F(LineFile, KilledFlushLeavesTheOldFileIntact) {
    const std::string old = "old line 0\r\nold line 1\r\n";
    ASSERT_TRUE(WriteWholeFile(Path("progress.txt"), old));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{4096, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_DFL);
        for (int i = 0; i < 200; ++i) Write("progress.txt", i, std::string(100, 'n').c_str());
        FlushLineFile();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child should have died in the write";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadWholeFile(Path("progress.txt")), old);
    EXPECT_STREQ(Read("progress.txt", 1).c_str(), "old line 1");
}

// A write that fails (file too large for the limit) keeps the old file, logs, and leaves the
// changes in the cache so that a later flush can still save them.
TEST_F(LineFile, FailedFlushKeepsOldFileAndTheChangedCache) {
    const std::string old = "old\r\n";
    ASSERT_TRUE(WriteWholeFile(Path("maps.txt"), old));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        for (int i = 0; i < 200; ++i) Write("maps.txt", i, std::string(100, 'm').c_str());
        int code = 0;
        if (LineFiles().Flush()) code |= 1;
        if (!LineFiles().changed() || LineFiles().name() != Path("maps.txt")) code |= 2;
        if (ReadWholeFile(Path("maps.txt")) != old) code |= 4;
        if (FilesIn() != 1) code |= 8;
        if (ReadWholeFile(LogFilePath()).find("Line file not written: " + Path("maps.txt")) ==
            std::string::npos)
            code |= 16;
        limit.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limit);
        if (!LineFiles().Flush()) code |= 32;
        _exit(code);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string saved = ReadWholeFile(Path("maps.txt"));
    EXPECT_EQ(saved.size(), 200u * 102u) << "the retry saved every line";
}

}  // namespace
