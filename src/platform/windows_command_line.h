// Building Windows command lines: what the browser is given must come back
// out of its command-line parser as the one argument we meant.
#pragma once

#include <string>
#include <string_view>

namespace swoonery {

// Quotes an argument so that CommandLineToArgvW and the C runtime's parser
// read it back unchanged: blanks and quotes are enclosed, and backslashes are
// doubled only where they come before a quote.
std::wstring quote_windows_argument(std::wstring_view argument);

} // namespace swoonery
