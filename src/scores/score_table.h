// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score table in memory: 21 entries, the best first once sorted.
// Entries 1 to 20 are the ones shown; entry 21 is where a new result goes
// before the table is sorted, so a result below all twenty drops out of view
// (it stays in the file until a better one replaces it).
#pragma once

#include "base/currency.h"
#include "base/numeric.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery::scores {

inline constexpr std::size_t kEntryCount = 21;
inline constexpr int kShownEntries = 20;
inline constexpr std::size_t kNameLength = 20; // characters

struct ScoreEntry {
    std::string name = std::string(kNameLength, ' '); // UTF-8, exactly 20 characters
    double score = 0.0;
    int16 days = 0;
    Currency money;

    bool operator==(const ScoreEntry&) const = default;
};

// Index 0 to 20 hold entries 1 to 21.
using ScoreTable = std::array<ScoreEntry, kEntryCount>;

using Cells = std::vector<std::vector<std::string>>;

// A finished game's result on its way into the table.
struct Result {
    std::string name; // UTF-8, any length
    double score = 0.0;
    int16 days = 0;
    Currency money;
};

// The best score a game can reach: one action, on day 1, with $1 spent.
inline constexpr double kHighestScore = 1e10;
// A score only counts when a game could have made it: a whole-part score is at
// least 1 (a smaller one is 0, which is no score) and at most kHighestScore.
// A tiny fraction or a huge number in a file is as empty as 0 or NaN.
bool is_valid_score(double score);
// An entry is empty without a valid score, and likewise with negative days
// or money, which no game can have; an empty entry is dropped at the next save.
bool is_empty(const ScoreEntry& entry);
// Name of 20 blanks, score 0, 0 days, no money.
ScoreEntry empty_entry();

// The name cut to 20 characters, or padded on the right with blanks to 20.
std::string fit_name(std::string_view name);

// Puts the result into entry 21, overwriting what was there. A result that
// would be an empty entry leaves entry 21 empty.
void enter_result(ScoreTable& table, const Result& result);

// Sorts by score, highest first. Among equal scores the higher-numbered entry
// comes first; empty entries end up last. Empty entries (see is_empty) are
// cleared before sorting.
void sort_by_score(ScoreTable& table);

// The 22 x 5 grid of the high-score window: a header row, entries 1 to 20
// (an empty entry gives five empty texts) and an always-empty last row.
Cells score_cells(const ScoreTable& table);

// Grid rows (1 to 20) whose entry is the given result: its name without
// trailing blanks equals winner_name and its score equals winner_score. Empty
// entries are never marked.
std::vector<int> marked_rows(const ScoreTable& table, std::string_view winner_name,
                             double winner_score);

} // namespace swoonery::scores
