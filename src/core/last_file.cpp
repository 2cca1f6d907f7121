// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/last_file.h"

#include "base/safe_file.h"

namespace swoonery {

namespace {

// How much of an old file past its record is carried over when the record
// is rewritten. The game never writes more than the record; the rest is
// kept only out of respect for whoever put it there.
constexpr std::size_t kKeptTail = 64 * 1024;

} // namespace

std::string read_last_record(const std::filesystem::path& file) {
    files::SmallRead read = files::read_small_file(file, kLastRecordBytes, files::Links::Refuse);
    if (!read.existed) {
        files::create_empty_if_missing(file);
    }
    return read.error.empty() ? std::move(read.bytes) : std::string();
}

void write_last_record(const std::filesystem::path& file, std::string_view record) {
    std::string bytes(record);
    const files::SmallRead old =
        files::read_small_file(file, kLastRecordBytes + kKeptTail, files::Links::Refuse);
    if (old.error.empty() && old.bytes.size() > record.size()) {
        bytes.append(old.bytes, record.size());
    }
    files::replace_file(file, bytes);
}

} // namespace swoonery
