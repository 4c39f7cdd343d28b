// The file layer: the atomic replace, temporary files, appends and names in UTF-8, and the
// whole-file read that goes through it. This test also runs on Windows (cross-built, under
// Wine in CI), so it needs nothing but the layer, that read and the standard library.
#include "runtime/platform/files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "runtime/base/whole_file.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

std::vector<fs::path>& MadeFolders() {
    static std::vector<fs::path> folders;
    return folders;
}

// Removes the test folders when the program ends.
class RemoveFolders : public ::testing::Environment {
  public:
    void TearDown() override {
        std::error_code ec;
        for (const fs::path& dir : MadeFolders()) fs::remove_all(dir, ec);
    }
};
const auto* const kRemoveFolders = ::testing::AddGlobalTestEnvironment(new RemoveFolders);

// A new empty folder for one test in the temporary folder, as UTF-8 text ending in '/'.
std::string NewFolder(const std::string& label) {
    static int counter = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path dir =
        fs::temp_directory_path() /
        ("zolv-platform-" + label + "-" + std::to_string(stamp) + "-" + std::to_string(++counter));
    fs::create_directories(dir);
    MadeFolders().push_back(dir);
    return PlatformPathText(dir) + "/";
}

std::string ReadAll(const std::string& name) {
    std::ifstream in(PlatformPath(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteAll(const std::string& name, const std::string& bytes) {
    std::ofstream out(PlatformPath(name), std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

// Every byte value, with CR LF pairs, a lone LF, NUL and 0x1A (the old end-of-file mark):
// binary mode must write and read them all as they are.
std::string AwkwardBytes() {
    std::string s = "line\r\nnext\nend\x1a tail\r\n";
    s += '\0';
    for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
    return s;
}

int FilesIn(const std::string& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(PlatformPath(folder))) ++n;
    return n;
}

TEST(PlatformFiles, ReplaceWritesExactBytesAndLeavesNoTemporaryFile) {
    const std::string dir = NewFolder("replace");
    const std::string name = dir + "player.txt";
    std::string error;
    ASSERT_TRUE(PlatformReplaceFile(name, AwkwardBytes(), &error)) << error;
    EXPECT_EQ(ReadAll(name), AwkwardBytes());
    ASSERT_TRUE(PlatformReplaceFile(name, "short\r\n", &error)) << error;
    EXPECT_EQ(ReadAll(name), "short\r\n") << "the old, longer contents are gone";
    ASSERT_TRUE(PlatformReplaceFile(name, "", &error)) << error;
    EXPECT_EQ(ReadAll(name), "");
    EXPECT_EQ(FilesIn(dir), 1);
}

#ifndef _WIN32
TEST(PlatformFiles, ReplaceKeepsThePermissionsOfTheOldFile) {
    const std::string dir = NewFolder("mode");
    const std::string name = dir + "maps.txt";
    ASSERT_TRUE(WriteAll(name, "old\r\n"));
    ASSERT_EQ(chmod(name.c_str(), 0600), 0);
    ASSERT_TRUE(PlatformReplaceFile(name, "new\r\n", nullptr));
    struct stat st;
    ASSERT_EQ(stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}
#else
// Another program holding the old file open (without letting it be deleted) delays the
// replace; it goes through once the file is let go.
TEST(PlatformFiles, ReplaceWaitsForAFileHeldOpen) {
    const std::string dir = NewFolder("held");
    const std::string name = dir + "records.txt";
    ASSERT_TRUE(WriteAll(name, "old\r\n"));
    std::FILE* held = PlatformOpenFile(name, "r");
    ASSERT_NE(held, nullptr);
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::fclose(held);
    });
    std::string error;
    const bool replaced = PlatformReplaceFile(name, "new\r\n", &error);
    release.join();
    EXPECT_TRUE(replaced) << error;
    EXPECT_EQ(ReadAll(name), "new\r\n");
    EXPECT_EQ(FilesIn(dir), 1);
}
#endif

// A replace that cannot finish says which step failed, keeps the old file and removes its
// temporary file.
TEST(PlatformFiles, FailedReplaceKeepsTheOldFileAndSaysWhy) {
    const std::string dir = NewFolder("fail");
    std::string error;
    EXPECT_FALSE(PlatformReplaceFile(dir + "missing/x.txt", "data", &error));
    EXPECT_EQ(error.rfind("create: ", 0), 0u) << error;

    // A folder in the way of the new file: everything works up to the rename.
    ASSERT_TRUE(fs::create_directory(PlatformPath(dir + "taken")));
    ASSERT_TRUE(WriteAll(dir + "taken/inside", "keep"));
    error.clear();
    EXPECT_FALSE(PlatformReplaceFile(dir + "taken", "data", &error));
    EXPECT_EQ(error.rfind("rename: ", 0), 0u) << error;
    EXPECT_EQ(ReadAll(dir + "taken/inside"), "keep");
    EXPECT_EQ(FilesIn(dir), 1) << "no temporary file is left behind";
}

TEST(PlatformFiles, NamesAreUtf8) {
    const std::string dir = NewFolder("utf8");
    const std::string name = dir + "città é 日本.txt";
    ASSERT_TRUE(PlatformReplaceFile(name, "sì\r\n", nullptr));
    ASSERT_EQ(FilesIn(dir), 1);
    EXPECT_EQ(PlatformPathText(fs::directory_iterator(PlatformPath(dir))->path().filename()),
              "città é 日本.txt");
    EXPECT_EQ(PlatformPathText(PlatformPath(name)), name);
    EXPECT_TRUE(PlatformIsReadableFile(name));
    ASSERT_TRUE(PlatformAppendToFile(name, "più\r\n"));
    EXPECT_EQ(ReadAll(name), "sì\r\npiù\r\n");
    std::FILE* f = PlatformOpenFile(name, "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(PlatformFileSize(f), 11) << "UTF-8: ì and ù take two bytes each";
    char two[2];
    ASSERT_TRUE(PlatformReadAt(f, 5, two, 2));
    EXPECT_EQ(std::string(two, 2), "pi");
    EXPECT_FALSE(PlatformReadAt(f, 10, two, 2)) << "one byte short of the end";
    std::fclose(f);
    EXPECT_TRUE(PlatformDeleteFile(name));
    EXPECT_FALSE(PlatformIsReadableFile(name));
    EXPECT_FALSE(PlatformDeleteFile(name));
}

// The loaders' whole-file read: a UTF-8 name and the exact bytes (on Windows a text-mode read
// would turn CR LF into LF and stop at the Ctrl+Z byte).
TEST(PlatformFiles, WholeFileReadTakesUtf8NamesAndExactBytes) {
    const std::string name = NewFolder("whole") + "città.bin";
    const std::string bytes("a\r\nb\x1a\0c\n", 8);
    ASSERT_TRUE(WriteAll(name, bytes));
    std::vector<uint8_t> read;
    std::string why;
    ASSERT_TRUE(ReadWholeFile(name, read, &why)) << why;
    EXPECT_EQ(std::string(read.begin(), read.end()), bytes);
    EXPECT_FALSE(ReadWholeFile(name, read, &why, 7));
    EXPECT_EQ(why, "too large");
    EXPECT_TRUE(read.empty());
}

TEST(PlatformFiles, ReadableMeansARegularFile) {
    const std::string dir = NewFolder("readable");
    EXPECT_FALSE(PlatformIsReadableFile(dir));
    EXPECT_FALSE(PlatformIsReadableFile(dir + "none"));
    EXPECT_FALSE(PlatformIsReadableFile(""));
}

TEST(PlatformFiles, AppendCreatesThenAppends) {
    const std::string dir = NewFolder("append");
    ASSERT_TRUE(PlatformAppendToFile(dir + "log.txt", "one\r\n"));
    ASSERT_TRUE(PlatformAppendToFile(dir + "log.txt", "two\r\n"));
    EXPECT_EQ(ReadAll(dir + "log.txt"), "one\r\ntwo\r\n");
    EXPECT_FALSE(PlatformAppendToFile(dir + "no/such/log.txt", "x"));
}

TEST(PlatformFiles, TemporaryFilesAreNewEachTime) {
    const std::string dir = NewFolder("temp");
    std::string a, b, error;
    std::FILE* fa = PlatformCreateTemporaryFile(dir, "zolv-media-", ".wav", &a, &error);
    std::FILE* fb = PlatformCreateTemporaryFile(dir, "zolv-media-", ".wav", &b, &error);
    ASSERT_NE(fa, nullptr) << error;
    ASSERT_NE(fb, nullptr) << error;
    EXPECT_NE(a, b);
    for (const std::string& n : {a, b}) {
        EXPECT_EQ(n.rfind(dir + "zolv-media-", 0), 0u) << n;
        EXPECT_EQ(n.size(), dir.size() + 11 + 6 + 4) << n;
        EXPECT_EQ(n.substr(n.size() - 4), ".wav");
    }
    const std::string bytes = AwkwardBytes();
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), fa), bytes.size());
    std::fclose(fa);
    std::fclose(fb);
    EXPECT_EQ(ReadAll(a), bytes);
    EXPECT_EQ(ReadAll(b), "");

    std::string none;
    EXPECT_EQ(PlatformCreateTemporaryFile(dir + "missing/", "x", "", &none, &error), nullptr);
    EXPECT_FALSE(error.empty());
}

TEST(PlatformFiles, MakeFoldersForCreatesTheMissingParents) {
    const std::string dir = NewFolder("folders");
    PlatformMakeFoldersFor(dir + "Media/sub/file.txt");
    EXPECT_TRUE(fs::is_directory(PlatformPath(dir + "Media/sub")));
    EXPECT_FALSE(fs::exists(PlatformPath(dir + "Media/sub/file.txt")));
    PlatformMakeFoldersFor("plain.txt");  // no folder part: nothing to make, no crash
}

}  // namespace
