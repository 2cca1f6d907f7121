// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/high_scores.h"

#include "base/safe_file.h"
#include "scores/score_file.h"

#include <system_error>

namespace swoonery::scores {

namespace fs = std::filesystem;

using files::shown_path;

std::string read_error_message(const fs::path& file, const std::string& reason, bool result_lost) {
    std::string message =
        "The high-score file \"" + shown_path(file) + "\" could not be read: " + reason + ".";
    message += result_lost ? " It was left as it was, so the result of this game was not saved."
                           : " It was left as it was.";
    return message;
}

std::string busy_message(const fs::path& file, bool result_lost) {
    std::string message = "The high-score file \"" + shown_path(file) +
                          "\" could not be saved: another game kept it busy.";
    message += result_lost ? " It was left as it was, so the result of this game was not saved."
                           : " It was left as it was.";
    return message;
}

std::string unlocked_message(const fs::path& file, const std::string& reason) {
    return "The high-score file \"" + shown_path(file) +
           "\" could not be locked against other games: " + reason +
           ". The result of this game may not have been saved if another game saved at the "
           "same time.";
}

std::string write_error_message(const fs::path& file, const std::string& reason,
                                bool old_file_kept) {
    std::string message =
        "The high-score file \"" + shown_path(file) + "\" could not be saved: " + reason + ".";
    if (old_file_kept) {
        message += " The old table was kept.";
    }
    return message;
}

HighScoreView open_high_scores(const fs::path& file, const std::optional<Result>& result,
                               const files::Pause& pause, std::chrono::milliseconds lock_wait) {
    HighScoreView view;
    // Another game in the same folder must not read the table between our
    // read and our write, or one of the two results would be lost.
    const files::FileLock lock(file, lock_wait, pause);
    const bool unlocked = lock.status() == files::FileLock::Status::Unavailable;
    ReadResult read = read_scores(file);
    ScoreTable& table = read.table;
    if (result) {
        enter_result(table, *result);
    }
    sort_by_score(table);
    view.cells = score_cells(table);

    const bool result_lost = result && is_valid_score(result->score);
    if (lock.status() == files::FileLock::Status::Busy) {
        view.error = busy_message(file, result_lost);
    } else if (!read.error.empty()) {
        // Saving now would replace whatever the file holds with the part of
        // it that could be read.
        view.error = read_error_message(file, read.error, result_lost);
    } else if (read.existed && read.file_size == kFileSize && read.bytes == encode_table(table)) {
        // The sorted table is the file as it stands: rewriting it would
        // change nothing but its date.
    } else if (unlocked && !result_lost) {
        // Without the lock, rewriting a table that only needed sorting could
        // undo another game's save for nothing.
    } else {
        const std::string failure = write_scores(file, table);
        if (!failure.empty()) {
            view.error = write_error_message(file, failure, read.existed);
        } else if (unlocked) {
            view.error = unlocked_message(file, lock.reason());
        }
    }

    if (result) {
        view.red_rows = marked_rows(table, result->name, result->score);
    }
    return view;
}

} // namespace swoonery::scores
