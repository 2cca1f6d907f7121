// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's two small record files (`Scores` and `last`) live in whatever
// folder the player started it from, which may be shared with other games,
// other users, or hold something planted there. These helpers read and
// replace such files without ever blocking on a pipe, following a link to
// write, leaving a torn or empty file after a crash or a full disk, or
// widening the file's permissions.
//
// POSIX only: the engine is built for Linux.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace swoonery::files {

struct SmallRead {
    // Whether there was anything at the path at all (a file, a folder, a
    // link, a pipe...).
    bool existed = false;
    // Empty when the bytes were read; otherwise why not, e.g. "Is a
    // directory" or "Not a regular file".
    std::string error;
    // At most max_bytes bytes from the start of the file.
    std::string bytes;
    // The file's size when it was opened.
    std::size_t file_size = 0;
    // Something other than a regular file or a folder has the name: a link
    // (when links are refused), a pipe, a device. It was not read, and
    // replacing it touches nothing but the name.
    bool not_a_file = false;
};

enum class Links { Follow, Refuse };

// Reads the first max_bytes bytes of `file` when it is a regular file. The
// file is opened without blocking and its type checked on the opened file
// itself, so a pipe or a device swapped in at the last moment is refused too.
// With Links::Refuse a symbolic link counts as "Not a regular file". The error
// is then set as well as not_a_file, for callers that refuse such a thing.
SmallRead read_small_file(const std::filesystem::path& file, std::size_t max_bytes, Links links);

// Creates `file` empty unless something (even a dangling link) already
// has its name. Returns false when nothing was created.
bool create_empty_if_missing(const std::filesystem::path& file);

// Replaces `file` by a file holding exactly `bytes`, never in place: a new
// file is created exclusively beside it ("NAME.tmp-PID-N"), written, flushed
// to disk and renamed over `file`, so that a crash or a full disk leaves
// either the old file or the new one. A symbolic link named `file` is
// replaced itself, never written through. The new file keeps the old regular
// file's permission bits, never fewer than read and write for its owner, and,
// where the system allows, its group (and its owner when run by root);
// without an old regular file it gets the process's default. Leftover temporary files of earlier
// crashed saves are removed first (see remove_stale_temporaries). Returns an empty text when all
// went well, otherwise why it failed, the old file untouched.
std::string replace_file(const std::filesystem::path& file, std::string_view bytes);

// Removes the "NAME.tmp-PID-N" files beside `file` that a save interrupted
// by a crash left behind: those whose process is gone, and any older than
// an hour. Nothing else is ever removed. Returns how many were removed.
int remove_stale_temporaries(const std::filesystem::path& file);

// How a wait spends the time between two tries: asleep by default; the
// windowed game keeps its windows painted instead.
using Pause = std::function<void(std::chrono::milliseconds)>;

// A held advisory lock shared by every game that saves a file in a folder,
// so that one game's read-change-write of the file is never interleaved with
// another's. The lock is taken on the folder itself, which nobody can swap
// for a pipe, a link or someone else's unreadable file the way a lock file
// could be. It is released when this object goes (or when the process dies).
class FileLock {
public:
    enum class Status {
        Held,        // the lock is ours
        Busy,        // another game held it for the whole wait
        Unavailable, // the folder could not be locked (see reason())
    };

    // Tries for up to `wait` to take the lock on the folder holding `file`.
    FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait,
             const Pause& pause = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    Status status() const { return status_; }
    // Why the lock is unavailable, e.g. "Permission denied"; empty otherwise.
    const std::string& reason() const { return reason_; }

private:
    int fd_ = -1;
    Status status_ = Status::Unavailable;
    std::string reason_;
};

// The path as a player should read it in a message: absolute, without "."
// or ".." parts, e.g. /home/ann/games/Scores.
std::string shown_path(const std::filesystem::path& file);

} // namespace swoonery::files
