// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/score_file.h"

#include "test_support.h"

#include <limits>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace scores_test {
namespace {

using namespace swoonery::scores;
using ScoreFileTest = TempFolder;

// Each field is read from its own offset in little-endian order, in every record.
TEST_F(ScoreFileTest, ReadsHandMadeRecords) {
    std::string bytes =
        record("Ann", 833333.0, 12, 12500000) + empty_record() + record("Zed", 2.0, 300, 5000);
    write_bytes(file, bytes);
    const ReadResult read = read_scores(file);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.table[0], (ScoreEntry{padded("Ann"), 833333.0, 12, {12500000}}));
    EXPECT_EQ(read.table[1], ScoreEntry{});
    EXPECT_EQ(read.table[2], (ScoreEntry{padded("Zed"), 2.0, 300, {5000}}));
}

// The game writes exactly these bytes for an entry, and blanks and zeros for empty ones.
TEST(ScoreFileLayout, WritesTheByteLayout) {
    ScoreTable table;
    table[0] = {padded("Ann"), 1.0, 12, {125000}};
    table[1] = {padded("Old"), -4.0, 3, {7}};
    const std::string bytes = encode_table(table);
    ASSERT_EQ(bytes.size(), 798u);
    EXPECT_EQ(bytes.substr(0, 38), padded("Ann") + std::string("\0\0\0\0\0\0\xF0\x3F"
                                                               "\x0C\0"
                                                               "\x48\xE8\x01\0\0\0\0\0",
                                                               18));
    for (std::size_t n = 1; n < 21; ++n) {
        EXPECT_EQ(bytes.substr(38 * n, 38), empty_record()) << "record " << n + 1;
    }
}

class InvalidScore : public ::testing::TestWithParam<double> {};

// A record no game can have written (a score below 1 or above the best
// possible, not a number, negative days or money) reads as empty, whatever
// else it holds.
TEST_P(InvalidScore, RecordReadsAsEmpty) {
    const ScoreTable table = decode_table(record("Bad", GetParam(), 5, 7) + record("Ok", 3, 1, 0) +
                                          record("Back", 3, -1, 0) + record("Debt", 3, 1, -1) +
                                          record("Best", 1e10, 1, 1));
    EXPECT_EQ(table[0], ScoreEntry{});
    EXPECT_EQ(table[1].score, 3.0);
    EXPECT_EQ(table[2], ScoreEntry{});
    EXPECT_EQ(table[3], ScoreEntry{});
    EXPECT_EQ(table[4].score, 1e10);
}

INSTANTIATE_TEST_SUITE_P(Scores, InvalidScore,
                         ::testing::Values(0.0, -0.0, -1.0, 0.999, 1e-300, 1.0000001e10,
                                           std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity()));

// Zero bytes in a name read as blanks and bytes above 127 as their Windows-1252 characters.
TEST(ScoreFileLayout, DecodesNames) {
    const ScoreTable table =
        decode_table(record(std::string("Jo\0\xE9\x80\x81", 6) + std::string(14, '\0'), 1, 0, 0));
    EXPECT_EQ(table[0].name, "Jo \xC3\xA9\xE2\x82\xAC\xC2\x81" + std::string(14, ' '));
}

// A short, cut-off or over-long file gives 21 entries, the missing ones empty.
TEST(ScoreFileLayout, ToleratesOddLengths) {
    const std::string one = record("One", 1.0, 1, 1);
    EXPECT_EQ(decode_table(one + one.substr(0, 37)), decode_table(one));
    std::string longer = one;
    for (int n = 0; n < 21; ++n) {
        longer += record("Extra", 9.0, 1, 1);
    }
    EXPECT_EQ(decode_table(longer)[20].name, padded("Extra"));
    EXPECT_EQ(decode_table(longer), decode_table(longer.substr(0, 798)));
}

// What is written reads back the same; a character Windows-1252 lacks becomes '?'.
TEST_F(ScoreFileTest, RoundTrip) {
    ScoreTable table;
    table[0] = {"Ren\xC3\xA9\xE2\x82\xAC" + std::string(15, ' '), 1234.5, 30, {77}};
    table[20] = {"\xCE\xA9mega" + std::string(15, ' '), 1e10, 32767, {INT64_MAX}};
    ASSERT_EQ(write_scores(file, table), "");
    EXPECT_EQ(fs::file_size(file), 798u);
    EXPECT_EQ(files_in_folder(), 1);
    table[20].name = padded("?mega");
    EXPECT_EQ(read_scores(file).table, table);
}

#ifndef _WIN32
// A pipe in place of the file is no table, and never blocks the game.
TEST_F(ScoreFileTest, PipeIsNotRead) {
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    const ReadResult read = read_scores(file);
    EXPECT_EQ(read.error, "");
    EXPECT_FALSE(read.existed);
}
#endif

} // namespace
} // namespace scores_test
