// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The synthesiser's building blocks and the WAV encoder, checked on their own.
#include "asset_support.h"
#include "instruments.h"
#include "synth.h"
#include "wav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using namespace assetgen;

int zeroCrossings(const Buffer& b) {
    int n = 0;
    for (std::size_t i = 1; i < b.size(); ++i) {
        n += (b[i - 1] < 0.0f) != (b[i] < 0.0f);
    }
    return n;
}

// Steady-state gain of a filter for a sine at `hz`.
template <typename Filter> double gainAt(Filter& f, double hz) {
    double peak = 0.0;
    for (int i = 0; i < kSampleRate; ++i) {
        const float y = f(static_cast<float>(std::sin(2 * kPi * hz * i / kSampleRate)));
        if (i > kSampleRate / 2) {
            peak = std::max(peak, static_cast<double>(std::fabs(y)));
        }
    }
    return peak;
}

// Noise is reproducible from its seed and spread evenly, so assets never change between runs.
TEST(Rng, IsSeededAndUniform) {
    Rng a(42), b(42), c(43);
    double sum = 0.0;
    bool differs = false;
    for (int i = 0; i < 10000; ++i) {
        const double x = a.uniform();
        EXPECT_EQ(x, b.uniform());
        differs = differs || x != c.uniform();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        sum += x;
    }
    EXPECT_TRUE(differs);
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

// Oscillators play the pitch asked for and stay within full scale.
TEST(Oscillator, PlaysTheRequestedPitch) {
    for (Wave w : {Wave::Sine, Wave::Triangle, Wave::Saw, Wave::Square}) {
        const Buffer b = tone(
            1.0, w, [](double) { return 441.0; }, [](double) { return 1.0; });
        EXPECT_NEAR(zeroCrossings(b), 882, 3) << static_cast<int>(w);
        EXPECT_LT(peak_of(b), 1.15f);
    }
}

// Low-pass filters keep what is below their cut-off and remove what is well above it.
TEST(Filters, LowpassPassesLowsAndCutsHighs) {
    Biquad lp;
    lp.set(Biquad::Type::Lowpass, 500.0, 0.7071);
    auto biquad = [&lp](float x) { return lp.process(x); };
    EXPECT_GT(gainAt(biquad, 100.0), 0.95);
    EXPECT_LT(gainAt(biquad, 5000.0), 0.02);
    OnePole one;
    one.lowpass(500.0);
    auto onePole = [&one](float x) { return one.process(x); };
    EXPECT_GT(gainAt(onePole, 50.0), 0.95);
    EXPECT_LT(gainAt(onePole, 5000.0), 0.15);
}

// The state variable band-pass has unit gain at its centre, which the formant voices rely on.
TEST(Filters, BandpassPeaksAtItsCentre) {
    Svf f;
    f.set(1000.0, 4.0);
    auto band = [&f](float x) { return f.bandpass(x); };
    EXPECT_NEAR(gainAt(band, 1000.0), 1.0, 0.05);
    Svf g;
    g.set(1000.0, 4.0);
    auto away = [&g](float x) { return g.bandpass(x); };
    EXPECT_LT(gainAt(away, 2000.0), 0.25);
}

// Envelopes interpolate between breakpoints and hold their ends.
TEST(Envelopes, InterpolateAndHold) {
    const Envelope e({{0.5, 0.0}, {1.5, 1.0}, {2.0, 0.5}});
    EXPECT_DOUBLE_EQ(e(0.0), 0.0);
    EXPECT_DOUBLE_EQ(e(1.0), 0.5);
    EXPECT_DOUBLE_EQ(e(1.75), 0.75);
    EXPECT_DOUBLE_EQ(e(9.0), 0.5);
    EXPECT_DOUBLE_EQ(adsr(0.05, 0.1, 0.1, 0.6, 1.0, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(adsr(0.5, 0.1, 0.1, 0.6, 1.0, 0.5), 0.6);
    EXPECT_DOUBLE_EQ(adsr(1.25, 0.1, 0.1, 0.6, 1.0, 0.5), 0.3);
    EXPECT_DOUBLE_EQ(adsr(2.0, 0.1, 0.1, 0.6, 1.0, 0.5), 0.0);
}

// Mixing places a sound at its time and grows the buffer to fit it.
TEST(Buffers, MixIntoOffsetsAndGrows) {
    Buffer dst(10, 1.0f);
    const Buffer src(20, 0.5f);
    mix_into(dst, src, 5.0 / kSampleRate, 2.0);
    ASSERT_EQ(dst.size(), 25u);
    EXPECT_FLOAT_EQ(dst[4], 1.0f);
    EXPECT_FLOAT_EQ(dst[5], 2.0f);
    EXPECT_FLOAT_EQ(dst[24], 1.0f);
}

// Finishing removes any DC offset, silences the very ends and sets the peak to -1 dBFS.
TEST(Buffers, FinishNormalisesAndFades) {
    Buffer b = tone(
        1.0, Wave::Sine, [](double) { return 300.0; }, [](double) { return 0.2; });
    for (float& s : b) {
        s += 0.3f;
    }
    finish(b);
    EXPECT_NEAR(peak_of(b), kTargetPeak, 1e-4);
    EXPECT_NEAR(b.front(), 0.0f, 1e-6);
    EXPECT_NEAR(b.back(), 0.0f, 1e-6);
    double mean = 0.0;
    for (std::size_t i = kSampleRate / 2; i < b.size(); ++i) {
        mean += b[i];
    }
    EXPECT_NEAR(mean / (b.size() - kSampleRate / 2), 0.0, 0.01);
}

// Plucked strings are in tune, which keeps the guitar and harp chords from beating.
TEST(Instruments, PluckedStringIsInTune) {
    for (double hz : {82.41, 196.0, 329.6}) {
        const Buffer b = pluck(hz, 1.0, 0.5, 0.999, 7);
        const std::vector<double> samples(b.begin(), b.end());
        const double measured = assettest::pitchOf(samples, 0.25, 0.6, 60, 500, kSampleRate);
        EXPECT_NEAR(measured, hz, hz * 0.01) << hz;
    }
}

// Struck objects ring out to nothing instead of stopping with a click.
TEST(Instruments, StruckSoundsDecayToSilence) {
    const Buffer bell = modal(880.0, {{1.0, 1.0, 5.0}}, 0.5);
    EXPECT_GT(peak_of(bell), 0.5f);
    EXPECT_LT(std::fabs(bell.back()), 1e-3f);
    for (const Buffer& drum :
         {kick(), snare(1), tom(100.0, 2), timpani(98.0, 0.4, 3), crash(4, 0.5)}) {
        EXPECT_NEAR(peak_of(drum), 1.0f, 1e-4);
        EXPECT_LT(std::fabs(drum.back()), 1e-3f);
    }
}

// A formant voice puts its energy where the vowel's first resonance is, which makes it a vowel.
TEST(Instruments, VoiceFollowsItsFormants) {
    auto energyNear = [](const Buffer& b, double hz) {
        const std::vector<double> s(b.begin(), b.end());
        return assettest::tonePower(s, 2000, 8000, hz, kSampleRate);
    };
    VoiceShape shape;
    shape.pitch = [](double) { return 150.0; };
    shape.voiced = [](double) { return 1.0; };
    shape.breath = [](double) { return 0.0; };
    shape.jitter = 0.0;
    shape.formants = [](double) { return vowel(Vowel::A); };
    const Buffer ah = voice(shape, 0.5, 1);
    shape.formants = [](double) { return vowel(Vowel::I); };
    const Buffer ee = voice(shape, 0.5, 1);
    // The fifth harmonic (750 Hz) sits on /a/'s first formant; the second (300 Hz) on /i/'s.
    EXPECT_GT(energyNear(ah, 750.0), 4 * energyNear(ee, 750.0));
    EXPECT_GT(energyNear(ee, 300.0), 4 * energyNear(ah, 300.0));
}

// The encoder writes a 44-byte PCM header and rounds and clamps samples to 16 bits.
TEST(Wav, EncodesHeaderAndSamples) {
    const std::vector<unsigned char> bytes = encode_wav({0.0f, 0.5f, -1.0f, 2.0f});
    ASSERT_EQ(bytes.size(), 44u + 8u);
    const std::vector<unsigned char> header = {
        'R', 'I', 'F', 'F', 44, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
        ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x22, 0x56, 0,   0,   0x44, 0xAC,
        0,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  8,    0,   0,   0};
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 44), header);
    auto sample = [&bytes](int i) {
        return static_cast<std::int16_t>(bytes[44 + 2 * i] | (bytes[45 + 2 * i] << 8));
    };
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(1), 16384);
    EXPECT_EQ(sample(2), -32767);
    EXPECT_EQ(sample(3), 32767);
}

} // namespace
