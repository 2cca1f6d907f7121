// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The file `last`: the name last confirmed on the set-up form, one record of
// 20 bytes in Windows-1252, padded with blanks. No header, no terminator.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace swoonery {

inline constexpr std::size_t kLastRecordBytes = 20;

// Record 1 of `last` as raw bytes (at most 20). A missing file is created
// empty. Anything but a regular file (a link, a pipe, a folder), and any
// failure, reads as an empty record: the game goes on without the name.
std::string read_last_record(const std::filesystem::path& file);

// Stores `record` (20 bytes) as record 1 of `last`. The file is replaced, never
// written in place or through a link, so a full disk or a crash leaves the old
// name; what the old file held past its first record (up to 64 KiB) is kept.
// Failures are silent, as for reading.
void write_last_record(const std::filesystem::path& file, std::string_view record);

} // namespace swoonery
