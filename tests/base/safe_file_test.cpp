// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The small-file helpers under the record files: what they refuse to read,
// how they replace a file, what they clean up, and the lock between games.
#include "base/safe_file.h"

#include "support/finishes_within.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace swoonery::files {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class SafeFile : public test::TempFolder {
protected:
    static void write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : fs::directory_iterator(folder)) {
            out.insert(entry.path().filename().string());
        }
        return out;
    }
    // The id of a process that has certainly ended.
    static pid_t dead_pid() {
        const pid_t child = fork();
        if (child == 0) {
            _exit(0);
        }
        waitpid(child, nullptr, 0);
        return child;
    }
};

// Pipes, folders and (when asked) links are refused at once, without blocking;
// a regular file gives at most the bytes asked for and its full size.
TEST_F(SafeFile, ReadsOnlyRegularFiles) {
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_directory(folder / "dir");
    write(folder / "plain", "0123456789");
    fs::create_symlink(folder / "plain", folder / "link");

    EXPECT_TRUE(test::finishes_within(5s, [&] {
        return read_small_file(folder / "pipe", 20, Links::Follow).error == "Not a regular file";
    }));
    EXPECT_EQ(read_small_file(folder / "dir", 20, Links::Follow).error, "Is a directory");
    EXPECT_EQ(read_small_file(folder / "link", 20, Links::Refuse).error, "Not a regular file");
    const SmallRead linked = read_small_file(folder / "link", 4, Links::Follow);
    EXPECT_EQ(linked.bytes, "0123");
    EXPECT_EQ(linked.file_size, 10u);
    const SmallRead missing = read_small_file(folder / "none", 20, Links::Follow);
    EXPECT_FALSE(missing.existed);
    EXPECT_EQ(missing.error, "");
}

// Creating a missing file never creates the target of a dangling link.
TEST_F(SafeFile, CreatesOnlyWhereNothingIs) {
    fs::create_symlink(folder / "target", folder / "last");
    EXPECT_FALSE(create_empty_if_missing(folder / "last"));
    EXPECT_FALSE(fs::exists(folder / "target"));
    EXPECT_TRUE(create_empty_if_missing(folder / "fresh"));
    EXPECT_EQ(fs::file_size(folder / "fresh"), 0u);
}

// A link in the file's place is replaced, and the file it pointed at is untouched.
TEST_F(SafeFile, ReplacesALinkInsteadOfWritingThroughIt) {
    write(folder / "victim", "precious data");
    fs::create_symlink(folder / "victim", file);
    ASSERT_EQ(replace_file(file, "new"), "");
    EXPECT_EQ(read(folder / "victim"), "precious data");
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(read(file), "new");
}

class KeptMode : public SafeFile, public ::testing::WithParamInterface<mode_t> {};

// Saving keeps the old file's permissions, narrower or wider than the umask,
// but never leaves its owner unable to read or write it.
TEST_P(KeptMode, PermissionsSurviveASave) {
    write(file, "old");
    ASSERT_EQ(chmod(file.c_str(), GetParam()), 0);
    const mode_t saved_mask = umask(022);
    const std::string failure = replace_file(file, "new");
    umask(saved_mask);
    ASSERT_EQ(failure, "");
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, GetParam() | 0600);
    EXPECT_EQ(read(file), "new");
}

INSTANTIATE_TEST_SUITE_P(Modes, KeptMode, ::testing::Values(0600, 0640, 0660, 0666, 0400, 0, 044));

// A shared table keeps its group, and for root its owner too.
TEST_F(SafeFile, GroupAndOwnerSurviveASave) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "changing a file's owner needs root";
    }
    write(file, "old");
    ASSERT_EQ(chown(file.c_str(), 1, 1), 0);
    ASSERT_EQ(replace_file(file, "new"), "");
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 1u);
    EXPECT_EQ(st.st_gid, 1u);
}

// A write that fails halfway (here at a file size limit) keeps the old file
// whole and leaves no temporary file.
TEST_F(SafeFile, FailedWriteKeepsTheOldFile) {
    write(file, "the old table");
    EXPECT_TRUE(test::finishes_within(10s, [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4, 4};
        setrlimit(RLIMIT_FSIZE, &small);
        return replace_file(file, std::string(100, 'x')) == "File too large";
    }));
    EXPECT_EQ(read(file), "the old table");
    EXPECT_EQ(names(), std::set<std::string>{"Scores"});
}

// Leftovers of crashed saves go: those of ended processes and old ones; a
// live game's temporary file, other names, folders and links all stay.
TEST_F(SafeFile, RemovesOnlyStaleTemporaries) {
    const std::string dead = std::to_string(dead_pid());
    const std::string alive = std::to_string(getppid());
    const std::set<std::string> kept = {
        "Scores.tmp-" + alive + "-1", // a game saving right now
        "Scores.tmp-x-1",             // not one of ours
        "Scores.tmp-" + dead,         // not one of ours
        "Scores.tmpx",
        "Other.tmp-" + dead + "-1",  // another file's
        "Scores.tmp-" + dead + "-4", // a folder
        "Scores.tmp-" + dead + "-5", // a link
        "Scores",
    };
    const std::set<std::string> stale = {"Scores.tmp-" + dead + "-3",
                                         "Scores.tmp-" + alive + "-9", // hours old
                                         "Scores.tmp-99999999999999999999-2"};
    for (const std::string& name : kept) {
        write(folder / name, "x");
    }
    for (const std::string& name : stale) {
        write(folder / name, "x");
    }
    fs::remove(folder / ("Scores.tmp-" + dead + "-4"));
    fs::create_directory(folder / ("Scores.tmp-" + dead + "-4"));
    fs::remove(folder / ("Scores.tmp-" + dead + "-5"));
    fs::create_symlink(folder / "Scores", folder / ("Scores.tmp-" + dead + "-5"));
    const auto hours_ago = fs::file_time_type::clock::now() - 3h;
    fs::last_write_time(folder / ("Scores.tmp-" + alive + "-9"), hours_ago);
    fs::last_write_time(folder / "Scores.tmp-99999999999999999999-2", hours_ago);

    ASSERT_EQ(replace_file(file, "new"), "");
    EXPECT_EQ(names(), kept);
}

// A save killed in the middle leaves its temporary file; the next save removes it.
TEST_F(SafeFile, NextSaveClearsWhatAKilledSaveLeft) {
    const pid_t child = fork();
    if (child == 0) {
        // Stop for ever after writing, as a crash between write and rename would.
        const fs::path temporary = file.string() + ".tmp-" + std::to_string(getpid()) + "-0";
        write(temporary, "half a table");
        pause();
        _exit(0);
    }
    const fs::path temporary = file.string() + ".tmp-" + std::to_string(child) + "-0";
    for (int i = 0; i < 500 && !fs::exists(temporary); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(fs::exists(temporary));
    ASSERT_EQ(replace_file(file, "one"), "");
    EXPECT_TRUE(fs::exists(temporary)) << "removed while its game still ran";
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_EQ(replace_file(file, "two"), "");
    EXPECT_EQ(names(), std::set<std::string>{"Scores"});
}

// A lock another game holds is waited for, up to the limit, then reported busy;
// once released it can be taken.
TEST_F(SafeFile, LockIsExclusiveAndBounded) {
    auto first = std::make_unique<FileLock>(file, 0ms);
    ASSERT_EQ(first->status(), FileLock::Status::Held);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(FileLock(file, 200ms).status(), FileLock::Status::Busy);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 200ms);
    EXPECT_LT(waited, 2s);

    std::thread release([&] {
        std::this_thread::sleep_for(100ms);
        first.reset();
    });
    EXPECT_EQ(FileLock(file, 5s).status(), FileLock::Status::Held);
    release.join();
}

// The lock is the folder's own, so whatever someone put where a lock file
// could be (a pipe, a folder, a link, an unreadable file) cannot switch it off:
// a second game still finds it held. A folder that is not there cannot be
// locked, and says why.
TEST_F(SafeFile, LockHoldsWhateverStandsBesideTheFile) {
    const fs::path odd = folder / "Scores.lock";
    const std::vector<std::function<void()>> plants = {
        [&] { ASSERT_EQ(mkfifo(odd.c_str(), 0600), 0); },
        [&] { fs::create_directory(odd); },
        [&] { fs::create_symlink("/nonexistent/elsewhere", odd); },
        [&] {
            write(odd, "");
            ASSERT_EQ(chmod(odd.c_str(), 0), 0);
        },
    };
    for (const auto& plant : plants) {
        fs::remove_all(odd);
        plant();
        EXPECT_TRUE(test::finishes_within(5s,
                                          [&] {
                                              const FileLock first(file, 0ms);
                                              return first.status() == FileLock::Status::Held &&
                                                     FileLock(file, 50ms).status() ==
                                                         FileLock::Status::Busy;
                                          }))
            << "with " << odd << " planted";
    }
    const FileLock nowhere(folder / "missing" / "Scores", 100ms);
    EXPECT_EQ(nowhere.status(), FileLock::Status::Unavailable);
    EXPECT_EQ(nowhere.reason(), "No such file or directory");
}

// Messages name a file by a clean absolute path.
TEST_F(SafeFile, ShownPathIsCleanAndAbsolute) {
    const fs::path saved = fs::current_path();
    fs::current_path(folder);
    EXPECT_EQ(shown_path("./Scores"), (folder / "Scores").string());
    EXPECT_EQ(shown_path("a/../Scores"), (folder / "Scores").string());
    fs::current_path(saved);
    EXPECT_EQ(shown_path("/tmp/./x/../Scores"), "/tmp/Scores");
}

} // namespace
} // namespace swoonery::files
