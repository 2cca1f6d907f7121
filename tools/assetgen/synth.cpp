// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

int sample_count(double seconds) {
    return std::max(0, static_cast<int>(std::lround(seconds * kSampleRate)));
}

double note_hz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

std::uint64_t Rng::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::bipolar() {
    return 2.0 * uniform() - 1.0;
}

namespace {

// The polyBLEP correction around a discontinuity at phase 0.
double poly_blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

float Oscillator::next(double hz) {
    const double dt = std::clamp(hz / kSampleRate, 0.0, 0.5);
    double v = 0.0;
    switch (wave_) {
    case Wave::Sine:
        v = std::sin(2.0 * kPi * phase_);
        break;
    case Wave::Triangle:
        v = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
        break;
    case Wave::Saw:
        v = 2.0 * phase_ - 1.0 - poly_blep(phase_, dt);
        break;
    case Wave::Square: {
        v = phase_ < width_ ? 1.0 : -1.0;
        v += poly_blep(phase_, dt);
        v -= poly_blep(std::fmod(phase_ + 1.0 - width_, 1.0), dt);
        break;
    }
    }
    phase_ += dt;
    if (phase_ >= 1.0) {
        phase_ -= 1.0;
    }
    return static_cast<float>(v);
}

float PinkNoise::next() {
    const double white = rng_.bipolar();
    b_[0] = 0.99886 * b_[0] + white * 0.0555179;
    b_[1] = 0.99332 * b_[1] + white * 0.0750759;
    b_[2] = 0.96900 * b_[2] + white * 0.1538520;
    b_[3] = 0.86650 * b_[3] + white * 0.3104856;
    b_[4] = 0.55000 * b_[4] + white * 0.5329522;
    b_[5] = -0.7616 * b_[5] - white * 0.0168980;
    const double pink = b_[0] + b_[1] + b_[2] + b_[3] + b_[4] + b_[5] + b_[6] + white * 0.5362;
    b_[6] = white * 0.115926;
    return static_cast<float>(pink * 0.11);
}

double Envelope::operator()(double t) const {
    if (points_.empty()) {
        return 0.0;
    }
    if (t <= points_.front().first) {
        return points_.front().second;
    }
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const auto& [t1, v1] = points_[i];
        if (t < t1) {
            const auto& [t0, v0] = points_[i - 1];
            const double span = t1 - t0;
            return span <= 0.0 ? v1 : v0 + (v1 - v0) * (t - t0) / span;
        }
    }
    return points_.back().second;
}

double strike(double t, double attack, double tau) {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / tau);
}

double adsr(double t, double attack, double decay, double sustain, double gate, double release) {
    if (t < 0.0) {
        return 0.0;
    }
    auto held = [&](double u) {
        if (u < attack) {
            return u / attack;
        }
        if (u < attack + decay) {
            return 1.0 - (1.0 - sustain) * (u - attack) / decay;
        }
        return sustain;
    };
    if (t < gate) {
        return held(t);
    }
    const double level = held(gate);
    const double r = (t - gate) / release;
    return r >= 1.0 ? 0.0 : level * (1.0 - r);
}

double smoothstep(double t0, double t1, double t) {
    const double x = std::clamp((t - t0) / (t1 - t0), 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

void OnePole::lowpass(double hz) {
    a_ = 1.0 - std::exp(-2.0 * kPi * std::clamp(hz, 1.0, 0.49 * kSampleRate) / kSampleRate);
    high_ = false;
}

void OnePole::highpass(double hz) {
    lowpass(hz);
    high_ = true;
}

float OnePole::process(float x) {
    z_ += a_ * (x - z_);
    return static_cast<float>(high_ ? x - z_ : z_);
}

void Svf::set(double hz, double q) {
    const double g = std::tan(kPi * std::clamp(hz, 5.0, 0.45 * kSampleRate) / kSampleRate);
    k_ = 1.0 / std::max(q, 0.05);
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

Svf::Out Svf::process(float x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(x - k_ * v1 - v2)};
}

void Biquad::set(Type type, double hz, double q, double gain_db) {
    const double w0 = 2.0 * kPi * std::clamp(hz, 5.0, 0.45 * kSampleRate) / kSampleRate;
    const double cw = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * q);
    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
    switch (type) {
    case Type::Lowpass:
        b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
        a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
        break;
    case Type::Highpass:
        b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
        a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
        break;
    case Type::Bandpass:
        b0 = alpha, b1 = 0, b2 = -alpha;
        a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
        break;
    case Type::Peak: {
        const double a = std::pow(10.0, gain_db / 40.0);
        b0 = 1 + alpha * a, b1 = -2 * cw, b2 = 1 - alpha * a;
        a0 = 1 + alpha / a, a1 = -2 * cw, a2 = 1 - alpha / a;
        break;
    }
    }
    b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0, a1_ = a1 / a0, a2_ = a2 / a0;
}

float Biquad::process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_, x1_ = x;
    y2_ = y1_, y1_ = y;
    return static_cast<float>(y);
}

Buffer silence(double seconds) {
    return Buffer(static_cast<std::size_t>(sample_count(seconds)), 0.0f);
}

double duration(const Buffer& b) {
    return static_cast<double>(b.size()) / kSampleRate;
}

float peak_of(const Buffer& b) {
    float p = 0.0f;
    for (float s : b) {
        p = std::max(p, std::fabs(s));
    }
    return p;
}

void mix_into(Buffer& dst, const Buffer& src, double at_seconds, double gain) {
    const auto start = static_cast<std::size_t>(sample_count(std::max(0.0, at_seconds)));
    if (dst.size() < start + src.size()) {
        dst.resize(start + src.size(), 0.0f);
    }
    for (std::size_t i = 0; i < src.size(); ++i) {
        dst[start + i] += static_cast<float>(src[i] * gain);
    }
}

void apply_gain(Buffer& b, const Curve& gain) {
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] *= static_cast<float>(gain(time_at(i)));
    }
}

void lowpass(Buffer& b, double hz) {
    Biquad f;
    f.set(Biquad::Type::Lowpass, hz, 0.7071);
    for (float& s : b) {
        s = f.process(s);
    }
}

void highpass(Buffer& b, double hz) {
    Biquad f;
    f.set(Biquad::Type::Highpass, hz, 0.7071);
    for (float& s : b) {
        s = f.process(s);
    }
}

void saturate(Buffer& b, double drive) {
    const double norm = 1.0 / std::tanh(drive);
    for (float& s : b) {
        s = static_cast<float>(std::tanh(drive * s) * norm);
    }
}

namespace {

class Comb {
public:
    explicit Comb(std::size_t length) : line_(length, 0.0f) {}
    float process(float x, double feedback, double damping) {
        const float out = line_[pos_];
        store_ = static_cast<float>(out * (1.0 - damping) + store_ * damping);
        line_[pos_] = static_cast<float>(x + store_ * feedback);
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

private:
    std::vector<float> line_;
    std::size_t pos_ = 0;
    float store_ = 0.0f;
};

class Allpass {
public:
    explicit Allpass(std::size_t length) : line_(length, 0.0f) {}
    float process(float x) {
        const float delayed = line_[pos_];
        line_[pos_] = x + delayed * 0.5f;
        pos_ = (pos_ + 1) % line_.size();
        return delayed - x;
    }

private:
    std::vector<float> line_;
    std::size_t pos_ = 0;
};

} // namespace

void reverb(Buffer& b, double size, double damping, double wet, double tail_seconds) {
    b.resize(b.size() + static_cast<std::size_t>(sample_count(tail_seconds)), 0.0f);
    std::vector<Comb> combs;
    for (std::size_t len : {558u, 594u, 638u, 678u, 711u, 745u}) {
        combs.emplace_back(len);
    }
    std::vector<Allpass> allpasses;
    for (std::size_t len : {278u, 220u, 170u}) {
        allpasses.emplace_back(len);
    }
    const double feedback = 0.7 + 0.28 * std::clamp(size, 0.0, 1.0);
    for (float& s : b) {
        const float in = s * 0.12f;
        float out = 0.0f;
        for (Comb& c : combs) {
            out += c.process(in, feedback, damping);
        }
        for (Allpass& a : allpasses) {
            out = a.process(out);
        }
        s = static_cast<float>(s * (1.0 - wet * 0.5) + out * wet);
    }
}

void fade_edges(Buffer& b, double in_seconds, double out_seconds) {
    const auto n = b.size();
    const auto fin = std::min<std::size_t>(n, static_cast<std::size_t>(sample_count(in_seconds)));
    const auto fout = std::min<std::size_t>(n, static_cast<std::size_t>(sample_count(out_seconds)));
    for (std::size_t i = 0; i < fin; ++i) {
        b[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / fin));
    }
    for (std::size_t i = 0; i < fout; ++i) {
        b[n - 1 - i] *=
            static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / fout));
    }
}

void normalise(Buffer& b, float peak) {
    const float p = peak_of(b);
    if (p <= 0.0f) {
        return;
    }
    const float g = peak / p;
    for (float& s : b) {
        s *= g;
    }
}

void finish(Buffer& b, double fade_in, double fade_out) {
    // A gentle DC blocker at about 10 Hz.
    double x1 = 0.0, y1 = 0.0;
    const double r = 1.0 - 2.0 * kPi * 10.0 / kSampleRate;
    for (float& s : b) {
        const double y = s - x1 + r * y1;
        x1 = s;
        y1 = y;
        s = static_cast<float>(y);
    }
    fade_edges(b, fade_in, fade_out);
    normalise(b, kTargetPeak);
}

Buffer tone(double seconds, Wave wave, const Curve& hz, const Curve& amp) {
    Buffer b = silence(seconds);
    Oscillator osc(wave);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        b[i] = static_cast<float>(osc.next(hz(t)) * amp(t));
    }
    return b;
}

Buffer noise(double seconds, const Curve& amp, std::uint64_t seed) {
    Buffer b = silence(seconds);
    Rng rng(seed);
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = static_cast<float>(rng.bipolar() * amp(time_at(i)));
    }
    return b;
}

Buffer pink_noise(double seconds, const Curve& amp, std::uint64_t seed) {
    Buffer b = silence(seconds);
    PinkNoise pink(seed);
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = static_cast<float>(pink.next() * amp(time_at(i)));
    }
    return b;
}

Buffer modal(double hz, const std::vector<Partial>& partials, double seconds, double attack) {
    Buffer b = silence(seconds);
    for (const Partial& p : partials) {
        const double f = hz * p.ratio;
        if (f >= 0.45 * kSampleRate) {
            continue;
        }
        const double w = 2.0 * kPi * f / kSampleRate;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = time_at(i);
            b[i] += static_cast<float>(p.amp * std::sin(w * static_cast<double>(i)) *
                                       strike(t, attack, p.tau));
        }
    }
    // Whatever still rings at the end is faded out rather than cut.
    fade_edges(b, 0.0, seconds * 0.25);
    return b;
}

Formants blend(const Formants& a, const Formants& b, double t) {
    Formants out{};
    for (std::size_t i = 0; i < 3; ++i) {
        out.hz[i] = a.hz[i] + (b.hz[i] - a.hz[i]) * t;
        out.bandwidth[i] = a.bandwidth[i] + (b.bandwidth[i] - a.bandwidth[i]) * t;
        out.gain[i] = a.gain[i] + (b.gain[i] - a.gain[i]) * t;
    }
    return out;
}

Buffer voice(const VoiceShape& shape, double seconds, std::uint64_t seed) {
    Buffer b = silence(seconds);
    Rng rng(seed);
    Oscillator glottis(Wave::Saw);
    OnePole tilt;
    tilt.lowpass(1800.0);
    OnePole breath_tilt;
    breath_tilt.highpass(400.0);
    std::array<Svf, 3> res;
    double wobble = 0.0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        wobble += 0.002 * (rng.bipolar() - wobble * 0.5);
        const double f0 = shape.pitch(t) * (1.0 + shape.jitter * wobble * 10.0);
        const double buzz = tilt.process(glottis.next(f0)) * shape.voiced(t);
        const double breath =
            breath_tilt.process(static_cast<float>(rng.bipolar())) * shape.breath(t);
        const float src = static_cast<float>(buzz + breath);
        const Formants fm = shape.formants(t);
        double out = 0.0;
        for (std::size_t k = 0; k < 3; ++k) {
            res[k].set(fm.hz[k], fm.hz[k] / fm.bandwidth[k]);
            out += fm.gain[k] * res[k].bandpass(src);
        }
        b[i] = static_cast<float>(out);
    }
    return b;
}

} // namespace assetgen
