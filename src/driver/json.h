// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A small JSON writer for the driver's one-line output.
#pragma once

#include <string>
#include <string_view>

namespace swoonery::driver {

class Json {
public:
    Json& begin_object();
    Json& end_object();
    Json& begin_array();
    Json& end_array();
    Json& key(std::string_view k);
    Json& value(std::string_view s);
    Json& value(const char* s) { return value(std::string_view(s)); }
    Json& value(const std::string& s) { return value(std::string_view(s)); }
    Json& value(bool b);
    Json& value(long long n);
    Json& value(int n) { return value(static_cast<long long>(n)); }
    Json& value(double d);
    const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    bool need_comma_ = false;
};

} // namespace swoonery::driver
