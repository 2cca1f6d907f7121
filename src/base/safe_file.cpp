// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/safe_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swoonery::files {

namespace fs = std::filesystem;

namespace {

constexpr char kNotRegular[] = "Not a regular file";
constexpr std::time_t kStaleAfterSeconds = 60 * 60;

// The text the system gives for an error number; a failure that left no error
// number is reported as an input/output error.
std::string reason_for(int error_number) {
    return std::generic_category().message(error_number == 0 ? EIO : error_number);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and says whether the close went well (for files just written,
    // where a failing close can mean lost data).
    bool close_checked() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

fs::path folder_of(const fs::path& file) {
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes a rename last through a power cut. Best effort: the new file is
// complete either way.
void flush_folder(const fs::path& file) {
    const int fd = ::open(folder_of(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The process id in a temporary file's name "NAME.tmp-PID-N", or 0 when the
// name is not one of ours.
long temporary_owner(std::string_view name, std::string_view prefix) {
    if (name.substr(0, prefix.size()) != prefix) {
        return 0;
    }
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size()) {
        return 0;
    }
    const auto all_digits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view pid = name.substr(0, dash);
    if (!all_digits(pid) || !all_digits(name.substr(dash + 1))) {
        return 0;
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
    // An id too long to be a process's still marks the file as ours.
    return ec == std::errc() && end == pid.data() + pid.size() && value > 0 ? value : -1;
}

bool process_gone(long pid) {
    if (pid <= 0 || static_cast<pid_t>(pid) != pid) {
        return false; // not a process id: only age can tell
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

SmallRead read_small_file(const fs::path& file, std::size_t max_bytes, Links links) {
    SmallRead result;
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (links == Links::Refuse) {
        flags |= O_NOFOLLOW;
    }
    Descriptor fd(::open(file.c_str(), flags));
    if (fd.get() < 0) {
        const int error_number = errno;
        if (error_number == ENOENT || error_number == ENOTDIR) {
            return result; // nothing there (ENOTDIR: a file stands where a folder should be)
        }
        result.existed = true;
        result.not_a_file = error_number == ELOOP;
        result.error = result.not_a_file ? kNotRegular : reason_for(error_number);
        return result;
    }
    result.existed = true;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        result.error = reason_for(errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = reason_for(EISDIR);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        // A pipe or a device could block or never end.
        result.not_a_file = true;
        result.error = kNotRegular;
        return result;
    }
    result.file_size = static_cast<std::size_t>(st.st_size);
    // Read in pieces: the size the file claims is no promise (it may grow, or
    // be a file of the kernel's that claims 0).
    char piece[4096];
    while (result.bytes.size() < max_bytes) {
        const std::size_t want = std::min(sizeof piece, max_bytes - result.bytes.size());
        const ssize_t n = ::read(fd.get(), piece, want);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = reason_for(errno);
            break;
        }
        if (n == 0) {
            break;
        }
        result.bytes.append(piece, static_cast<std::size_t>(n));
    }
    return result;
}

bool create_empty_if_missing(const fs::path& file) {
    // O_EXCL fails on any existing name, a dangling link included, so this
    // never creates a link's target.
    const int fd = ::open(file.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

int remove_stale_temporaries(const fs::path& file) {
    const std::string prefix = file.filename().string() + ".tmp-";
    const long own = static_cast<long>(::getpid());
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder_of(file), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        const long pid = temporary_owner(path.filename().string(), prefix);
        if (pid == 0 || pid == own) {
            continue;
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            continue;
        }
        const bool old = now - st.st_mtime > kStaleAfterSeconds;
        if ((old || process_gone(pid)) && ::unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

std::string replace_file(const fs::path& file, std::string_view bytes) {
    remove_stale_temporaries(file);

    // What the new file inherits from the old one.
    struct stat old {};
    const bool keep = ::lstat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    static std::atomic<unsigned> counter{0};
    fs::path temporary;
    int fd = -1;
    int error_number = 0;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = file;
        temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        error_number = errno;
        if (fd < 0 && error_number != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return reason_for(error_number);
    }
    Descriptor out(fd);
    const auto give_up = [&](int failure) {
        out.close_checked();
        ::unlink(temporary.c_str());
        return reason_for(failure);
    };

    if (keep) {
        // The group (and, for root, the owner) first: changing them can
        // clear mode bits. Either may be refused; the permissions still hold.
        const uid_t owner = ::geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1);
        if (::fchown(fd, owner, old.st_gid) != 0 && owner != static_cast<uid_t>(-1)) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        // Never a file its owner cannot read back (an old one at mode 0000).
        if (::fchmod(fd, (old.st_mode & 0777) | S_IRUSR | S_IWUSR) != 0) {
            return give_up(errno);
        }
    }
    if (!write_all(fd, bytes)) {
        return give_up(errno);
    }
    if (::fsync(fd) != 0) {
        return give_up(errno);
    }
    errno = 0;
    if (!out.close_checked()) {
        const int failure = errno;
        ::unlink(temporary.c_str());
        return reason_for(failure);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int failure = errno;
        ::unlink(temporary.c_str());
        return reason_for(failure);
    }
    flush_folder(file);
    return {};
}

FileLock::FileLock(const fs::path& file, std::chrono::milliseconds wait, const Pause& pause) {
    const int fd = ::open(folder_of(file).c_str(), O_RDONLY | O_DIRECTORY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason_ = reason_for(errno);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            status_ = Status::Held;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            reason_ = reason_for(errno); // e.g. a file system without locks
            break;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            status_ = Status::Busy;
            break;
        }
        const auto step = std::min<std::chrono::steady_clock::duration>(
            std::chrono::milliseconds(20), deadline - now);
        const auto step_ms = std::chrono::ceil<std::chrono::milliseconds>(step);
        if (pause) {
            pause(step_ms);
        } else {
            std::this_thread::sleep_for(step_ms);
        }
    }
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
    }
}

std::string shown_path(const fs::path& file) {
    std::error_code ec;
    fs::path full = fs::absolute(file, ec);
    if (ec) {
        full = file;
    }
    const std::u8string text = full.lexically_normal().u8string();
    return std::string(text.begin(), text.end());
}

} // namespace swoonery::files
