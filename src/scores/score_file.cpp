#include "scores/score_file.h"

#include "core/text.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace swoonery::scores {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kScoreOffset = 20;
constexpr std::size_t kDaysOffset = 28;
constexpr std::size_t kMoneyOffset = 30;

std::uint64_t get_u64(std::string_view bytes, std::size_t at) {
    std::uint64_t v = 0;
    for (std::size_t k = 0; k < 8; ++k) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + k])) << (8 * k);
    }
    return v;
}

std::uint16_t get_u16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

void put_u64(std::string& bytes, std::size_t at, std::uint64_t v) {
    for (std::size_t k = 0; k < 8; ++k) {
        bytes[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
    }
}

void put_u16(std::string& bytes, std::size_t at, std::uint16_t v) {
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

ScoreEntry decode_record(std::string_view record) {
    const double score = std::bit_cast<double>(get_u64(record, kScoreOffset));
    if (!is_valid_score(score)) {
        return empty_entry();
    }
    std::string name(record.substr(0, kNameLength));
    for (char& c : name) {
        if (c == '\0') {
            c = ' ';
        }
    }
    ScoreEntry entry;
    entry.name = cp1252_to_utf8(name);
    entry.score = score;
    entry.days = static_cast<int16>(get_u16(record, kDaysOffset));
    entry.money.units = static_cast<std::int64_t>(get_u64(record, kMoneyOffset));
    return entry;
}

// The text the system gives for an error number; a failure that left no error
// number is reported as an input/output error.
std::string reason_for(int error_number) {
    if (error_number == 0) {
        error_number = EIO;
    }
    return std::generic_category().message(error_number);
}

std::FILE* open_file(const fs::path& file, const char* mode) {
#ifdef _WIN32
    std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(file.c_str(), wide_mode.c_str());
#else
    return std::fopen(file.c_str(), mode);
#endif
}

long process_id() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(getpid());
#endif
}

// Pushes the written data from the system's buffers to the disk.
int flush_to_disk(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f));
#else
    return fsync(fileno(f));
#endif
}

// Makes the rename itself last through a power cut. Best effort: the new
// table is complete either way.
void flush_folder([[maybe_unused]] const fs::path& file) {
#ifndef _WIN32
    fs::path folder = file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const int fd = open(folder.c_str(), O_RDONLY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#endif
}

// Creates a file next to `file` under a name no other file has, e.g.
// "Scores.tmp-1234-0".
std::FILE* create_temporary(const fs::path& file, fs::path& temporary, int& error_number) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file;
        temporary += ".tmp-" + plain_decimal(static_cast<long long>(process_id())) + "-" +
                     plain_decimal(static_cast<long long>(counter.fetch_add(1)));
        errno = 0;
        std::FILE* f = open_file(temporary, "wbx");
        if (f != nullptr) {
            return f;
        }
        error_number = errno;
        if (error_number != EEXIST) {
            break;
        }
    }
    return nullptr;
}

} // namespace

std::string encode_table(const ScoreTable& table) {
    std::string bytes(kFileSize, '\0');
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        const ScoreEntry entry = is_empty(table[n]) ? empty_entry() : table[n];
        const std::size_t at = n * kRecordSize;
        std::string name = utf8_to_cp1252(entry.name);
        name.resize(kNameLength, ' ');
        bytes.replace(at, kNameLength, name);
        put_u64(bytes, at + kScoreOffset, std::bit_cast<std::uint64_t>(entry.score));
        put_u16(bytes, at + kDaysOffset, static_cast<std::uint16_t>(entry.days));
        put_u64(bytes, at + kMoneyOffset, static_cast<std::uint64_t>(entry.money.units));
    }
    return bytes;
}

ScoreTable decode_table(std::string_view bytes) {
    ScoreTable table;
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        const std::size_t at = n * kRecordSize;
        if (at + kRecordSize > bytes.size()) {
            break;
        }
        table[n] = decode_record(bytes.substr(at, kRecordSize));
    }
    return table;
}

ReadResult read_scores(const fs::path& file) {
    ReadResult result;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) {
        return result;
    }
    if (ec) {
        result.error = ec.message();
        return result;
    }
    result.existed = true;
    if (status.type() == fs::file_type::directory) {
        result.error = std::make_error_code(std::errc::is_a_directory).message();
        return result;
    }
    if (status.type() != fs::file_type::regular) {
        // A pipe or a device could block or never end.
        result.error = "Not a regular file";
        return result;
    }

    errno = 0;
    std::FILE* f = open_file(file, "rb");
    if (f == nullptr) {
        result.error = reason_for(errno);
        return result;
    }
    // One byte more than a table tells a longer file from one of the right size.
    std::string bytes(kFileSize + 1, '\0');
    std::size_t got = 0;
    while (got < kFileSize + 1) {
        errno = 0;
        const std::size_t n = std::fread(bytes.data() + got, 1, kFileSize + 1 - got, f);
        got += n;
        if (n == 0 || std::feof(f) || std::ferror(f)) {
            break;
        }
    }
    if (std::ferror(f)) {
        result.error = reason_for(errno);
    }
    std::fclose(f);
    result.file_size = got;
    bytes.resize(std::min(got, kFileSize));
    result.table = decode_table(bytes);
    result.bytes = std::move(bytes);
    return result;
}

std::string write_scores(const fs::path& file, const ScoreTable& table) {
    const std::string bytes = encode_table(table);
    fs::path temporary;
    int error_number = 0;
    std::FILE* f = create_temporary(file, temporary, error_number);
    if (f == nullptr) {
        return reason_for(error_number);
    }

    const auto give_up = [&](int failure) {
        if (f != nullptr) {
            std::fclose(f);
        }
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return reason_for(failure);
    };
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        return give_up(errno);
    }
    errno = 0;
    if (std::fflush(f) != 0) {
        return give_up(errno);
    }
    errno = 0;
    if (flush_to_disk(f) != 0) {
        return give_up(errno);
    }
    errno = 0;
    const int closed = std::fclose(f);
    f = nullptr;
    if (closed != 0) {
        return give_up(errno);
    }

    std::error_code ec;
    fs::rename(temporary, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return ec.message();
    }
    flush_folder(file);
    return {};
}

} // namespace swoonery::scores
