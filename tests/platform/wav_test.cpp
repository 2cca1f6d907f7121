// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wav.h"

#include "wav_files.h"

#include <gtest/gtest.h>

#include <random>

namespace swoonery {
namespace {

using namespace test;

std::string samples(std::size_t bytes) {
    std::string out(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) {
        out[i] = char(i * 7 + 1);
    }
    return out;
}

// WAVE_FORMAT_EXTENSIBLE, whose sub-format GUID begins with the plain format tag.
std::string extensible(unsigned channels, unsigned rate, unsigned bits, unsigned sub_format) {
    return fmt_body(0xFFFE, channels, rate, bits) + le16(22) + le16(bits) + le32(3) +
           le16(sub_format) + std::string("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);
}

struct ValidCase {
    const char* name;
    std::string bytes;
    std::string pcm; // the samples written, which the clip must point at
    int channels, rate, bits;
    std::int64_t duration_us;
};

class ValidWav : public testing::TestWithParam<ValidCase> {};

// Well-formed and merely unusual files yield their format and exactly their samples.
TEST_P(ValidWav, GivesFormatAndSamples) {
    const ValidCase& c = GetParam();
    const WavResult result = parse_wav(c.bytes);
    ASSERT_EQ(result.error, WavError::None);
    EXPECT_EQ(result.clip.channels, c.channels);
    EXPECT_EQ(result.clip.sample_rate, c.rate);
    EXPECT_EQ(result.clip.bits_per_sample, c.bits);
    EXPECT_EQ(result.clip.duration_us(), c.duration_us);
    ASSERT_LE(result.clip.data_offset + result.clip.data_size, c.bytes.size());
    const std::size_t whole = c.pcm.size() - c.pcm.size() % std::size_t(c.channels * c.bits / 8);
    EXPECT_EQ(c.bytes.substr(result.clip.data_offset, result.clip.data_size),
              c.pcm.substr(0, whole));
}

const std::string pcm = samples(1601);
const std::string cut = riff({chunk("fmt ", fmt_body(1, 2, 8000, 16))}) + "data" + le32(3000) + pcm;
INSTANTIATE_TEST_SUITE_P(
    Wav, ValidWav,
    testing::Values(ValidCase{"mono_8bit",
                              riff({chunk("fmt ", fmt_body(1, 1, 8000, 8)), chunk("data", pcm)}),
                              pcm, 1, 8000, 8, 200'125},
                    ValidCase{"stereo_16bit",
                              riff({chunk("fmt ", fmt_body(1, 2, 4000, 16)), chunk("data", pcm)}),
                              pcm, 2, 4000, 16, 100'000},
                    ValidCase{"other_chunks_and_padding",
                              riff({chunk("LIST", "INFOx"), chunk("fmt ", fmt_body(1, 1, 16000, 8)),
                                    chunk("fact", "1234"), chunk("data", pcm)}),
                              pcm, 1, 16000, 8, 100'062},
                    ValidCase{"data_before_format",
                              riff({chunk("data", pcm), chunk("fmt ", fmt_body(1, 1, 8000, 8))}),
                              pcm, 1, 8000, 8, 200'125},
                    ValidCase{"extensible_pcm",
                              riff({chunk("fmt ", extensible(1, 8000, 16, 1)), chunk("data", pcm)}),
                              pcm, 1, 8000, 16, 100'000},
                    // A recording cut short: the data chunk claims more than the file holds.
                    ValidCase{"data_cut_short", cut, pcm, 2, 8000, 16, 50'000},
                    // Writers streaming to a pipe cannot go back to fill in the sizes.
                    ValidCase{"placeholder_sizes",
                              "RIFF" + le32(~0U) + cut.substr(8, 32) + le32(~0U) + pcm, pcm, 2,
                              8000, 16, 50'000}),
    [](const auto& c) { return std::string(c.param.name); });

struct BrokenCase {
    const char* name;
    std::string bytes;
    WavError error;
};

class BrokenWav : public testing::TestWithParam<BrokenCase> {};

// Malformed and unsupported files are rejected, for the right reason.
TEST_P(BrokenWav, IsRejected) {
    EXPECT_EQ(parse_wav(GetParam().bytes).error, GetParam().error);
}

std::string with_format(const std::string& body) {
    return riff({chunk("fmt ", body), chunk("data", pcm)});
}
const std::string format = chunk("fmt ", fmt_body(1, 1, 8000, 16));
INSTANTIATE_TEST_SUITE_P(
    Wav, BrokenWav,
    testing::Values(
        BrokenCase{"empty", "", WavError::NotWave},
        BrokenCase{"garbage", "this is no sound file at all", WavError::NotWave},
        BrokenCase{"header_only", riff({}), WavError::NoFormat},
        BrokenCase{"cut_in_chunk_header", riff({}) + "fmt " + le16(16), WavError::Truncated},
        BrokenCase{"cut_in_format", riff({}) + format.substr(0, 18), WavError::Truncated},
        BrokenCase{"chunk_past_end", riff({}) + "LIST" + le32(1000) + "INFO", WavError::Truncated},
        BrokenCase{"no_data", riff({format}), WavError::NoData},
        BrokenCase{"no_format", riff({chunk("data", pcm), chunk("LIST", "INFO")}),
                   WavError::NoFormat},
        BrokenCase{"data_to_end_before_format", riff({chunk("data", pcm)}), WavError::NoFormat},
        BrokenCase{"format_too_short", with_format(fmt_body(1, 1, 8000, 16).substr(0, 14)),
                   WavError::NoFormat},
        BrokenCase{"block_align_wrong",
                   with_format(fmt_body(1, 2, 8000, 16).replace(12, 2, le16(2))),
                   WavError::NoFormat},
        BrokenCase{"float", with_format(fmt_body(3, 1, 8000, 32)), WavError::Unsupported},
        BrokenCase{"24_bit", with_format(fmt_body(1, 1, 8000, 24)), WavError::Unsupported},
        BrokenCase{"three_channels", with_format(fmt_body(1, 3, 8000, 16)), WavError::Unsupported},
        BrokenCase{"rate_zero", with_format(fmt_body(1, 1, 0, 16)), WavError::Unsupported},
        BrokenCase{"extensible_float", with_format(extensible(1, 8000, 16, 3)),
                   WavError::Unsupported}),
    [](const auto& c) { return std::string(c.param.name); });

// Whatever a damaged file holds, the samples found lie inside it in whole frames.
TEST(WavDamage, NeverReachesOutsideTheFile) {
    const std::string good = riff({chunk("LIST", "INFOabc"), format, chunk("data", samples(402))});
    std::mt19937 random(20240601);
    for (int round = 0; round < 6000; ++round) {
        std::string damaged = good;
        for (int flips = 0; flips < 4; ++flips) {
            damaged[random() % 64] = char(random()); // mostly the headers, where sizes lie
        }
        damaged.resize(round < 1000 ? random() % good.size() : good.size());
        const WavResult result = parse_wav(damaged);
        if (result) {
            EXPECT_LE(result.clip.data_offset + result.clip.data_size, damaged.size());
            EXPECT_EQ(result.clip.data_size % std::size_t(result.clip.bytes_per_frame()), 0U);
        }
    }
}

} // namespace
} // namespace swoonery
