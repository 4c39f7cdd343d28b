#include "runtime/values/game_array.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "runtime/base/log.h"
#include "support/scratch_files.h"

namespace {

TEST(GameArray, CapacitiesFollowTheRoundingSteps) {
    TextArray texts;
    DimArray(texts, 128);
    EXPECT_EQ(texts.capacity(), 192);
    for (int i = 0; i < 128; ++i) ASSERT_EQ(texts(i).length(), 0u);
    for (int i = 0; i < 192; ++i) ASSERT_STREQ(texts.data()[i].c_str(), "");

    NumberArray numbers;
    DimArray(numbers, 15);
    EXPECT_EQ(numbers.capacity(), 16);
    EXPECT_TRUE(numbers.uses_inner_block());
    DimArray(numbers, 17);
    EXPECT_EQ(numbers.capacity(), 24);
    EXPECT_FALSE(numbers.uses_inner_block());

    IntegerArray integers;
    DimArray(integers, 8);
    EXPECT_EQ(integers.capacity(), 16);
    EXPECT_FALSE(integers.uses_inner_block());
}

TEST(GameArray, DimensionsAndBoundsAsPassed) {
    NumberArray a;
    EXPECT_EQ(a.dimensions(), 0);
    DimArray(a, 16, 2);
    EXPECT_EQ(a.dimensions(), 2);
    EXPECT_EQ(ArrayBounds(a, 0), 16);
    EXPECT_EQ(ArrayBounds(a, 1), 2);
    EXPECT_EQ(ArrayBounds(a, 2), 0);
    EXPECT_EQ(ArrayBounds(a, 4), 0);
    EXPECT_EQ(ArrayBounds(a, -1), 0);
    DimArray(a, 2, 0, 0, 3);
    EXPECT_EQ(a.dimensions(), 4);
    DimArray(a, -4);
    EXPECT_EQ(a.dimensions(), 0);
    EXPECT_EQ(ArrayBounds(a, 0), 0);
}

TEST(GameArray, FirstIndexVariesFastestAndNegativeCountsFromTheEnd) {
    IntegerArray a;
    DimArray(a, 4, 3, 2);
    for (int k = 0; k < 2; ++k)
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 4; ++i) a(i, j, k) = 100 * k + 10 * j + i;
    EXPECT_EQ(a.data()[1 + 2 * 4 + 1 * 12], 121);
    EXPECT_EQ(a(-1, 2, 1), 123);
    EXPECT_EQ(a(-4, 0, 0), 0);
    EXPECT_EQ(a(2.9, 0.5), 2) << "indexes truncate toward zero";
    EXPECT_EQ(a(-0.5, 1), 10);

    TextArray pezzi;
    DimArray(pezzi, 128);
    pezzi(127) = "last";
    EXPECT_STREQ(pezzi(-1).c_str(), "last");
}

TEST(GameArray, DimClearsAndRedimKeepsTheOverlap) {
    NumberArray a;
    DimArray(a, 3, 2);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i) a(i, j) = 1 + i + 10 * j;
    RedimArray(a, 4, 3);
    EXPECT_EQ(a(0, 0), 1);
    EXPECT_EQ(a(2, 1), 13);
    EXPECT_EQ(a(3, 1), 0);
    EXPECT_EQ(a(0, 2), 0);
    RedimArray(a, 2);
    EXPECT_EQ(a.dimensions(), 1);
    EXPECT_EQ(a(1), 2);
    DimArray(a, 2);
    EXPECT_EQ(a(1), 0) << "sizing again to the same sizes clears";

    TextArray t;
    RedimArray(t, 2);
    t(1) = "b";
    RedimArray(t, 100);
    EXPECT_STREQ(t(1).c_str(), "b");
    EXPECT_EQ(t.capacity(), 128);
}

TEST(GameArray, PushTextGrowsOneDimensionalArraysOnly) {
    ClearErrorState();
    TextArray list;
    ArrayPushText(list, TextValue("a"));
    ArrayPushText(list, TextValue("b"));
    EXPECT_EQ(ArrayBounds(list, 0), 2);
    EXPECT_STREQ(list(0).c_str(), "a");
    EXPECT_STREQ(list(1).c_str(), "b");

    TextArray testi;
    DimArray(testi, 5, 2);
    testi(4, 1) = "kept";
    ArrayPushText(testi, TextValue("x"));
    EXPECT_EQ(Errors().number, kErrorShape);
    EXPECT_EQ(ArrayBounds(testi, 0), 5);
    EXPECT_STREQ(testi(4, 1).c_str(), "kept");
    ClearErrorState();
}

TEST(GameArray, CopyTakesShapeAndElements) {
    TextArray a;
    DimArray(a, 3, 2);
    a(2, 1) = "z";
    TextArray b;
    b = a;
    a(2, 1) = "changed";
    EXPECT_EQ(ArrayBounds(b, 1), 2);
    EXPECT_STREQ(b(2, 1).c_str(), "z");
}

// A bad index ends the program: exit status 1, error 9 and the caller's line in the report.
class GameArrayDeath : public ::testing::Test {
  protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        // One folder per test: ctest runs the death tests side by side.
        folder_ =
            NamedScratchFolder(std::string("array_death_") +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        setenv("TMPDIR", folder_.c_str(), 1);
        DeleteLog();
    }
    std::string folder_;
};

int Touch(NumberArray& a, double i1, double i2 = 0) {
    return static_cast<int>(a(i1, i2));
}

TEST_F(GameArrayDeath, IndexOutsideTheSizesEndsWithError9) {
    NumberArray a;
    DimArray(a, 16, 2);
    EXPECT_EQ(Touch(a, 15, 1), 0);
    EXPECT_EXIT(Touch(a, 16, 0), ::testing::ExitedWithCode(1), "runtime error 9");
    EXPECT_EXIT(Touch(a, 0, 2), ::testing::ExitedWithCode(1), "runtime error 9");
    EXPECT_EXIT(Touch(a, -17), ::testing::ExitedWithCode(1), "runtime error 9");
    EXPECT_EXIT(Touch(a, 0, -1), ::testing::ExitedWithCode(1), "runtime error 9");
    NumberArray unsized;
    EXPECT_EXIT(Touch(unsized, 0), ::testing::ExitedWithCode(1), "runtime error 9");
}

TEST_F(GameArrayDeath, ReportCarriesTheLineOfTheAccess) {
    TextArray pezzi;
    DimArray(pezzi, 128);
    const int line = __LINE__ + 1;
    EXPECT_EXIT(pezzi(-129) = "x", ::testing::ExitedWithCode(1), "runtime error 9");
    const std::string log = ReadWholeFile(LogFilePath());
    const std::string expected = "-End On Line\r\n9\r\n" + std::to_string(line - 1) + "\r\n" +
                                 std::to_string(line) + "\r\n0\r\n";
    EXPECT_NE(log.find(expected), std::string::npos) << log;
}

}  // namespace
