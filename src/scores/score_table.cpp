// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/score_table.h"

#include "base/text.h"

#include <cmath>

namespace swoonery::scores {

bool is_valid_score(double score) {
    return std::isfinite(score) && score >= 1.0 && score <= kHighestScore;
}

bool is_empty(const ScoreEntry& entry) {
    return !is_valid_score(entry.score) || entry.days < 0 || entry.money.units < 0;
}

ScoreEntry empty_entry() {
    return ScoreEntry{};
}

std::string fit_name(std::string_view name) {
    std::string fitted = utf8_truncate(name, kNameLength);
    const std::size_t length = utf8_length(fitted);
    if (length < kNameLength) {
        fitted.append(kNameLength - length, ' ');
    }
    return fitted;
}

void enter_result(ScoreTable& table, const Result& result) {
    ScoreEntry& last = table[kEntryCount - 1];
    last.name = fit_name(result.name);
    last.score = result.score;
    last.days = result.days;
    last.money = result.money;
    if (is_empty(last)) {
        last = empty_entry();
    }
}

void sort_by_score(ScoreTable& table) {
    // Selection by maximum, as the game has always sorted its table. It relies
    // on every score being 0 or above, so invalid ones are emptied first.
    for (ScoreEntry& entry : table) {
        if (is_empty(entry)) {
            entry = empty_entry();
        }
    }
    ScoreTable sorted;
    for (std::size_t place = 0; place < kEntryCount; ++place) {
        double maximum = 0.0;
        std::size_t chosen = 0;
        for (std::size_t j = 0; j < kEntryCount; ++j) {
            if (table[j].score >= maximum) {
                maximum = table[j].score;
                chosen = j;
            }
        }
        sorted[place] = table[chosen];
        table[chosen] = empty_entry();
    }
    table = sorted;
}

Cells score_cells(const ScoreTable& table) {
    Cells cells;
    cells.reserve(kShownEntries + 2);
    cells.push_back({"", "Name", "Total Days  ", "Money Spent ", "Score  "});
    for (int row = 1; row <= kShownEntries; ++row) {
        const ScoreEntry& entry = table[static_cast<std::size_t>(row - 1)];
        if (is_empty(entry)) {
            cells.emplace_back(5);
            continue;
        }
        cells.push_back({plain_decimal(static_cast<long long>(row)), entry.name,
                         plain_decimal(static_cast<long long>(entry.days)) + " Days",
                         "$" + plain_decimal(entry.money.to_dollars()),
                         plain_decimal(entry.score)});
    }
    cells.emplace_back(5);
    return cells;
}

std::vector<int> marked_rows(const ScoreTable& table, std::string_view winner_name,
                             double winner_score) {
    std::vector<int> rows;
    for (int row = 1; row <= kShownEntries; ++row) {
        const ScoreEntry& entry = table[static_cast<std::size_t>(row - 1)];
        if (!is_empty(entry) && trim_trailing_blanks(entry.name) == winner_name &&
            entry.score == winner_score) {
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace swoonery::scores
