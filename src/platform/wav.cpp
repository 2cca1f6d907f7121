// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wav.h"

namespace swoonery {

namespace {

constexpr std::uint16_t format_pcm = 0x0001;
constexpr std::uint16_t format_extensible = 0xFFFE;
constexpr std::uint32_t min_sample_rate = 1000;
constexpr std::uint32_t max_sample_rate = 384000;

std::uint32_t read_u32(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

std::uint16_t read_u16(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return static_cast<std::uint16_t>(byte(0) | (byte(1) << 8));
}

// Fills in the format fields of clip from a "fmt " chunk's body.
WavError read_format(std::string_view body, WavClip& clip) {
    if (body.size() < 16) {
        return WavError::NoFormat;
    }
    std::uint16_t tag = read_u16(body, 0);
    const int channels = read_u16(body, 2);
    const std::uint32_t rate = read_u32(body, 4);
    const int block_align = read_u16(body, 12);
    const int bits = read_u16(body, 14);
    if (tag == format_extensible) {
        // The sub-format GUID starts with the plain format tag.
        if (body.size() < 40) {
            return WavError::NoFormat;
        }
        tag = read_u16(body, 24);
    }
    if (tag != format_pcm || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)) {
        return WavError::Unsupported;
    }
    if (rate < min_sample_rate || rate > max_sample_rate) {
        return WavError::Unsupported;
    }
    if (block_align != channels * bits / 8) {
        return WavError::NoFormat;
    }
    clip.channels = channels;
    clip.sample_rate = static_cast<int>(rate);
    clip.bits_per_sample = bits;
    return WavError::None;
}

} // namespace

std::int64_t WavClip::frames() const {
    const int frame = bytes_per_frame();
    return frame > 0 ? static_cast<std::int64_t>(data_size / static_cast<std::size_t>(frame)) : 0;
}

std::int64_t WavClip::duration_us() const {
    return sample_rate > 0 ? frames() * 1'000'000 / sample_rate : 0;
}

WavResult parse_wav(std::string_view bytes) {
    constexpr std::size_t riff_header = 12;
    constexpr std::size_t chunk_header = 8;
    if (bytes.size() < riff_header || bytes.substr(0, 4) != "RIFF" ||
        bytes.substr(8, 4) != "WAVE") {
        return {WavError::NotWave, {}};
    }

    WavClip clip;
    bool have_format = false;
    bool have_data = false;
    std::size_t data_claimed = 0;
    std::size_t at = riff_header;
    while (!(have_format && have_data)) {
        const std::size_t remaining = bytes.size() - at;
        if (remaining < chunk_header) {
            if (remaining != 0) {
                return {WavError::Truncated, {}};
            }
            return {have_format ? WavError::NoData : WavError::NoFormat, {}};
        }
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = read_u32(bytes, at + 4);
        const std::size_t body = at + chunk_header;
        const std::size_t available = bytes.size() - body;
        if (id == "data" && !have_data) {
            clip.data_offset = body;
            data_claimed = size < available ? size : available;
            have_data = true;
            if (size >= available) {
                // Nothing can follow a data chunk that runs to the end of the file.
                if (!have_format) {
                    return {WavError::NoFormat, {}};
                }
                break;
            }
        } else if (size > available) {
            return {WavError::Truncated, {}};
        } else if (id == "fmt ") {
            if (const WavError error = read_format(bytes.substr(body, size), clip);
                error != WavError::None) {
                return {error, {}};
            }
            have_format = true;
        }
        // Chunks are padded to an even length; the last one's pad byte may be missing.
        const std::size_t padded = size + (size & 1U);
        at = body + (padded < available ? padded : available);
    }

    const auto frame = static_cast<std::size_t>(clip.bytes_per_frame());
    clip.data_size = data_claimed - data_claimed % frame;
    return {WavError::None, clip};
}

} // namespace swoonery
