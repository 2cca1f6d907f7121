// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A small synthesiser for the game's sounds: mono float buffers at 22,050 Hz,
// oscillators, noise, envelopes, filters and a few effects. Everything is
// deterministic: noise comes from a seeded generator, never from the clock.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace assetgen {

inline constexpr int kSampleRate = 22050;
inline constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;
using Curve = std::function<double(double)>; // a value as a function of time in seconds

int sample_count(double seconds);
inline double time_at(std::size_t index) {
    return static_cast<double>(index) / kSampleRate;
}
// The frequency of a MIDI note number (69 = A4 = 440 Hz).
double note_hz(double midi);

// splitmix64: small, fast and the same on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform(); // [0, 1)
    double bipolar(); // [-1, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::uint64_t state_;
};

enum class Wave { Sine, Triangle, Saw, Square };

// A phase accumulator; saw and square are band-limited with polyBLEP.
class Oscillator {
public:
    explicit Oscillator(Wave wave = Wave::Sine, double phase = 0.0, double width = 0.5)
        : wave_(wave), phase_(phase), width_(width) {}
    float next(double hz);
    double phase() const { return phase_; }

private:
    Wave wave_;
    double phase_;
    double width_;
};

// Pink (1/f) noise from white noise through Paul Kellet's filter.
class PinkNoise {
public:
    explicit PinkNoise(std::uint64_t seed) : rng_(seed) {}
    float next();

private:
    Rng rng_;
    std::array<double, 7> b_{};
};

// Piecewise-linear breakpoints (time, level); flat before the first and after the last.
class Envelope {
public:
    Envelope(std::initializer_list<std::pair<double, double>> points) : points_(points) {}
    double operator()(double t) const;

private:
    std::vector<std::pair<double, double>> points_;
};

// Linear attack to 1 then exponential decay with time constant tau.
double strike(double t, double attack, double tau);
// Attack, decay to sustain, hold until `gate`, then release; all in seconds.
double adsr(double t, double attack, double decay, double sustain, double gate, double release);
// A smooth 0..1 step between t0 and t1.
double smoothstep(double t0, double t1, double t);

// One-pole low- or high-pass, 6 dB per octave.
class OnePole {
public:
    void lowpass(double hz);
    void highpass(double hz);
    float process(float x);

private:
    double a_ = 1.0;
    double z_ = 0.0;
    bool high_ = false;
};

// The topology-preserving state variable filter: stays stable while its
// frequency sweeps every sample, which is what formants and wah sweeps need.
class Svf {
public:
    struct Out {
        float low, band, high;
    };
    void set(double hz, double q);
    Out process(float x);
    // Band-pass with a peak gain of one.
    float bandpass(float x) { return process(x).band * static_cast<float>(k_); }

private:
    double a1_ = 0, a2_ = 0, a3_ = 0, k_ = 1;
    double ic1_ = 0, ic2_ = 0;
};

// Cookbook biquads, for fixed filters.
class Biquad {
public:
    enum class Type { Lowpass, Highpass, Bandpass, Peak };
    void set(Type type, double hz, double q, double gain_db = 0.0);
    float process(float x);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Buffer helpers.
Buffer silence(double seconds);
double duration(const Buffer& b);
float peak_of(const Buffer& b);
// Adds `src` into `dst` starting at `at_seconds`, growing `dst` if needed.
void mix_into(Buffer& dst, const Buffer& src, double at_seconds, double gain = 1.0);
void apply_gain(Buffer& b, const Curve& gain);
void lowpass(Buffer& b, double hz);
void highpass(Buffer& b, double hz);
// Soft clipping: tanh(drive * x) scaled back so that full scale stays full scale.
void saturate(Buffer& b, double drive);
// A small Schroeder/Freeverb-style room; `size` 0..1, `wet` 0..1.
void reverb(Buffer& b, double size, double damping, double wet, double tail_seconds);
// Raised-cosine fades at both ends.
void fade_edges(Buffer& b, double in_seconds, double out_seconds);
void normalise(Buffer& b, float peak);
// Removes DC, fades the ends and normalises to about -1 dBFS: every sound goes through this.
inline constexpr float kTargetPeak = 0.891f;
void finish(Buffer& b, double fade_in = 0.01, double fade_out = 0.015);

// Generators.
Buffer tone(double seconds, Wave wave, const Curve& hz, const Curve& amp);
Buffer noise(double seconds, const Curve& amp, std::uint64_t seed);
Buffer pink_noise(double seconds, const Curve& amp, std::uint64_t seed);

// Modal synthesis: a struck object as a sum of decaying partials.
struct Partial {
    double ratio; // frequency relative to the fundamental
    double amp;
    double tau; // decay time constant, seconds
};
Buffer modal(double hz, const std::vector<Partial>& partials, double seconds,
             double attack = 0.001);

// A formant voice: a glottal buzz and breath noise through three resonances.
struct Formants {
    std::array<double, 3> hz;
    std::array<double, 3> bandwidth;
    std::array<double, 3> gain;
};
struct VoiceShape {
    Curve pitch;  // fundamental, Hz
    Curve voiced; // level of the buzz
    Curve breath; // level of the breath noise
    std::function<Formants(double)> formants;
    double jitter = 0.01; // random pitch wobble, fraction of the pitch
};
Buffer voice(const VoiceShape& shape, double seconds, std::uint64_t seed);
// Blends two vowel shapes.
Formants blend(const Formants& a, const Formants& b, double t);

} // namespace assetgen
