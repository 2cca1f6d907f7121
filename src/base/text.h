// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Text helpers: the game keeps its texts as UTF-8 and stores names in files
// as single-byte Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace swoonery {

// Blanks (spaces only, as the game's trimming has always done) removed.
std::string trim_blanks(std::string_view s);
std::string trim_trailing_blanks(std::string_view s);

bool is_valid_utf8(std::string_view s);
// Replaces every malformed UTF-8 sequence by U+FFFD.
std::string sanitize_utf8(std::string_view s);
// Number of code points of valid UTF-8 text.
std::size_t utf8_length(std::string_view s);
// The first max_chars code points of valid UTF-8 text.
std::string utf8_truncate(std::string_view s, std::size_t max_chars);

// UTF-8 to Windows-1252; a character the code page cannot hold becomes '?'.
std::string utf8_to_cp1252(std::string_view s);
// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to
// the C1 control of the same number, as Windows itself maps them.
std::string cp1252_to_utf8(std::string_view s);

// Plain decimal: shortest form, no leading blank, no separators, no exponent.
std::string plain_decimal(long long v);
// Reads a whole number in decimal that is all of `text`; a leading '+' is
// taken only where `plus_allowed`. False, with `value` unspecified, otherwise.
bool parse_whole_number(std::string_view text, long long& value, bool plus_allowed = false);
std::string plain_decimal(double v);

} // namespace swoonery
