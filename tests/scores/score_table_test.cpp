// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/score_table.h"

#include "test_support.h"

#include <limits>
#include <ostream>

namespace scores_test {
namespace {

using namespace swoonery::scores;

ScoreEntry entry(std::string_view name, double score) {
    return {padded(name), score, 1, {}};
}

std::string names_in_order(const ScoreTable& table) {
    std::string names;
    for (const ScoreEntry& e : table) {
        names += e.name == padded("") ? "." : e.name.substr(0, e.name.find(' '));
    }
    return names;
}

// Equal scores put the higher-numbered slot first; invalid and empty entries go last, blank.
TEST(SortByScore, TieRuleAndEmptyEntries) {
    ScoreTable table;
    table[0] = entry("a", 5.0);
    table[1] = entry("b", 7.0);
    table[2] = entry("N", std::numeric_limits<double>::quiet_NaN());
    table[3] = entry("c", 5.0);
    table[5] = entry("I", std::numeric_limits<double>::infinity());
    table[7] = {padded("z"), 0.0, 4, {9}};
    table[8] = entry("n", -3.0);
    table[20] = entry("d", 7.0);
    sort_by_score(table);
    EXPECT_EQ(names_in_order(table), "dbca.................");
    EXPECT_EQ(table[4], ScoreEntry{});
}

// A result goes into entry 21 with its name cut or padded to 20 characters.
TEST(EnterResult, FitsTheName) {
    Result result{"\xC3\x89" + std::string(24, 'x'), 10.0, 3, {50000}}; // 25 characters
    ScoreTable table;
    enter_result(table, result);
    EXPECT_EQ(table[20], (ScoreEntry{"\xC3\x89" + std::string(19, 'x'), 10.0, 3, {50000}}));
    result.name = "Al";
    enter_result(table, result);
    EXPECT_EQ(table[20].name, padded("Al"));
}

struct CellCase {
    int days;
    long long money_units;
    double score;
    const char* days_text;
    const char* money_text;
    const char* score_text;
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.days_text << ", " << c.money_text << ", " << c.score_text;
}

class RowCells : public ::testing::TestWithParam<CellCase> {};

// Days, money and score show in plain decimal with their units.
TEST_P(RowCells, FormatsEntry) {
    const CellCase& c = GetParam();
    ScoreTable table;
    table[1] = {padded("Kim"), c.score, static_cast<swoonery::int16>(c.days), {c.money_units}};
    EXPECT_EQ(score_cells(table)[2], (std::vector<std::string>{"2", padded("Kim"), c.days_text,
                                                               c.money_text, c.score_text}));
}

INSTANTIATE_TEST_SUITE_P(Cells, RowCells,
                         ::testing::Values(CellCase{12, 12500000, 833333.0, "12 Days", "$1250",
                                                    "833333"},
                                           CellCase{1, 125000, 1.5, "1 Days", "$12.5", "1.5"},
                                           CellCase{0, 0, 1e10, "0 Days", "$0", "10000000000"},
                                           CellCase{30, 1, 2.25, "30 Days", "$0.0001", "2.25"}));

// The header is fixed; rows without an entry, and always row 21, are blank.
TEST(ScoreCells, HeaderAndBlankRows) {
    ScoreTable table;
    table[20] = entry("hidden", 99.0);
    const Cells cells = score_cells(table);
    ASSERT_EQ(cells.size(), 22u);
    EXPECT_EQ(cells[0],
              (std::vector<std::string>{"", "Name", "Total Days  ", "Money Spent ", "Score  "}));
    for (std::size_t r = 1; r < 22; ++r) {
        EXPECT_EQ(cells[r], std::vector<std::string>(5)) << "row " << r;
    }
}

// The stored name's trailing blanks do not stop a match; name and score must both match.
TEST(MarkedRows, MatchesTrimmedNameAndScore) {
    ScoreTable table;
    table[0] = entry("Bob", 8.0);
    table[1] = entry("Bob", 7.0);
    table[4] = entry("Bob", 8.0);
    table[5] = entry(" Bob", 8.0);
    EXPECT_EQ(marked_rows(table, "Bob", 8.0), (std::vector<int>{1, 5}));
    EXPECT_EQ(marked_rows(table, "", 0.0), std::vector<int>{});
}

} // namespace
} // namespace scores_test
