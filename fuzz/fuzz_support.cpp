// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

namespace swoonery::fuzz {

namespace fs = std::filesystem;

namespace {

// Removes the scratch folder when the process ends normally; after a crash
// it is left for the one running the fuzzer to look at.
struct ScratchDir {
    fs::path path;
    ScratchDir() {
        std::random_device seed;
        const fs::path base = fs::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate =
                base / ("swoonery-fuzz-" + std::to_string(seed()) + "-" + std::to_string(seed()));
            std::error_code ec;
            if (fs::create_directory(candidate, ec)) {
                path = candidate;
                return;
            }
        }
        fail("could not make a scratch folder under " + base.string());
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
};

} // namespace

void fail(std::string_view what) {
    std::fprintf(stderr, "\nPROPERTY BROKEN: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}

const fs::path& scratch_dir() {
    static const ScratchDir dir;
    return dir.path;
}

void empty_dir(const fs::path& dir) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        std::error_code ignored;
        fs::remove_all(entry.path(), ignored);
    }
    FUZZ_CHECK(!ec, "could not list " + dir.string() + ": " + ec.message());
}

void write_file(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    FUZZ_CHECK(static_cast<bool>(out), "could not write " + file.string());
}

std::optional<std::vector<char32_t>> utf8_code_points(std::string_view text) {
    std::vector<char32_t> points;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        char32_t lowest = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1Fu;
            lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0Fu;
            lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07u;
            lowest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (text.size() - i < extra + 1) {
            return std::nullopt; // cut off at the end
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return std::nullopt;
            }
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        points.push_back(cp);
        i += extra + 1;
    }
    return points;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

} // namespace swoonery::fuzz
