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

// A score only counts when it is a finite number above 0.
bool is_valid_score(double score);
// An entry without a valid score is empty, whatever else it holds.
bool is_empty(const ScoreEntry& entry);
// Name of 20 blanks, score 0, 0 days, no money.
ScoreEntry empty_entry();

// The name cut to 20 characters, or padded on the right with blanks to 20.
std::string fit_name(std::string_view name);

// Puts the result into entry 21, overwriting what was there. A result without
// a valid score leaves entry 21 empty.
void enter_result(ScoreTable& table, const Result& result);

// Sorts by score, highest first. Among equal scores the higher-numbered entry
// comes first; empty entries end up last. Entries with an invalid score (NaN,
// infinite, 0 or below) are emptied before sorting.
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
