// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A strict JSON reader for checking the driver's output: RFC 8259 syntax,
// valid UTF-8 throughout, no lone surrogate escapes. It keeps just enough of
// the value to look at its shape.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery::fuzz {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool flag = false;
    std::string text;              // a string's value, or a number as written
    std::vector<JsonValue> items;  // an array's items, or an object's member values
    std::vector<std::string> keys; // an object's keys, in order, one per item

    const JsonValue* member(std::string_view key) const;
};

// The value the whole text holds (blanks around it allowed), or nothing with
// `why` set when the text is not one JSON value.
std::optional<JsonValue> parse_json(std::string_view text, std::string& why);

} // namespace swoonery::fuzz
