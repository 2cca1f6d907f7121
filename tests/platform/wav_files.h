// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds WAV files byte by byte for the tests, including broken ones.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace swoonery::test {

inline std::string le16(unsigned v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}
inline std::string le32(std::uint32_t v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

// A chunk, padded to an even length as RIFF wants.
inline std::string chunk(const std::string& id, const std::string& body) {
    return id + le32(std::uint32_t(body.size())) + body + std::string(body.size() % 2, '\0');
}

inline std::string fmt_body(unsigned tag, unsigned channels, unsigned rate, unsigned bits) {
    const unsigned align = channels * bits / 8;
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

inline std::string riff(const std::vector<std::string>& chunks) {
    std::string body = "WAVE";
    for (const std::string& part : chunks) {
        body += part;
    }
    return "RIFF" + le32(std::uint32_t(body.size())) + body;
}

// A sine tone at half volume, the same on every channel.
inline std::string tone_wav(double hz, double seconds, unsigned rate, unsigned channels,
                            unsigned bits) {
    std::string pcm;
    for (long i = 0; i < long(seconds * rate); ++i) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * hz * double(i) / rate);
        for (unsigned c = 0; c < channels; ++c) {
            pcm += bits == 8 ? std::string(1, char(std::lround(128 + 127 * value)))
                             : le16(std::uint16_t(std::int16_t(std::lround(32767 * value))));
        }
    }
    return riff({chunk("fmt ", fmt_body(1, channels, rate, bits)), chunk("data", pcm)});
}

inline void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace swoonery::test
