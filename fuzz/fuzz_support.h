// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What every fuzz target shares: failing loudly on a broken property, a
// private scratch folder, and a UTF-8 reader of its own so that the game's
// text helpers are checked against something other than themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery::fuzz {

// Prints what went wrong and aborts, which libFuzzer reports as a crash and
// saves the input that caused it.
[[noreturn]] void fail(std::string_view what);

// Checks a property; the message is only put together when it is broken,
// which keeps the fuzzers fast.
#define FUZZ_CHECK(holds, what)                                                                    \
    do {                                                                                           \
        if (!(holds)) {                                                                            \
            ::swoonery::fuzz::fail(what);                                                          \
        }                                                                                          \
    } while (false)

// A folder of this process's own under the system's temporary folder
// (TMPDIR), made at the first call and removed when the process ends
// normally. Never the current folder.
const std::filesystem::path& scratch_dir();

// Removes everything inside `dir`, leaving the folder itself.
void empty_dir(const std::filesystem::path& dir);

// Writes `bytes` to `file`, replacing it.
void write_file(const std::filesystem::path& file, std::string_view bytes);

// The code points of strict UTF-8 (no overlong forms, no surrogates, nothing
// past U+10FFFF), or nothing when the text is malformed.
std::optional<std::vector<char32_t>> utf8_code_points(std::string_view text);

// The text as a C++ string literal's body, for messages.
std::string escaped(std::string_view text);

} // namespace swoonery::fuzz
