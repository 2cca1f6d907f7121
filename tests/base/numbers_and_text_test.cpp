// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/numeric.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace swoonery {
namespace {

struct RoundCase {
    double in;
    double out;
};

class RoundHalfEven : public ::testing::TestWithParam<RoundCase> {};

// Fractions are rounded to the nearest whole number and halves to the even one.
TEST_P(RoundHalfEven, RoundsToNearestWithHalvesToEven) {
    EXPECT_EQ(round_half_even(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundHalfEven,
                         ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2},
                                           RoundCase{3.5, 4}, RoundCase{-0.5, 0},
                                           RoundCase{-1.5, -2}, RoundCase{-2.5, -2},
                                           RoundCase{17.5, 18}, RoundCase{18.5, 18},
                                           RoundCase{14.5, 14}, RoundCase{2.4999, 2},
                                           RoundCase{2.5001, 3}, RoundCase{-3.7, -4},
                                           RoundCase{364.0, 364}));

// Stored 16-bit values saturate at the ends of the range instead of wrapping.
TEST(Saturation, ClampsAtTheSixteenBitLimits) {
    EXPECT_EQ(sat16(32767 + 1), 32767);
    EXPECT_EQ(sat16(-32768 - 1), -32768);
    EXPECT_EQ(sat16(1'000'000'000'000LL), 32767);
    EXPECT_EQ(sat16(-5), -5);
    EXPECT_EQ(round16(40000.4), 32767);
    EXPECT_EQ(round16(-40000.4), -32768);
    EXPECT_EQ(round16(32766.5), 32766);
    EXPECT_EQ(round16(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(round16(std::numeric_limits<double>::infinity()), 32767);
}

// Names go to files as Windows-1252 and come back unchanged where the code page can hold them.
TEST(CodePage, RoundTripsWhatItCanHoldAndMarksTheRest) {
    EXPECT_EQ(utf8_to_cp1252("Zo\xc3\xab \xe2\x82\xac"), "Zo\xeb \x80");
    EXPECT_EQ(cp1252_to_utf8("Zo\xeb \x80"), "Zo\xc3\xab \xe2\x82\xac");
    // A Greek letter and an emoji have no place in the code page.
    EXPECT_EQ(utf8_to_cp1252("a\xce\xa9"
                             "b\xf0\x9f\x98\x80"),
              "a?b?");
    // Malformed input never passes through as raw bytes.
    EXPECT_EQ(utf8_to_cp1252("x\xff\xc3"), "x??");
    EXPECT_EQ(cp1252_to_utf8("\x81"), "\xc2\x81");
}

// The name box counts characters, not bytes, and never leaves a broken character behind.
TEST(Utf8, CountsAndCutsByCharacter) {
    EXPECT_EQ(utf8_length("\xc3\xa5\xc3\xa5x"), 3u);
    EXPECT_EQ(utf8_truncate("\xc3\xa5\xc3\xa5x", 2), "\xc3\xa5\xc3\xa5");
    EXPECT_EQ(sanitize_utf8("ok\xff"), "ok\xef\xbf\xbd");
    EXPECT_EQ(trim_blanks("  Bob Smith  "), "Bob Smith");
    EXPECT_EQ(trim_blanks("    "), "");
    EXPECT_EQ(trim_trailing_blanks("  Bob  "), "  Bob");
}

// Numbers shown as text are plain decimal: no blank, no separator, no exponent.
TEST(PlainDecimal, WritesNumbersWithoutDecoration) {
    EXPECT_EQ(plain_decimal(833333.0), "833333");
    EXPECT_EQ(plain_decimal(10000000000.0), "10000000000");
    EXPECT_EQ(plain_decimal(-4LL), "-4");
    EXPECT_EQ(plain_decimal(12.5), "12.5");
}

struct WholeNumberCase {
    const char* text;
    bool plus_allowed;
    bool read;
    long long value;
};

class WholeNumber : public ::testing::TestWithParam<WholeNumberCase> {};

// A whole number is read only when it is all of the text, and a '+' only
// where the caller takes one; anything else is refused, never half-read.
TEST_P(WholeNumber, ReadsAllOfTheTextOrNothing) {
    const WholeNumberCase& c = GetParam();
    long long v = -999;
    ASSERT_EQ(parse_whole_number(c.text, v, c.plus_allowed), c.read) << c.text;
    if (c.read) {
        EXPECT_EQ(v, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeNumber,
                         ::testing::Values(WholeNumberCase{"42", false, true, 42},
                                           WholeNumberCase{"-7", false, true, -7},
                                           WholeNumberCase{"+5", false, false, 0},
                                           WholeNumberCase{"+5", true, true, 5},
                                           WholeNumberCase{"", true, false, 0},
                                           WholeNumberCase{"+", true, false, 0},
                                           WholeNumberCase{"12 ", false, false, 0},
                                           WholeNumberCase{" 12", false, false, 0},
                                           WholeNumberCase{"1e3", false, false, 0},
                                           WholeNumberCase{"3.0", false, false, 0},
                                           WholeNumberCase{"99999999999999999999", false, false, 0},
                                           WholeNumberCase{"-9223372036854775808", false, true,
                                                           std::numeric_limits<long long>::min()}));

} // namespace
} // namespace swoonery
