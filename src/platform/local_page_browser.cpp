#include "platform/local_page_browser.h"

#include <filesystem>
#include <system_error>

namespace swoonery {

namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::string> local_file_of(std::string_view url) {
    constexpr std::string_view scheme = "file://";
    if (url.size() < scheme.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        const char c = url[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != scheme[i]) {
            return std::nullopt;
        }
    }
    std::string_view rest = url.substr(scheme.size());
    // "file:///path" and "file://localhost/path" name this machine.
    if (rest.substr(0, 9) == "localhost") {
        rest.remove_prefix(9);
    }
    if (rest.empty() || rest.front() != '/') {
        return std::nullopt;
    }
    const std::size_t end = rest.find_first_of("?#");
    rest = rest.substr(0, end);

    std::string path;
    path.reserve(rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size() && hex_value(rest[i + 1]) >= 0 &&
            hex_value(rest[i + 2]) >= 0) {
            path.push_back(static_cast<char>(hex_value(rest[i + 1]) * 16 + hex_value(rest[i + 2])));
            i += 2;
        } else {
            path.push_back(rest[i]);
        }
    }
#ifdef _WIN32
    // "file:///C:/folder" names C:/folder.
    if (path.size() >= 3 && path[0] == '/' && path[2] == ':') {
        path.erase(0, 1);
    }
#endif
    return path;
}

BrowserResult LocalPageBrowser::open(std::string_view url) {
    if (const auto file = local_file_of(url)) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(*file, error)) {
            return BrowserResult::NotOpened;
        }
    }
    return browser_.open(url);
}

} // namespace swoonery
