#include "platform/windows_command_line.h"

#include <gtest/gtest.h>

namespace swoonery {
namespace {

struct QuoteCase {
    const char* name;
    std::wstring argument;
    std::wstring quoted;
};

class WindowsQuoting : public testing::TestWithParam<QuoteCase> {};

// An address reaches the Windows browser as one argument, exactly as written.
TEST_P(WindowsQuoting, ReadsBackAsOneArgument) {
    EXPECT_EQ(quote_windows_argument(GetParam().argument), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, WindowsQuoting,
    testing::Values(QuoteCase{"plain_address", L"https://example.org/a?b=c;d",
                              L"https://example.org/a?b=c;d"},
                    QuoteCase{"empty", L"", L"\"\""},
                    QuoteCase{"blank", L"https://example.org/a b", L"\"https://example.org/a b\""},
                    QuoteCase{"tab", L"a\tb", L"\"a\tb\""},
                    QuoteCase{"quote", L"say \"hi\"", L"\"say \\\"hi\\\"\""},
                    QuoteCase{"quote_without_blank", L"a\"b", L"\"a\\\"b\""},
                    QuoteCase{"backslashes_before_quote", L"a\\\\\"b", L"\"a\\\\\\\\\\\"b\""},
                    QuoteCase{"backslash_inside", L"C:\\my dir\\x", L"\"C:\\my dir\\x\""},
                    QuoteCase{"backslash_at_end", L"C:\\my dir\\", L"\"C:\\my dir\\\\\""},
                    QuoteCase{"backslash_unquoted", L"C:\\x\\", L"C:\\x\\"}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace
} // namespace swoonery
