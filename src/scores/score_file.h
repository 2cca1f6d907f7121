// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The file Scores: the high-score table as 21 fixed records of 38 bytes, in
// the same layout on every machine (see FORMAT.md next to this file).
#pragma once

#include "scores/score_table.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace swoonery::scores {

inline constexpr std::size_t kRecordSize = 38;
inline constexpr std::size_t kFileSize = kRecordSize * kEntryCount; // 798

// The 798 bytes of the file for this table. Names are stored in
// Windows-1252 ('?' for a character it cannot hold); empty entries are written
// as 20 blanks and zeros.
std::string encode_table(const ScoreTable& table);

// The table held by the bytes of a file. A record the bytes do not reach in
// full, or one no game could have written (see is_empty), gives an empty entry; bytes past the
// 21st record are ignored. Zero bytes in a name read as blanks.
ScoreTable decode_table(std::string_view bytes);

struct ReadResult {
    ScoreTable table;
    // Empty when all went well (a missing file is not an error); otherwise
    // why the file could not be read, e.g. "Is a directory". The table then
    // holds whatever could be read.
    std::string error;
    // Whether there was a file or a folder at the path.
    bool existed = false;
    // The file's first 798 bytes as read, and its size.
    std::string bytes;
    std::size_t file_size = 0;
};

// Reads at most the table's bytes, and only from a regular file. A symbolic
// link, a pipe or a device in its place reads as no file at all (never a wait,
// never a byte of what a link points at), so the next save replaces it; a
// folder in its place is an error.
ReadResult read_scores(const std::filesystem::path& file);

// Replaces the file with this table without ever leaving it half written
// (see files::replace_file: a new file beside it, flushed, renamed over it,
// with the old file's permissions). Returns an empty text when all went well,
// otherwise why it failed; the old file is then untouched.
std::string write_scores(const std::filesystem::path& file, const ScoreTable& table);

} // namespace swoonery::scores
