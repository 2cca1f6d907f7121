// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the PCM WAV files the game plays: the RIFF container is walked chunk
// by chunk, so extra chunks (LIST, fact, ...) and odd padding do no harm.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace swoonery {

enum class WavError {
    None,
    NotWave,     // no "RIFF....WAVE" header
    NoFormat,    // no usable "fmt " chunk
    NoData,      // no "data" chunk
    Unsupported, // compressed, more than two channels, or not 8/16 bits
    Truncated,   // the file ends inside a chunk header or the format chunk
};

struct WavClip {
    int channels = 0;
    int sample_rate = 0;
    int bits_per_sample = 0;
    // Where the samples lie in the file's bytes; data_size is whole frames only.
    std::size_t data_offset = 0;
    std::size_t data_size = 0;

    int bytes_per_frame() const { return channels * bits_per_sample / 8; }
    std::int64_t frames() const;
    std::int64_t duration_us() const;
};

struct WavResult {
    WavError error = WavError::None;
    WavClip clip; // meaningful only when error is None

    explicit operator bool() const { return error == WavError::None; }
};

// Parses the whole file. A data chunk that claims more bytes than the file
// holds (a recording cut short, or a streamed writer's placeholder size) plays
// the whole frames that are there.
WavResult parse_wav(std::string_view bytes);

} // namespace swoonery
