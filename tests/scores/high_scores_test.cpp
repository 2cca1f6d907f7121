#include "scores/high_scores.h"

#include "test_support.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

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
    void win(double score) {
        state.score_pending = true;
        state.winner_name = "Mia";
        state.winner_score = score;
        state.winner_days = 9;
        state.winner_money = swoonery::Currency::dollars(40);
    }
    std::string message(const std::string& rest) const {
        return "The high-score file \"" + fs::absolute(file).string() + "\" could not " + rest;
    }
    swoonery::GlobalPart state;
};

// A new result is sorted in ahead of an equal score, saved, marked and no longer pending.
TEST_F(OpenHighScores, EntersSavesAndMarksNewResult) {
    write_full_table();
    win(1500.0);
    const HighScoreView view = open_high_scores(file, state);
    EXPECT_EQ(view.error, "");
    EXPECT_FALSE(state.score_pending);
    EXPECT_EQ(view.cells[6],
              (std::vector<std::string>{"6", padded("Mia"), "9 Days", "$40", "1500"}));
    EXPECT_EQ(view.cells[7][1], padded("p15"));
    EXPECT_EQ(view.red_rows, std::vector<int>{6});
    const std::string bytes = read_bytes(file);
    ASSERT_EQ(bytes.size(), 798u);
    EXPECT_EQ(bytes.substr(5 * 38, 38), record("Mia", 1500.0, 9, 400000));
    EXPECT_EQ(bytes.substr(20 * 38), record("p1", 100.0, 1, 1));
    EXPECT_TRUE(open_high_scores(file, state).red_rows.empty());
}

// A result below all twenty is kept in record 21 but neither shown nor marked.
TEST_F(OpenHighScores, LowResultIsSavedButNotShown) {
    write_full_table();
    win(50.0);
    const HighScoreView view = open_high_scores(file, state);
    EXPECT_EQ(view.error, "");
    EXPECT_TRUE(view.red_rows.empty());
    EXPECT_EQ(view.cells[20][1], padded("p1"));
    EXPECT_EQ(view.cells[21], std::vector<std::string>(5));
    EXPECT_EQ(read_bytes(file).substr(20 * 38), record("Mia", 50.0, 9, 400000));
}

// A missing file gives a table of the new result alone and a complete new file.
TEST_F(OpenHighScores, MissingFileIsCreated) {
    win(3.0);
    const HighScoreView view = open_high_scores(file, state);
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
    const HighScoreView view = open_high_scores(file, state);
    EXPECT_EQ(view.error, message("be read: Is a directory. It was left as it was, so the "
                                  "result of this game was not saved."));
    EXPECT_EQ(read_bytes(file / "keep"), "x");
    EXPECT_EQ(view.red_rows, std::vector<int>{1});
    EXPECT_FALSE(state.score_pending);
}

// A folder path that runs through a regular file cannot be saved to, even as root.
TEST_F(OpenHighScores, UnwritableFolderIsReported) {
    write_bytes(folder / "plain", "x");
    file = folder / "plain" / "Scores";
    win(10.0);
    const HighScoreView view = open_high_scores(file, state);
    EXPECT_EQ(view.error, message("be saved: Not a directory."));
    EXPECT_EQ(view.cells[1][1], padded("Mia"));
    EXPECT_EQ(read_bytes(folder / "plain"), "x");
}

// A table already sorted in a file of the right length is not written again;
// a longer file is cut back to 21 records.
TEST_F(OpenHighScores, UnchangedTableIsNotRewritten) {
    write_full_table();
    open_high_scores(file, state); // sorts and saves
    const std::string sorted = read_bytes(file);
    const auto written = fs::last_write_time(file);
    EXPECT_EQ(open_high_scores(file, state).error, "");
    EXPECT_EQ(fs::last_write_time(file), written);
    write_bytes(file, sorted + empty_record());
    EXPECT_EQ(open_high_scores(file, state).error, "");
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
    const HighScoreView view = open_high_scores(file, state);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(view.error, message("be saved: File too large. The old table was kept."));
    EXPECT_EQ(read_bytes(file), old);
    EXPECT_EQ(files_in_folder(), 1);
    EXPECT_EQ(view.red_rows, std::vector<int>{1});
}
#endif

} // namespace
} // namespace scores_test
