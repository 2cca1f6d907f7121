// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_check.h"

#include "fuzz_support.h"

#include <cstddef>

namespace swoonery::fuzz {

namespace {

// Deeper than any dump; a bound keeps a broken writer from exhausting the stack.
constexpr int kMaxDepth = 64;

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}

    std::optional<JsonValue> document(std::string& why) {
        JsonValue v;
        blanks();
        if (!value(v, 0)) {
            why = why_ + " at byte " + std::to_string(i_);
            return std::nullopt;
        }
        blanks();
        if (i_ != s_.size()) {
            why = "text after the value at byte " + std::to_string(i_);
            return std::nullopt;
        }
        return v;
    }

private:
    bool fail(std::string why) {
        why_ = std::move(why);
        return false;
    }
    bool more() const { return i_ < s_.size(); }
    char peek() const { return s_[i_]; }
    void blanks() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++i_;
        }
    }
    bool literal(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) {
            return fail("unknown literal");
        }
        i_ += word.size();
        return true;
    }

    bool value(JsonValue& v, int depth) {
        if (depth > kMaxDepth) {
            return fail("nested too deep");
        }
        if (!more()) {
            return fail("a value is missing");
        }
        switch (peek()) {
        case '{':
            return object(v, depth);
        case '[':
            return array(v, depth);
        case '"':
            v.kind = JsonValue::Kind::String;
            return string(v.text);
        case 't':
            v.kind = JsonValue::Kind::Bool;
            v.flag = true;
            return literal("true");
        case 'f':
            v.kind = JsonValue::Kind::Bool;
            return literal("false");
        case 'n':
            return literal("null");
        default:
            v.kind = JsonValue::Kind::Number;
            return number(v.text);
        }
    }

    bool object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++i_;
        blanks();
        if (more() && peek() == '}') {
            ++i_;
            return true;
        }
        while (true) {
            blanks();
            std::string key;
            if (!more() || peek() != '"' || !string(key)) {
                return fail(why_.empty() ? "a key is missing" : why_);
            }
            blanks();
            if (!more() || peek() != ':') {
                return fail("':' is missing");
            }
            ++i_;
            blanks();
            JsonValue member;
            if (!value(member, depth + 1)) {
                return false;
            }
            v.keys.push_back(std::move(key));
            v.items.push_back(std::move(member));
            blanks();
            if (more() && peek() == ',') {
                ++i_;
                continue;
            }
            if (more() && peek() == '}') {
                ++i_;
                return true;
            }
            return fail("',' or '}' is missing");
        }
    }

    bool array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++i_;
        blanks();
        if (more() && peek() == ']') {
            ++i_;
            return true;
        }
        while (true) {
            blanks();
            JsonValue item;
            if (!value(item, depth + 1)) {
                return false;
            }
            v.items.push_back(std::move(item));
            blanks();
            if (more() && peek() == ',') {
                ++i_;
                continue;
            }
            if (more() && peek() == ']') {
                ++i_;
                return true;
            }
            return fail("',' or ']' is missing");
        }
    }

    bool digits() {
        const std::size_t start = i_;
        while (more() && peek() >= '0' && peek() <= '9') {
            ++i_;
        }
        return i_ > start;
    }

    bool number(std::string& out) {
        const std::size_t start = i_;
        if (more() && peek() == '-') {
            ++i_;
        }
        if (more() && peek() == '0') {
            ++i_;
        } else if (!(more() && peek() >= '1' && peek() <= '9') || !digits()) {
            return fail("not a value");
        }
        if (more() && peek() == '.') {
            ++i_;
            if (!digits()) {
                return fail("digits missing after '.'");
            }
        }
        if (more() && (peek() == 'e' || peek() == 'E')) {
            ++i_;
            if (more() && (peek() == '+' || peek() == '-')) {
                ++i_;
            }
            if (!digits()) {
                return fail("digits missing in the exponent");
            }
        }
        out.assign(s_.substr(start, i_ - start));
        return true;
    }

    bool hex4(unsigned& v) {
        if (s_.size() - i_ < 4) {
            return fail("a \\u escape is cut off");
        }
        v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[i_++];
            v <<= 4;
            if (c >= '0' && c <= '9') {
                v |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                v |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                v |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                return fail("a \\u escape is not hexadecimal");
            }
        }
        return true;
    }

    static void append_utf8(char32_t cp, std::string& out) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }

    bool string(std::string& out) {
        ++i_; // the opening quote
        const std::size_t start = i_;
        std::string raw;
        while (true) {
            if (!more()) {
                return fail("a string is not closed");
            }
            const char c = s_[i_];
            if (c == '"') {
                ++i_;
                break;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return fail("a control character inside a string");
            }
            if (c != '\\') {
                raw.push_back(c);
                ++i_;
                continue;
            }
            ++i_;
            if (!more()) {
                return fail("an escape is cut off");
            }
            const char e = s_[i_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                raw.push_back(e);
                break;
            case 'b':
                raw.push_back('\b');
                break;
            case 'f':
                raw.push_back('\f');
                break;
            case 'n':
                raw.push_back('\n');
                break;
            case 'r':
                raw.push_back('\r');
                break;
            case 't':
                raw.push_back('\t');
                break;
            case 'u': {
                unsigned hi = 0;
                if (!hex4(hi)) {
                    return false;
                }
                char32_t cp = hi;
                if (hi >= 0xDC00 && hi <= 0xDFFF) {
                    return fail("a lone low surrogate escape");
                }
                if (hi >= 0xD800 && hi <= 0xDBFF) {
                    unsigned lo = 0;
                    if (s_.substr(i_, 2) != "\\u") {
                        return fail("a lone high surrogate escape");
                    }
                    i_ += 2;
                    if (!hex4(lo)) {
                        return false;
                    }
                    if (lo < 0xDC00 || lo > 0xDFFF) {
                        return fail("a high surrogate escape without its low half");
                    }
                    cp = 0x10000 + ((hi - 0xD800) << 10) + (lo - 0xDC00);
                }
                append_utf8(cp, raw);
                break;
            }
            default:
                return fail("an unknown escape");
            }
        }
        if (!utf8_code_points(s_.substr(start, i_ - 1 - start)).has_value()) {
            i_ = start;
            return fail("a string is not valid UTF-8");
        }
        out = std::move(raw);
        return true;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::string why_;
};

} // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (keys[k] == key) {
            return &items[k];
        }
    }
    return nullptr;
}

std::optional<JsonValue> parse_json(std::string_view text, std::string& why) {
    return Reader(text).document(why);
}

} // namespace swoonery::fuzz
