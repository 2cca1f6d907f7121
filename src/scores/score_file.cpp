// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/score_file.h"

#include "base/safe_file.h"
#include "base/text.h"

#include <algorithm>
#include <bit>
#include <cstdint>

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
    const auto days = static_cast<int16>(get_u16(record, kDaysOffset));
    const auto money_units = static_cast<std::int64_t>(get_u64(record, kMoneyOffset));
    if (days < 0 || money_units < 0) {
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
    entry.days = days;
    entry.money.units = money_units;
    return entry;
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
    // Reading one byte more than a table tells a longer file from one of
    // the right size. A link is never followed: whatever it points at is
    // none of the game's business, and its bytes must not become a table.
    files::SmallRead read = files::read_small_file(file, kFileSize + 1, files::Links::Refuse);
    ReadResult result;
    if (read.not_a_file) {
        // A link, a pipe or a device holds no table; saving replaces it.
        return result;
    }
    result.existed = read.existed;
    result.error = std::move(read.error);
    result.file_size = read.file_size;
    read.bytes.resize(std::min(read.bytes.size(), kFileSize));
    result.table = decode_table(read.bytes);
    result.bytes = std::move(read.bytes);
    return result;
}

std::string write_scores(const fs::path& file, const ScoreTable& table) {
    return files::replace_file(file, encode_table(table));
}

} // namespace swoonery::scores
