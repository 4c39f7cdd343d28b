#include "runtime/values/text_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

TEST(NumberToText, NumbersTheGameUsesPrintAsTheyRead) {
    const double values[] = {5, -999, 1280, 2.5, 0, 35, -5, 0.1, 1.5, 33023};
    const char* texts[] = {"5", "-999", "1280", "2.5", "0", "35", "-5", "0.1", "1.5", "33023"};
    for (size_t i = 0; i < std::size(values); ++i) {
        EXPECT_STREQ(NumberToText(values[i]).c_str(), texts[i]) << values[i];
        EXPECT_EQ(TextToNumber(NumberToText(values[i])), values[i]);
    }
}

TEST(NumberToText, TenSignificantDigitsThenExponent) {
    EXPECT_STREQ(NumberToText(1.0 / 3).c_str(), "0.3333333333");
    EXPECT_STREQ(NumberToText(9999999999.0).c_str(), "9999999999");
    EXPECT_STREQ(NumberToText(12345678901.0).c_str(), "1.23456789e+10");
    EXPECT_STREQ(NumberToText(-0.25).c_str(), "-0.25");
    EXPECT_STREQ(NumberToText(16.6666666666667).c_str(), "16.66666667");
    EXPECT_STREQ(NumberToText(-0.0).c_str(), "0");
    EXPECT_STREQ(NumberToText(0.00001).c_str(), "1e-05");
}

TEST(TextToNumber, ReadsOnlyDecimalNumbers) {
    // The C library would read these as 16, infinity, NaN and infinity.
    for (const char* text : {"0x10", "inf", "nan", "INFO", "-infinity", "NAN(1)", "1e999"})
        EXPECT_EQ(TextToNumber(text), 0) << text;
    EXPECT_EQ(TextToNumber("+.5"), 0.5);
    EXPECT_EQ(TextToNumber("3e"), 3) << "an exponent without digits is not read";
    EXPECT_EQ(TextToNumber("3e+x"), 3);
    EXPECT_EQ(TextToNumber("-4.e1"), -40);
    EXPECT_EQ(TextToNumber("."), 0);
    EXPECT_EQ(TextToNumber("\t\n 7"), 7);
}

TEST(TextToNumber, FollowsAtofAndAtoi) {
    EXPECT_EQ(TextToNumber("12abc"), 12);
    EXPECT_EQ(TextToNumber("abc"), 0);
    EXPECT_EQ(TextToNumber(" 0-1"), 0);
    EXPECT_EQ(TextToNumber("-1 0"), -1);
    EXPECT_EQ(TextToNumber("  2.5e2x"), 250);
    EXPECT_EQ(TextToNumber(TextValue("")), 0);
    // Whole numbers, read without the C library up to 15 digits: the same values, the sign of
    // a negative zero included.
    for (const char* text : {"0", "007", "-0", "+42", "950", "123456789012345", "-999999999999999",
                             "1234567890123456", "12345678901234567890", " 3x", "65\n"}) {
        const double read = TextToNumber(text);
        const double library = std::strtod(text, nullptr);
        EXPECT_EQ(read, library) << text;
        EXPECT_EQ(std::signbit(read), std::signbit(library)) << text;
    }
    EXPECT_EQ(TextToInteger(" 7"), 7);
    EXPECT_EQ(TextToInteger("-12.9"), -12);
    EXPECT_EQ(TextToInteger("x1"), 0);
    EXPECT_EQ(TextToInteger("99999999999"), 2147483647);
}

TEST(TextValue, StartsOnTheSharedEmptyTextAndGrowsInStepsOf16) {
    TextValue a, b;
    EXPECT_EQ(a.capacity(), 0u);
    EXPECT_EQ(a.c_str(), b.c_str());
    EXPECT_STREQ(a.c_str(), "");
    a = "x";
    EXPECT_EQ(a.capacity(), 16u);
    for (int i = 0; i < 14; ++i) a.AppendChar('y');
    EXPECT_EQ(a.length(), 15u);
    EXPECT_EQ(a.capacity(), 16u);
    a.AppendChar('z');
    EXPECT_EQ(a.capacity(), 32u);
    a = "";
    EXPECT_EQ(a.capacity(), 32u) << "capacity never shrinks";
    EXPECT_EQ(a.length(), 0u);
}

TEST(TextValue, CopiesOwnTheirCharacters) {
    TextValue a("abc");
    TextValue b = a;
    b += "d";
    EXPECT_STREQ(a.c_str(), "abc");
    EXPECT_STREQ(b.c_str(), "abcd");
    EXPECT_NE(a.c_str(), b.c_str());
    a = a;
    EXPECT_STREQ(a.c_str(), "abc");
    a = a.c_str() + 1;
    EXPECT_STREQ(a.c_str(), "bc");
    a += a.c_str();
    EXPECT_STREQ(a.c_str(), "bcbc");
}

TEST(TextValue, ConcatenatesEveryOperandMix) {
    const TextValue t("n=");
    EXPECT_STREQ((t + 5).c_str(), "n=5");
    EXPECT_STREQ((t + 2.5).c_str(), "n=2.5");
    EXPECT_STREQ((t + 1.5f).c_str(), "n=1.5");
    EXPECT_STREQ((t + "x").c_str(), "n=x");
    EXPECT_STREQ(("x" + t).c_str(), "xn=");
    EXPECT_STREQ((-3 + t).c_str(), "-3n=");
    EXPECT_STREQ((t + t).c_str(), "n=n=");
    EXPECT_STREQ((t + std::string("s")).c_str(), "n=s");
    TextValue u;
    u = 1280.0;
    u += -999;
    u += 0.1;
    EXPECT_STREQ(u.c_str(), "1280-9990.1");
    u = 35;
    EXPECT_STREQ(u.c_str(), "35");
}

TEST(TextValue, ComparesBytesUnsignedAndLengthsFirst) {
    EXPECT_LT(TextValue("0012"), TextValue("0100"));
    EXPECT_GT(TextValue("DATA"), TextValue("0012"));
    EXPECT_LT(TextValue(""), TextValue("a"));
    EXPECT_GT(TextValue("\xE0"), TextValue("z")) << "bytes compare as unsigned";
    EXPECT_LE(TextValue("ab"), "ab");
    EXPECT_GE(TextValue("ab"), "aa");
    EXPECT_NE(TextValue("ab"), TextValue("abc"));
    EXPECT_EQ(TextValue("ab"), "ab");
    EXPECT_TRUE("ab" == TextValue("ab"));
    EXPECT_TRUE("aa" < TextValue("ab"));
}

TEST(TextValue, ComparesWithNumbersByNumericValue) {
    EXPECT_TRUE(TextValue("12abc") == 12);
    EXPECT_TRUE(TextValue("2.5") == 2.5);
    EXPECT_TRUE(TextValue("abc") == 0);
    EXPECT_TRUE(TextValue("9") < 10);
    EXPECT_TRUE(TextValue("10") > 9.5);
    EXPECT_FALSE(TextValue("10") == 9);
}

TEST(TextValue, SubstringClampsToTheText) {
    const TextValue t("ABCDEF");
    // Written into a text that held something longer, the same characters and length.
    for (int start : {-1, 0, 1, 4, 6, 7})
        for (int count : {-1, 0, 1, 3, 5, 2147483647}) {
            TextValue into("a text longer than the one cut");
            AssignSubstring(into, t, start, count);
            EXPECT_EQ(into.view(), Substring(t, start, count).view()) << start << " " << count;
        }
    TextValue self("ABCDEF");
    AssignSubstring(self, self, 2, 3);
    EXPECT_STREQ(self.c_str(), "CDE");
    EXPECT_STREQ(Substring(t, 4, 5).c_str(), "EF");
    EXPECT_STREQ(Substring(t, 6, 1).c_str(), "");
    EXPECT_STREQ(Substring(t, 2, -1).c_str(), "CDEF");
    EXPECT_STREQ(Substring(t, 0, 6).c_str(), "ABCDEF");
    EXPECT_STREQ(Substring(t, 1, 0).c_str(), "");
    EXPECT_STREQ(Substring(t, -1, 3).c_str(), "");
    EXPECT_STREQ(Substring(t, 7, -1).c_str(), "");
    EXPECT_STREQ(Substring(TextValue(), 0, -1).c_str(), "");
    EXPECT_STREQ(Substring(t, 3, 2147483647).c_str(), "DEF");
}

TEST(TextValue, CodesCaseAndCharacters) {
    EXPECT_EQ(CharCode(TextValue()), 0);
    EXPECT_EQ(CharCode(TextValue("\xE8x")), 0xE8);
    EXPECT_EQ(CharCode(TextValue("#")), 35);
    EXPECT_STREQ(CharText(65).c_str(), "A");
    EXPECT_EQ(CharText(0).length(), 0u);
    EXPECT_EQ(CharCode(CharText(200)), 200);
    EXPECT_STREQ(UpperCase(TextValue("ab\xE8z-Q")).c_str(), "AB\xE8Z-Q");
    EXPECT_STREQ(LowerCase(TextValue("AB\xC8Z-q")).c_str(), "ab\xC8z-q");
    const TextValue t("abc");
    EXPECT_EQ(CharAt(t, 1), 'b');
    EXPECT_EQ(CharAt(TextValue(), 0), 0);
    EXPECT_EQ(CharAt(t, 3), 0);
    EXPECT_EQ(CharAt(t, -1), 0);
    EXPECT_EQ(Len(t), 3);
}

}  // namespace
