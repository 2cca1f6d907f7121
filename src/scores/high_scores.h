// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the high-score window: reads the table, enters a pending result,
// sorts, saves, and says which rows to show in red.
#pragma once

#include "base/safe_file.h"
#include "scores/score_table.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace swoonery::scores {

struct HighScoreView {
    Cells cells;               // 22 rows x 5 columns, see score_cells
    std::vector<int> red_rows; // grid rows 1 to 20 holding this game's result
    // Empty when all went well, otherwise one message for the player.
    std::string error;
};

// Reads `file` (the full path of Scores), puts the game's result (if one is
// waiting) into it, sorts it and saves it back. Never throws
// for a bad file: the game shows `error` and goes on. A file that exists but
// could not be read is left alone, so that a table the game failed to read is
// never overwritten.
//
// The read, sort and write happen under a lock shared by every game saving in
// the same folder (see files::FileLock); `pause` spends the time between two
// tries for it. When another game holds it for all of lock_wait, the table is
// shown as read, with the result entered, but nothing is saved and `error`
// says so. Where the folder cannot be locked at all, a result is still saved
// and `error` says it may have been lost to another game, and a table with no
// result is left as it is.
inline constexpr std::chrono::milliseconds kLockWait{3000};
HighScoreView open_high_scores(const std::filesystem::path& file,
                               const std::optional<Result>& result, const files::Pause& pause = {},
                               std::chrono::milliseconds lock_wait = kLockWait);

// The messages open_high_scores gives, e.g.
//   The high-score file "/games/Scores" could not be read: Is a directory.
std::string read_error_message(const std::filesystem::path& file, const std::string& reason,
                               bool result_lost);
std::string busy_message(const std::filesystem::path& file, bool result_lost);
std::string unlocked_message(const std::filesystem::path& file, const std::string& reason);
std::string write_error_message(const std::filesystem::path& file, const std::string& reason,
                                bool old_file_kept);

} // namespace swoonery::scores
