// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The addresses the game hands a browser are plain: letters, digits, "-",
// ".", "_", "~", "/", ":" and percent escapes, nothing else. No character of
// such an address means anything to a shell or to a command line, whatever a
// desktop's browser entry does with the address.
#pragma once

#include <string>
#include <string_view>

namespace swoonery {

// Whether the address is plain: not empty, and every '%' the start of an
// escape of two hexadecimal digits.
bool is_plain_address(std::string_view url);

// The plain file: address of an absolute path, given as the bytes the file
// system names it by: every other byte is escaped, so a folder whose name has
// blanks, quotes, "$(...)" or bytes that are not UTF-8 still gives an address
// that names it exactly. Empty (no address at all) for a relative path.
std::string file_address(std::string_view absolute_path);

} // namespace swoonery
