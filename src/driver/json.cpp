// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver/json.h"

#include "base/text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace swoonery::driver {

void Json::separate() {
    if (need_comma_) {
        out_.push_back(',');
    }
    need_comma_ = true;
}

Json& Json::begin_object() {
    separate();
    out_.push_back('{');
    need_comma_ = false;
    return *this;
}

Json& Json::end_object() {
    out_.push_back('}');
    need_comma_ = true;
    return *this;
}

Json& Json::begin_array() {
    separate();
    out_.push_back('[');
    need_comma_ = false;
    return *this;
}

Json& Json::end_array() {
    out_.push_back(']');
    need_comma_ = true;
    return *this;
}

Json& Json::key(std::string_view k) {
    value(k);
    out_.push_back(':');
    need_comma_ = false;
    return *this;
}

Json& Json::value(std::string_view raw) {
    separate();
    // Names typed by a player and script text quoted in errors can hold any
    // bytes; JSON is UTF-8, so what is not valid UTF-8 becomes U+FFFD.
    std::string repaired;
    std::string_view s = raw;
    if (!is_valid_utf8(raw)) {
        repaired = sanitize_utf8(raw);
        s = repaired;
    }
    out_.push_back('"');
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out_ += "\\\"";
            break;
        case '\\':
            out_ += "\\\\";
            break;
        case '\n':
            out_ += "\\n";
            break;
        case '\r':
            out_ += "\\r";
            break;
        case '\t':
            out_ += "\\t";
            break;
        default:
            if (b < 0x20 || b == 0x7F) {
                static constexpr char kHex[] = "0123456789abcdef";
                out_ += "\\u00";
                out_.push_back(kHex[b >> 4]);
                out_.push_back(kHex[b & 15]);
            } else {
                out_.push_back(c);
            }
        }
    }
    out_.push_back('"');
    return *this;
}

Json& Json::value(bool b) {
    separate();
    out_ += b ? "true" : "false";
    return *this;
}

Json& Json::value(long long n) {
    separate();
    out_ += plain_decimal(n);
    return *this;
}

Json& Json::value(double d) {
    separate();
    if (!std::isfinite(d)) {
        out_ += "null";
        return *this;
    }
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), d);
    out_.append(buf.data(), res.ptr);
    return *this;
}

} // namespace swoonery::driver
