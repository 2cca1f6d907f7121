// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the score tests: a fresh folder per test, and records
// built byte by byte, independently of the code under test.
#pragma once

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace scores_test {

namespace fs = std::filesystem;

using swoonery::test::TempFolder;

// One 38-byte record; `name` is given as the raw bytes of the file.
inline std::string record(std::string_view name, double score, std::int16_t days,
                          std::int64_t money_units) {
    std::string out(name);
    out.resize(20, ' ');
    const auto put = [&out](std::uint64_t v, int bytes) {
        for (int k = 0; k < bytes; ++k) {
            out.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
        }
    };
    put(std::bit_cast<std::uint64_t>(score), 8);
    put(static_cast<std::uint16_t>(days), 2);
    put(static_cast<std::uint64_t>(money_units), 8);
    return out;
}

inline std::string empty_record() {
    return std::string(20, ' ') + std::string(18, '\0');
}

// An ASCII name padded with blanks to 20 characters.
inline std::string padded(std::string_view s) {
    std::string out(s);
    out.resize(20, ' ');
    return out;
}

inline void write_bytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

inline std::string read_bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace scores_test
