// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/page_address.h"

namespace swoonery {

namespace {

bool is_unreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

} // namespace

bool is_plain_address(std::string_view url) {
    for (std::size_t i = 0; i < url.size(); ++i) {
        const char c = url[i];
        if (c == '%') {
            if (i + 2 >= url.size() || !is_hex_digit(url[i + 1]) || !is_hex_digit(url[i + 2])) {
                return false;
            }
            i += 2;
        } else if (!is_unreserved(c) && c != '/' && c != ':') {
            return false;
        }
    }
    return !url.empty();
}

std::string file_address(std::string_view absolute_path) {
    if (absolute_path.empty() || absolute_path.front() != '/') {
        return {};
    }
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string address = "file://";
    address.reserve(address.size() + absolute_path.size() * 3);
    for (const char c : absolute_path) {
        if (is_unreserved(c) || c == '/' || c == ':') {
            address += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            address += '%';
            address += hex[byte >> 4];
            address += hex[byte & 0xF];
        }
    }
    return address;
}

} // namespace swoonery
