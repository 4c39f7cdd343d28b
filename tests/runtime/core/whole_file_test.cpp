// The one whole-file read: contents byte for byte, and the reasons it gives when it cannot.
#include "runtime/core/whole_file.h"

#include <gtest/gtest.h>

#include "support/scratch_files.h"

namespace {

TEST(WholeFile, ReadsEveryByteOrSaysWhyNot) {
    const std::string folder = MakeScratchFolder("whole_file");
    const std::string bytes("a\0\r\n\xFF", 5);
    ASSERT_TRUE(WriteWholeFile(folder + "f.bin", bytes));
    std::vector<uint8_t> read{1, 2, 3};
    std::string why;
    ASSERT_TRUE(ReadWholeFile(folder + "f.bin", read, &why));
    EXPECT_EQ(std::string(read.begin(), read.end()), bytes);
    ASSERT_TRUE(ReadWholeFile(folder + "f.bin", read, &why, 5)) << "a limit the file meets";

    EXPECT_FALSE(ReadWholeFile(folder + "f.bin", read, &why, 4));
    EXPECT_EQ(why, "too large");
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(ReadWholeFile(folder + "missing.bin", read, &why));
    EXPECT_EQ(why, "cannot be opened");
    EXPECT_FALSE(ReadWholeFile(folder, read, &why)) << "a folder is no file";
    EXPECT_TRUE(read.empty());

    ASSERT_TRUE(WriteWholeFile(folder + "empty.bin", ""));
    EXPECT_TRUE(ReadWholeFile(folder + "empty.bin", read));
    EXPECT_TRUE(read.empty());
}

}  // namespace
