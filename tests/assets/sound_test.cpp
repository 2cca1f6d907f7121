// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The sounds the build leaves in sounds/: valid WAV files in the game's format,
// the right length, audible but not clipped, free of clicks at the ends, and
// for the signal-like sounds, the tones that make them recognisable.
#include "asset_support.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

using assettest::Wav;
using swoonery::Sound;

Wav sound(const QString& file) {
    return assettest::readWav(QDir(assettest::assetDir()).filePath("sounds/" + file));
}

Wav sound(Sound s) {
    return assettest::readWav(QDir(assettest::assetDir()).filePath(assettest::soundFile(s)));
}

double peakOf(const std::vector<double>& s) {
    double p = 0.0;
    for (double v : s) {
        p = std::max(p, std::fabs(v));
    }
    return p;
}

constexpr double kRate = 22050.0;

std::size_t at(double seconds) {
    return static_cast<std::size_t>(seconds * kRate);
}

// Energy in log-spaced bands over a window: a coarse spectrum.
std::vector<double> bands(const std::vector<double>& s, double from, double to) {
    std::vector<double> out;
    for (double hz = 60.0; hz < 10000.0; hz *= 1.5) {
        double e = 0.0;
        for (double k = 0.8; k < 1.25; k += 0.05) {
            e += assettest::tonePower(s, at(from), at(to - from), hz * k, kRate);
        }
        out.push_back(e);
    }
    return out;
}

// The frequency below which half the energy lies, from the coarse spectrum.
double medianFrequency(const std::vector<double>& s, double from, double to) {
    const std::vector<double> b = bands(s, from, to);
    double total = 0.0;
    for (double e : b) {
        total += e;
    }
    double sum = 0.0, hz = 60.0;
    for (double e : b) {
        sum += e;
        if (sum >= total / 2) {
            return hz;
        }
        hz *= 1.5;
    }
    return hz;
}

// A time-by-frequency fingerprint: log band energies over eight slices.
std::vector<double> fingerprint(const std::vector<double>& s, double seconds) {
    std::vector<double> f;
    for (int slice = 0; slice < 8; ++slice) {
        for (double e : bands(s, seconds * slice / 8, seconds * (slice + 1) / 8)) {
            f.push_back(std::log10(e + 1e-12));
        }
    }
    return f;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ma += a[i] / a.size();
        mb += b[i] / b.size();
    }
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
}

// Every sound has a well-formed header: PCM, mono, 22,050 Hz, 16-bit, sizes that add up.
TEST(Sounds, HeadersAreSixteenBitMonoPcm) {
    for (const QString& file : assettest::expectedSounds()) {
        SCOPED_TRACE(file.toStdString());
        const Wav w = sound(file);
        ASSERT_TRUE(w.ok) << w.error;
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.blockAlign, 2);
        EXPECT_EQ(w.byteRate, 44100u);
        EXPECT_EQ(w.riffSize + 8, w.fileSize);
        EXPECT_EQ(w.dataSize, w.samples.size() * 2);
    }
}

// Lengths stay within what the game waits for: 0.3 to 4 seconds, and a short meow.
TEST(Sounds, LengthsAreWithinBounds) {
    for (const QString& file : assettest::expectedSounds()) {
        SCOPED_TRACE(file.toStdString());
        const Wav w = sound(file);
        ASSERT_TRUE(w.ok) << w.error;
        EXPECT_GE(w.seconds(), 0.3);
        EXPECT_LE(w.seconds(),
                  file == assettest::listedName(swoonery::sound_file(Sound::Cat)) ? 1.5 : 4.0);
    }
}

// Each sound is normalised to about -1 dBFS: loud enough to hear, never clipping.
TEST(Sounds, AreAudibleAndDoNotClip) {
    for (const QString& file : assettest::expectedSounds()) {
        SCOPED_TRACE(file.toStdString());
        const Wav w = sound(file);
        ASSERT_TRUE(w.ok) << w.error;
        const double peak = peakOf(w.samples);
        EXPECT_LT(peak, 0.95);
        EXPECT_GT(peak, 0.85);
        EXPECT_GT(assettest::rms(w.samples, 0, w.samples.size()), 0.03) << "too quiet or silent";
    }
}

// Sounds start and end at silence, so starting or cutting one off does not click.
TEST(Sounds, FadeInAndOut) {
    for (const QString& file : assettest::expectedSounds()) {
        SCOPED_TRACE(file.toStdString());
        const Wav w = sound(file);
        ASSERT_TRUE(w.ok) << w.error;
        ASSERT_GT(w.samples.size(), 100u);
        EXPECT_LT(std::fabs(w.samples.front()), 0.01);
        EXPECT_LT(std::fabs(w.samples.back()), 0.01);
        EXPECT_LT(std::fabs(w.samples[w.samples.size() - 5]), 0.02);
    }
}

// The busy tone after hanging up: 480 and 620 Hz, half a second on, half a second off.
TEST(RecognisableSounds, HangUpEndsInBusyTone) {
    const Wav w = sound(Sound::PhoneDown);
    ASSERT_TRUE(w.ok) << w.error;
    const double on = assettest::rms(w.samples, at(0.55), at(0.3));
    const double off = assettest::rms(w.samples, at(1.05), at(0.3));
    EXPECT_GT(on, 20 * off);
    const double p480 = assettest::tonePower(w.samples, at(0.5), at(0.4), 480, kRate);
    const double p620 = assettest::tonePower(w.samples, at(0.5), at(0.4), 620, kRate);
    const double p550 = assettest::tonePower(w.samples, at(0.5), at(0.4), 550, kRate);
    EXPECT_GT(p480, 100 * p550);
    EXPECT_GT(p620, 100 * p550);
}

// The ringing phone rings, pauses and rings again.
TEST(RecognisableSounds, PhoneRingsInBursts) {
    const Wav w = sound(Sound::PhoneCall);
    ASSERT_TRUE(w.ok) << w.error;
    const double ring1 = assettest::rms(w.samples, at(0.2), at(0.8));
    const double pause = assettest::rms(w.samples, at(1.45), at(0.2));
    const double ring2 = assettest::rms(w.samples, at(1.9), at(0.8));
    EXPECT_GT(ring1, 5 * pause);
    EXPECT_GT(ring2, 5 * pause);
}

// Ding-dong: a higher tone, then a lower one a major third below.
TEST(RecognisableSounds, DoorbellGoesDingDong) {
    const Wav w = sound(Sound::Doorbell);
    ASSERT_TRUE(w.ok) << w.error;
    const double ding = assettest::strongestFrequency(w.samples, 0.05, 0.55, 400, 900, 1, kRate);
    const double dong = assettest::strongestFrequency(w.samples, 0.7, 1.3, 400, 900, 1, kRate);
    EXPECT_NEAR(ding, 659.3, 6);
    EXPECT_NEAR(dong, 523.3, 6);
}

// The siren wails: its pitch climbs well above where it starts and comes back down.
TEST(RecognisableSounds, SirenWailsUpAndDown) {
    const Wav w = sound(Sound::Police);
    ASSERT_TRUE(w.ok) << w.error;
    const double low = assettest::strongestFrequency(w.samples, 0.0, 0.08, 500, 1700, 5, kRate);
    const double high = assettest::strongestFrequency(w.samples, 1.1, 1.2, 500, 1700, 5, kRate);
    const double lowAgain =
        assettest::strongestFrequency(w.samples, 1.86, 1.94, 500, 1700, 5, kRate);
    EXPECT_GT(high, 1.8 * low);
    EXPECT_LT(lowAgain, 0.6 * high);
}

// The meow's pitch rises and then falls, as a cat's does.
TEST(RecognisableSounds, MeowRisesThenFalls) {
    const Wav w = sound(Sound::Cat);
    ASSERT_TRUE(w.ok) << w.error;
    const double start = assettest::pitchOf(w.samples, 0.03, 0.12, 300, 1200, kRate);
    const double middle = assettest::pitchOf(w.samples, 0.38, 0.5, 300, 1200, kRate);
    const double end = assettest::pitchOf(w.samples, 0.82, 0.92, 300, 1200, kRate);
    EXPECT_GT(middle, 1.3 * start);
    EXPECT_GT(middle, 1.3 * end);
}

// The "found it" chime climbs: each note of the arpeggio is higher than the last.
TEST(RecognisableSounds, FoundChimeRises) {
    const Wav w = sound(Sound::FoundMoney);
    ASSERT_TRUE(w.ok) << w.error;
    double previous = 0.0;
    for (int k = 0; k < 4; ++k) {
        const double from = 0.015 + k * 0.07;
        const double f =
            assettest::strongestFrequency(w.samples, from, from + 0.05, 900, 2300, 5, kRate);
        EXPECT_GT(f, previous) << "note " << k;
        previous = f;
    }
}

// The man's sigh is lower and longer than the woman's.
TEST(RecognisableSounds, MaleSighIsLowerAndLonger) {
    const Wav her = sound(Sound::Sigh);
    const Wav him = sound(Sound::SighMale);
    ASSERT_TRUE(her.ok && him.ok);
    EXPECT_GT(him.seconds(), her.seconds());
    const double herPitch = assettest::pitchOf(her.samples, 0.5, 0.8, 70, 400, kRate);
    const double hisPitch = assettest::pitchOf(him.samples, 0.62, 0.92, 70, 400, kRate);
    EXPECT_LT(hisPitch, 0.7 * herPitch);
}

// The laugh is a string of separate "ha"s, not one continuous sound.
TEST(RecognisableSounds, LaughIsSeparateHas) {
    const Wav w = sound(Sound::Laugh);
    ASSERT_TRUE(w.ok) << w.error;
    std::vector<double> frames;
    for (double t = 0.0; t + 0.02 <= w.seconds(); t += 0.02) {
        frames.push_back(assettest::rms(w.samples, at(t), at(0.02)));
    }
    const double loudest = *std::max_element(frames.begin(), frames.end());
    int has = 0;
    for (std::size_t i = 1; i < frames.size(); ++i) {
        has += frames[i] > 0.3 * loudest && frames[i - 1] <= 0.3 * loudest;
    }
    EXPECT_GE(has, 4);
    EXPECT_LE(has, 8);
}

// The club beat is four on the floor: a kick thumps at the start of every beat.
TEST(RecognisableSounds, ClubKicksOnEveryBeat) {
    const Wav w = sound(Sound::Club);
    ASSERT_TRUE(w.ok) << w.error;
    const double beat = 60.0 / 124.0;
    auto low = [&w](double from) {
        double e = 0.0;
        for (double hz = 45.0; hz <= 90.0; hz += 5.0) {
            e += assettest::tonePower(w.samples, at(from), at(0.06), hz, kRate);
        }
        return e;
    };
    for (int b = 0; b < 7; ++b) {
        EXPECT_GT(low(b * beat), 3 * low(b * beat + 0.17)) << "beat " << b;
    }
}

// At the bowling alley the ball rolls quietly, then the pins crash with far brighter sound.
TEST(RecognisableSounds, BowlingRollsThenCrashes) {
    const Wav w = sound(Sound::Bowling);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_GT(assettest::rms(w.samples, at(2.0), at(0.4)),
              1.5 * assettest::rms(w.samples, at(1.2), at(0.6)));
    EXPECT_LT(medianFrequency(w.samples, 1.2, 1.8), 400.0);
    EXPECT_GT(medianFrequency(w.samples, 2.02, 2.4), 2 * medianFrequency(w.samples, 1.2, 1.8));
}

// Coins, birds and chimes live high up the spectrum; engines, grunts and waves low down.
TEST(RecognisableSounds, SpectralBalanceFitsTheSound) {
    for (const Sound high : {Sound::Money, Sound::Birds, Sound::FoundMoney}) {
        SCOPED_TRACE(swoonery::sound_file(high));
        const Wav w = sound(high);
        ASSERT_TRUE(w.ok);
        EXPECT_GT(medianFrequency(w.samples, 0.0, w.seconds()), 1800.0);
    }
    for (const Sound low : {Sound::Car, Sound::Humpf, Sound::Beach}) {
        SCOPED_TRACE(swoonery::sound_file(low));
        const Wav w = sound(low);
        ASSERT_TRUE(w.ok);
        EXPECT_LT(medianFrequency(w.samples, 0.0, w.seconds()), 700.0);
    }
}

// The seven film cues are seven different pieces, not one cue copied.
TEST(RecognisableSounds, MovieCuesAreAllDifferent) {
    std::vector<std::vector<double>> prints;
    for (int i = 1; i <= 7; ++i) {
        const Wav w = sound(swoonery::movie_sound(i));
        ASSERT_TRUE(w.ok) << i;
        prints.push_back(fingerprint(w.samples, w.seconds()));
    }
    for (std::size_t a = 0; a < prints.size(); ++a) {
        for (std::size_t b = a + 1; b < prints.size(); ++b) {
            EXPECT_LT(correlation(prints[a], prints[b]), 0.9)
                << "movie" << a + 1 << " and movie" << b + 1;
        }
    }
}

} // namespace
