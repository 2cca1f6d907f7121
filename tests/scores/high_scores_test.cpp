// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/high_scores.h"

#include "test_support.h"

#include "base/safe_file.h"
#include "scores/score_file.h"

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scores_test {
namespace {

using namespace swoonery::scores;

class OpenHighScores : public TempFolder {
protected:
    // Twenty entries p1 ... p20 scoring 100, 200, ..., 2000.
    void write_full_table() {
        std::string bytes;
        for (int n = 1; n <= 20; ++n) {
            bytes += record("p" + std::to_string(n), 100.0 * n, static_cast<std::int16_t>(n), n);
        }
        write_bytes(file, bytes + empty_record());
    }
    void win(double score) { result = Result{"Mia", score, 9, swoonery::Currency::dollars(40)}; }
    std::string message(const std::string& rest) const {
        return "The high-score file \"" + fs::absolute(file).string() + "\" could not " + rest;
    }
    // The result waiting for the table, if any.
    std::optional<Result> result;
};

// A new result is sorted in ahead of an equal score, saved and marked; opened
// again without a result, the table marks nothing.
TEST_F(OpenHighScores, EntersSavesAndMarksNewResult) {
    write_full_table();
    win(1500.0);
    const HighScoreView view = open_high_scores(file, result);
    EXPECT_EQ(view.error, "");
    EXPECT_EQ(view.cells[6],
              (std::vector<std::string>{"6", padded("Mia"), "9 Days", "$40", "1500"}));
    EXPECT_EQ(view.cells[7][1], padded("p15"));
    EXPECT_EQ(view.red_rows, std::vector<int>{6});
    const std::string bytes = read_bytes(file);
    ASSERT_EQ(bytes.size(), 798u);
    EXPECT_EQ(bytes.substr(5 * 38, 38), record("Mia", 1500.0, 9, 400000));
    EXPECT_EQ(bytes.substr(20 * 38), record("p1", 100.0, 1, 1));
    EXPECT_TRUE(open_high_scores(file, std::nullopt).red_rows.empty());
}

// A result below all twenty is kept in record 21 but neither shown nor marked.
TEST_F(OpenHighScores, LowResultIsSavedButNotShown) {
    write_full_table();
    win(50.0);
    const HighScoreView view = open_high_scores(file, result);
    EXPECT_EQ(view.error, "");
    EXPECT_TRUE(view.red_rows.empty());
    EXPECT_EQ(view.cells[20][1], padded("p1"));
    EXPECT_EQ(view.cells[21], std::vector<std::string>(5));
    EXPECT_EQ(read_bytes(file).substr(20 * 38), record("Mia", 50.0, 9, 400000));
}

// A missing file gives a table of the new result alone and a complete new file.
TEST_F(OpenHighScores, MissingFileIsCreated) {
    win(3.0);
    const HighScoreView view = open_high_scores(file, result);
    EXPECT_EQ(view.error, "");
    EXPECT_EQ(view.cells[1][1], padded("Mia"));
    EXPECT_EQ(view.cells[2], std::vector<std::string>(5));
    EXPECT_EQ(fs::file_size(file), 798u);
}

// A folder in place of the file is reported and left alone.
TEST_F(OpenHighScores, FolderIsReportedAndLeftAlone) {
    fs::create_directory(file);
    write_bytes(file / "keep", "x");
    win(10.0);
    const HighScoreView view = open_high_scores(file, result);
    EXPECT_EQ(view.error, message("be read: Is a directory. It was left as it was, so the "
                                  "result of this game was not saved."));
    EXPECT_EQ(read_bytes(file / "keep"), "x");
    EXPECT_EQ(view.red_rows, std::vector<int>{1});
}

// A link, a pipe or a device named Scores is no table: nothing is read from
// it, whatever it points at stays as it was, and it is replaced by a new table
// with the process's default permissions, silently, since nothing is lost.
TEST_F(OpenHighScores, NonFileInItsPlaceIsReplacedUnread) {
    const fs::path secret = folder / "id_key";
    // Bytes that would decode as a valid record if they were ever read.
    const std::string secret_bytes = record("SECRET KEY", 777.0, 7, 7);
    const std::vector<std::function<void()>> plants = {
        [&] { fs::create_symlink(secret, file); },
        [&] { fs::create_symlink("/proc/self/environ", file); },
        [&] { fs::create_symlink(folder / "dangling", file); },
        [&] { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },
        [&] { fs::create_symlink("/dev/zero", file); },
    };
    const mode_t saved_mask = umask(027);
    for (std::size_t n = 0; n < plants.size(); ++n) {
        SCOPED_TRACE("plant " + std::to_string(n));
        fs::remove(file);
        write_bytes(secret, secret_bytes);
        ASSERT_EQ(chmod(secret.c_str(), 0600), 0);
        plants[n]();
        win(10.0);
        const HighScoreView view = open_high_scores(file, result);
        EXPECT_EQ(view.error, "");
        EXPECT_EQ(view.cells[1][1], padded("Mia"));
        EXPECT_EQ(view.cells[2][1], "");
        EXPECT_EQ(read_bytes(secret), secret_bytes);
        struct stat st {};
        ASSERT_EQ(lstat(file.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0640u);
        EXPECT_EQ(read_bytes(file).find("SECRET"), std::string::npos);
        EXPECT_FALSE(fs::exists(folder / "dangling"));
    }
    umask(saved_mask);
    struct stat st {};
    ASSERT_EQ(stat(secret.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// Where the folder cannot be locked (here one its player may write in but not
// read), a result is saved and the player told it may have been lost to
// another game; a look at the table rewrites nothing and says nothing.
TEST_F(OpenHighScores, UnlockableFolderSavesWithAWarning) {
    const fs::path box = folder / "box";
    fs::create_directory(box);
    file = box / "Scores";
    write_full_table();
    ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    ASSERT_EQ(chmod(box.c_str(), 0333), 0);
    const pid_t child = fork();
    if (child == 0) {
        // Root reads any folder: the check runs as nobody then.
        if (geteuid() == 0 &&
            (chown(box.c_str(), 65534, 65534) != 0 || chown(file.c_str(), 65534, 65534) != 0 ||
             setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        const std::string before = read_bytes(file);
        if (!open_high_scores(file, std::nullopt).error.empty() || read_bytes(file) != before) {
            _exit(3);
        }
        win(5000.0);
        const HighScoreView view = open_high_scores(file, result);
        const std::string expected =
            message("be locked against other games: Permission denied. The result of this "
                    "game may not have been saved if another game saved at the same time.");
        _exit(view.error == expected && read_bytes(file).substr(0, 20) == padded("Mia") ? 0 : 4);
    }
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_EQ(chmod(box.c_str(), 0755), 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: could not become nobody, 3: the look rewrote or "
                                         "complained, 4: the result was not saved with a warning";
}

// A folder path that runs through a regular file cannot be saved to, even as root.
TEST_F(OpenHighScores, UnwritableFolderIsReported) {
    write_bytes(folder / "plain", "x");
    file = folder / "plain" / "Scores";
    win(10.0);
    const HighScoreView view = open_high_scores(file, result);
    EXPECT_EQ(view.error, message("be saved: Not a directory."));
    EXPECT_EQ(view.cells[1][1], padded("Mia"));
    EXPECT_EQ(read_bytes(folder / "plain"), "x");
}

// A table already sorted in a file of the right length is not written again;
// a longer file is cut back to 21 records.
TEST_F(OpenHighScores, UnchangedTableIsNotRewritten) {
    write_full_table();
    open_high_scores(file, result); // sorts and saves
    const std::string sorted = read_bytes(file);
    const auto written = fs::last_write_time(file);
    EXPECT_EQ(open_high_scores(file, result).error, "");
    EXPECT_EQ(fs::last_write_time(file), written);
    write_bytes(file, sorted + empty_record());
    EXPECT_EQ(open_high_scores(file, result).error, "");
    EXPECT_EQ(read_bytes(file), sorted);
}

#ifndef _WIN32
// A save that fails halfway (at a file size limit) keeps the old file and leaves no leftovers.
TEST_F(OpenHighScores, FailedSaveKeepsOldTable) {
    write_full_table();
    const std::string old = read_bytes(file);
    win(5000.0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 400;
    setrlimit(RLIMIT_FSIZE, &small);
    const HighScoreView view = open_high_scores(file, result);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(view.error, message("be saved: File too large. The old table was kept."));
    EXPECT_EQ(read_bytes(file), old);
    EXPECT_EQ(files_in_folder(), 1); // the table alone
    EXPECT_EQ(view.red_rows, std::vector<int>{1});
}

// A game that saves while another holds the table waits for it and then
// enters its result into the table the other just saved: neither result is
// lost, however the two interleave.
TEST_F(OpenHighScores, WaitsForAnotherGameAndKeepsBothResults) {
    write_full_table();
    auto other = std::make_unique<swoonery::files::FileLock>(file, std::chrono::milliseconds(0));
    ASSERT_EQ(other->status(), swoonery::files::FileLock::Status::Held);
    win(1550.0);
    HighScoreView view;
    std::thread ours([&] { view = open_high_scores(file, result); });
    // The other game, inside its critical section, saves its own win.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Result theirs{"Zoe", 1750.0, 3, {}};
    ScoreTable table = read_scores(file).table;
    enter_result(table, theirs);
    sort_by_score(table);
    ASSERT_EQ(write_scores(file, table), "");
    other.reset();
    ours.join();

    EXPECT_EQ(view.error, "");
    const ScoreTable saved = read_scores(file).table;
    const auto has = [&saved](const std::string& name) {
        return std::any_of(saved.begin(), saved.end(),
                           [&](const ScoreEntry& e) { return e.name == padded(name); });
    };
    EXPECT_TRUE(has("Zoe"));
    EXPECT_TRUE(has("Mia"));
}

// When another game keeps the table busy past the wait, the table is shown
// with the result but nothing is saved, and the player is told.
TEST_F(OpenHighScores, BusyTableIsShownNotSaved) {
    write_full_table();
    const std::string before = read_bytes(file);
    const swoonery::files::FileLock other(file, std::chrono::milliseconds(0));
    win(5000.0);
    const HighScoreView view = open_high_scores(file, result, {}, std::chrono::milliseconds(100));
    EXPECT_EQ(view.error, message("be saved: another game kept it busy. It was left as it "
                                  "was, so the result of this game was not saved."));
    EXPECT_EQ(view.cells[1][1], padded("Mia"));
    EXPECT_EQ(view.red_rows, std::vector<int>{1});
    EXPECT_EQ(read_bytes(file), before);
}

// Two games saving wins into one folder at the same moment, many times over:
// every result is in the table afterwards.
TEST_F(OpenHighScores, SimultaneousSavesLoseNothing) {
    constexpr int kRounds = 10;
    const auto play = [this](const std::string& who, double base) {
        for (int n = 0; n < kRounds; ++n) {
            const Result game{who + std::to_string(n), base + n, 1, {}};
            if (!open_high_scores(file, game).error.empty()) {
                return false;
            }
        }
        return true;
    };
    const pid_t child = fork();
    if (child == 0) {
        _exit(play("b", 2000.0) ? 0 : 1);
    }
    const bool ours = play("a", 1000.0);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(ours);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const Cells cells = open_high_scores(file, result).cells;
    int filled = 0;
    for (int row = 1; row <= 20; ++row) {
        filled += cells[static_cast<std::size_t>(row)][1].empty() ? 0 : 1;
    }
    EXPECT_EQ(filled, 2 * kRounds);
}
#endif

} // namespace
} // namespace scores_test
