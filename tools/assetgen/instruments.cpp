// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace assetgen {

Resonator::Resonator(double hz, double tau) {
    const double w = 2.0 * kPi * std::min(hz, 0.45 * kSampleRate) / kSampleRate;
    const double r = std::exp(-1.0 / (tau * kSampleRate));
    b1_ = 2.0 * r * std::cos(w);
    b2_ = -r * r;
    gain_ = std::sin(w);
}

float Resonator::process(float x) {
    const double y = gain_ * x + b1_ * y1_ + b2_ * y2_;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

Buffer resonate(const Buffer& excitation, double hz, const std::vector<Partial>& partials) {
    Buffer out(excitation.size(), 0.0f);
    for (const Partial& p : partials) {
        if (hz * p.ratio >= 0.45 * kSampleRate) {
            continue;
        }
        Resonator r(hz * p.ratio, p.tau);
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] += static_cast<float>(p.amp * r.process(excitation[i]));
        }
    }
    return out;
}

void set_length(Buffer& b, double seconds) {
    b.resize(static_cast<std::size_t>(sample_count(seconds)), 0.0f);
}

namespace {

// Drums are cut to a fixed length: fade the last of the ring away, and
// bring them to a common level so that mixes can be balanced by ear.
Buffer drum(Buffer b) {
    fade_edges(b, 0.0, 0.03);
    normalise(b, 1.0f);
    return b;
}

} // namespace

// ---------------------------------------------------------------- drums

Buffer kick(double start_hz, double end_hz, double seconds) {
    Buffer b = silence(seconds);
    double phase = 0.0;
    Rng rng(99);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        const double hz = end_hz + (start_hz - end_hz) * std::exp(-t / 0.035);
        phase += hz / kSampleRate;
        const double body = std::sin(2.0 * kPi * phase) * strike(t, 0.002, 0.16);
        const double click = rng.bipolar() * strike(t, 0.0005, 0.004) * 0.5;
        b[i] = static_cast<float>(std::tanh(1.6 * body) + click);
    }
    return drum(b);
}

Buffer snare(std::uint64_t seed, double seconds) {
    Buffer b = silence(seconds);
    Rng rng(seed);
    Biquad hp;
    hp.set(Biquad::Type::Highpass, 1400.0, 0.7);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        const double tone =
            (std::sin(2 * kPi * 185 * t) * 0.6 + std::sin(2 * kPi * 330 * t) * 0.4) *
            strike(t, 0.001, 0.05);
        const double rattle =
            hp.process(static_cast<float>(rng.bipolar())) * strike(t, 0.001, 0.09);
        b[i] = static_cast<float>(tone * 0.7 + rattle * 0.9);
    }
    return drum(b);
}

Buffer hat(std::uint64_t seed, double tau) {
    Buffer b = silence(std::min(1.5, tau * 7.0 + 0.02));
    Rng rng(seed);
    Biquad hp, bp;
    hp.set(Biquad::Type::Highpass, 6500.0, 0.7);
    bp.set(Biquad::Type::Peak, 9000.0, 1.0, 6.0);
    // Inharmonic square partials give the metallic colour.
    const double ratios[] = {2.0, 3.0, 4.16, 5.43, 6.79, 8.21};
    std::vector<Oscillator> osc;
    for (std::size_t k = 0; k < 6; ++k) {
        osc.emplace_back(Wave::Square, 0.1 * static_cast<double>(k));
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        double metal = 0.0;
        for (std::size_t k = 0; k < 6; ++k) {
            metal += osc[k].next(400.0 * ratios[k]);
        }
        const double x = rng.bipolar() * 0.7 + metal * 0.08;
        b[i] = static_cast<float>(bp.process(hp.process(static_cast<float>(x))) *
                                  strike(t, 0.0008, tau));
    }
    return drum(b);
}

Buffer clap(std::uint64_t seed) {
    Buffer b = silence(0.35);
    Rng rng(seed);
    Svf bp;
    bp.set(1300.0, 1.4);
    const double bursts[] = {0.0, 0.011, 0.021, 0.032};
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        double env = strike(t - 0.032, 0.001, 0.11);
        for (double at : bursts) {
            env += strike(t - at, 0.0005, 0.006);
        }
        b[i] = bp.bandpass(static_cast<float>(rng.bipolar() * env));
    }
    return drum(b);
}

Buffer crash(std::uint64_t seed, double seconds) {
    Buffer b = silence(seconds);
    Rng rng(seed);
    Biquad hp;
    hp.set(Biquad::Type::Highpass, 3000.0, 0.6);
    std::vector<Oscillator> osc;
    const double freqs[] = {3120, 3780, 4410, 5230, 6080, 7350, 8100};
    for (std::size_t k = 0; k < 7; ++k) {
        osc.emplace_back(Wave::Square, 0.13 * static_cast<double>(k));
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        double metal = 0.0;
        for (std::size_t k = 0; k < 7; ++k) {
            metal += osc[k].next(freqs[k] * (1.0 + 0.002 * std::sin(7.0 * t + k)));
        }
        const double x = rng.bipolar() + metal * 0.07;
        b[i] = static_cast<float>(
            hp.process(static_cast<float>(x)) *
            (strike(t, 0.002, seconds * 0.3) * 0.8 + strike(t, 0.001, 0.05) * 0.6));
    }
    return drum(b);
}

Buffer tom(double hz, std::uint64_t seed) {
    Buffer b = silence(0.7);
    Rng rng(seed);
    double phase = 0.0;
    OnePole lp;
    lp.lowpass(1500.0);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        const double f = hz * (1.0 + 0.6 * std::exp(-t / 0.04));
        phase += f / kSampleRate;
        const double body = std::sin(2 * kPi * phase) * strike(t, 0.002, 0.22);
        const double skin = lp.process(static_cast<float>(rng.bipolar())) * strike(t, 0.001, 0.03);
        b[i] = static_cast<float>(std::tanh(1.4 * body) + skin * 0.6);
    }
    return drum(b);
}

Buffer timpani(double hz, double seconds, std::uint64_t seed) {
    Buffer excite = silence(seconds);
    Rng rng(seed);
    OnePole lp;
    lp.lowpass(600.0);
    for (std::size_t i = 0; i < excite.size(); ++i) {
        excite[i] =
            lp.process(static_cast<float>(rng.bipolar() * strike(time_at(i), 0.001, 0.008)));
    }
    Buffer b = resonate(
        excite, hz,
        {{1.0, 1.0, 0.9}, {1.5, 0.6, 0.6}, {1.98, 0.4, 0.45}, {2.44, 0.25, 0.3}, {2.9, 0.15, 0.2}});
    normalise(b, 1.0f);
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] += excite[i] * 0.5f;
    }
    return drum(b);
}

// ---------------------------------------------------------------- pitched

Buffer piano(double hz, double seconds, double velocity) {
    Buffer b = silence(seconds);
    const double inharm = 0.0004;
    const double base_tau = 1.6 * std::pow(261.6 / hz, 0.4);
    for (int n = 1; n <= 12; ++n) {
        const double f = hz * n * std::sqrt(1.0 + inharm * n * n);
        if (f > 0.45 * kSampleRate) {
            break;
        }
        const double amp =
            std::pow(static_cast<double>(n), -1.1 - 0.5 * (1.0 - velocity)) * (n == 1 ? 1.0 : 0.8);
        const double tau = base_tau / (1.0 + 0.35 * (n - 1));
        for (int string = 0; string < 2; ++string) {
            const double detune = string == 0 ? 1.0 : 1.0008;
            const double w = 2 * kPi * f * detune / kSampleRate;
            for (std::size_t i = 0; i < b.size(); ++i) {
                const double t = time_at(i);
                // Damper falls in the last tenth.
                const double damp = t > seconds * 0.9 ? std::exp(-(t - seconds * 0.9) / 0.03) : 1.0;
                b[i] += static_cast<float>(0.5 * amp * std::sin(w * static_cast<double>(i) + n) *
                                           strike(t, 0.002, tau) * damp * velocity);
            }
        }
    }
    // Hammer thump.
    Rng rng(static_cast<std::uint64_t>(hz * 10));
    OnePole lp;
    lp.lowpass(hz * 4);
    for (std::size_t i = 0; i < b.size() && i < 400; ++i) {
        b[i] += static_cast<float>(lp.process(static_cast<float>(rng.bipolar())) *
                                   strike(time_at(i), 0.0005, 0.004) * 0.3 * velocity);
    }
    return b;
}

Buffer organ(double hz, double seconds) {
    // Fairground pipes: flute-like harmonics, a reed an octave down, breath and vibrato.
    Buffer b = silence(seconds);
    Rng rng(static_cast<std::uint64_t>(hz * 7));
    Svf breath;
    breath.set(hz * 2, 3.0);
    Oscillator reed(Wave::Square, 0.0, 0.3);
    OnePole reed_tone;
    reed_tone.lowpass(hz * 3);
    const double harm[] = {1.0, 0.55, 0.3, 0.22, 0.1};
    double phase = 0.0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        const double f = hz * (1.0 + 0.006 * std::sin(2 * kPi * 6.2 * t));
        phase += f / kSampleRate;
        double v = 0.0;
        for (int n = 0; n < 5; ++n) {
            if (f * (n + 1) < 0.45 * kSampleRate) {
                v += harm[n] * std::sin(2 * kPi * phase * (n + 1));
            }
        }
        v += 0.25 * reed_tone.process(reed.next(f * 0.5));
        v += 0.5 * breath.bandpass(static_cast<float>(rng.bipolar() * 0.25));
        const double env = adsr(t, 0.012, 0.05, 0.85, seconds - 0.04, 0.04);
        b[i] = static_cast<float>(v * env * (1.0 + 0.15 * std::sin(2 * kPi * 5.0 * t)));
    }
    return b;
}

Buffer strings(double hz, double seconds, double attack, double release, std::uint64_t seed) {
    Buffer b = silence(seconds);
    Rng rng(seed);
    constexpr int kVoices = 5;
    std::vector<Oscillator> osc;
    std::vector<double> detune, vib_phase;
    for (int k = 0; k < kVoices; ++k) {
        osc.emplace_back(Wave::Saw, rng.uniform());
        detune.push_back(1.0 + 0.004 * (k - 2) + 0.001 * rng.bipolar());
        vib_phase.push_back(rng.uniform() * 2 * kPi);
    }
    Biquad lp, body;
    lp.set(Biquad::Type::Lowpass, std::min(4500.0, hz * 7), 0.6);
    body.set(Biquad::Type::Peak, 1400.0, 1.2, 4.0);
    OnePole hp;
    hp.highpass(120.0);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        double v = 0.0;
        for (int k = 0; k < kVoices; ++k) {
            const double vib = 1.0 + 0.004 * std::sin(2 * kPi * (5.2 + 0.2 * k) * t +
                                                      vib_phase[static_cast<std::size_t>(k)]);
            v += osc[static_cast<std::size_t>(k)].next(hz * detune[static_cast<std::size_t>(k)] *
                                                       vib);
        }
        const double env = adsr(t, attack, 0.1, 0.9, seconds - release, release);
        b[i] = hp.process(body.process(lp.process(static_cast<float>(v / kVoices * env))));
    }
    return b;
}

Buffer violin(double hz, double seconds, double attack, double release) {
    Buffer b = silence(seconds);
    Oscillator osc(Wave::Saw);
    Biquad lp, f1, f2;
    lp.set(Biquad::Type::Lowpass, 5000.0, 0.7);
    f1.set(Biquad::Type::Peak, 550.0, 2.0, 6.0);
    f2.set(Biquad::Type::Peak, 2800.0, 1.5, 5.0);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        const double vib_depth = 0.007 * smoothstep(0.15, 0.5, t);
        const double f = hz * (1.0 + vib_depth * std::sin(2 * kPi * 5.6 * t));
        const double env = adsr(t, attack, 0.1, 0.85, seconds - release, release);
        b[i] = f2.process(f1.process(lp.process(static_cast<float>(osc.next(f) * env))));
    }
    return b;
}

Buffer brass(double hz, double seconds) {
    Buffer b = silence(seconds);
    Oscillator a(Wave::Saw), c(Wave::Saw, 0.3);
    Svf lp;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        // Brassy: the tone opens up with the breath and the pitch scoops in.
        const double env = adsr(t, 0.03, 0.12, 0.75, seconds - 0.06, 0.06);
        const double bite = env + 0.6 * strike(t, 0.02, 0.08);
        const double scoop = 1.0 - 0.03 * std::exp(-t / 0.03);
        const double vib = 1.0 + 0.003 * std::sin(2 * kPi * 5.0 * t) * smoothstep(0.2, 0.5, t);
        const double f = hz * scoop * vib;
        lp.set(std::min(9000.0, hz * (1.2 + 7.0 * bite)), 0.9);
        const double v = a.next(f) + 0.7 * c.next(f * 1.003);
        b[i] = static_cast<float>(lp.process(static_cast<float>(v)).low * env);
    }
    return b;
}

Buffer pluck(double hz, double seconds, double brightness, double damping, std::uint64_t seed) {
    Buffer b = silence(seconds);
    Rng rng(seed);
    // The loop's period is the line length, less half a sample (the averager
    // reads one sample ahead), plus the allpass's fractional delay d in [0.1, 1.1).
    const double period = kSampleRate / hz;
    const auto len = static_cast<std::size_t>(period + 0.4);
    const double d = period + 0.5 - static_cast<double>(len);
    const double c = (1.0 - d) / (1.0 + d);
    std::vector<double> line(len, 0.0);
    // The pick: noise smoothed by `brightness`.
    double prev = 0.0;
    for (double& s : line) {
        prev += brightness * (rng.bipolar() - prev);
        s = prev;
    }
    std::size_t idx = 0;
    double ap_in = 0.0, ap_out = 0.0;
    for (float& out : b) {
        const double cur = line[idx];
        const double avg = 0.5 * (cur + line[(idx + 1) % len]) * damping;
        const double ap = c * avg + ap_in - c * ap_out;
        ap_in = avg;
        ap_out = ap;
        line[idx] = ap;
        out = static_cast<float>(cur);
        idx = (idx + 1) % len;
    }
    return b;
}

Buffer glockenspiel(double hz, double seconds) {
    return modal(hz, {{1.0, 1.0, 0.7}, {2.76, 0.45, 0.18}, {5.40, 0.25, 0.06}, {8.93, 0.1, 0.03}},
                 seconds, 0.0008);
}

Buffer tone_bar(double hz, double seconds) {
    Buffer b = modal(hz, {{1.0, 1.0, 1.3}, {2.0, 0.12, 0.8}, {2.76, 0.3, 0.35}, {5.40, 0.12, 0.1}},
                     seconds, 0.001);
    Rng rng(static_cast<std::uint64_t>(hz));
    for (std::size_t i = 0; i < b.size() && i < 300; ++i) {
        b[i] += static_cast<float>(rng.bipolar() * strike(time_at(i), 0.0003, 0.002) * 0.3);
    }
    return b;
}

Buffer glass_clink(double hz, std::uint64_t seed) {
    Rng rng(seed);
    Buffer b =
        modal(hz, {{1.0, 1.0, 0.35}, {2.32, 0.6, 0.22}, {4.25, 0.35, 0.12}, {6.63, 0.2, 0.06}}, 1.2,
              0.0005);
    Buffer other =
        modal(hz * 1.13, {{1.0, 0.8, 0.3}, {2.41, 0.5, 0.18}, {4.4, 0.3, 0.1}}, 1.2, 0.0005);
    mix_into(b, other, 0.004, 0.8);
    for (std::size_t i = 0; i < 200; ++i) {
        b[i] += static_cast<float>(rng.bipolar() * strike(time_at(i), 0.0002, 0.0015) * 0.5);
    }
    normalise(b, 1.0f);
    return b;
}

// ---------------------------------------------------------------- voices

Formants vowel(Vowel v, double scale) {
    Formants f{};
    switch (v) {
    case Vowel::A:
        f = {{800, 1200, 2600}, {90, 110, 160}, {1.0, 0.55, 0.25}};
        break;
    case Vowel::E:
        f = {{520, 1850, 2600}, {70, 110, 160}, {1.0, 0.45, 0.3}};
        break;
    case Vowel::I:
        f = {{320, 2300, 3000}, {60, 120, 180}, {1.0, 0.35, 0.3}};
        break;
    case Vowel::O:
        f = {{520, 880, 2500}, {80, 100, 160}, {1.0, 0.6, 0.15}};
        break;
    case Vowel::U:
        f = {{330, 800, 2300}, {60, 100, 160}, {1.0, 0.4, 0.1}};
        break;
    case Vowel::Schwa:
        f = {{550, 1400, 2500}, {90, 120, 170}, {1.0, 0.45, 0.2}};
        break;
    case Vowel::M:
        f = {{260, 1100, 2300}, {60, 250, 300}, {1.0, 0.08, 0.04}};
        break;
    }
    for (double& hz : f.hz) {
        hz *= scale;
    }
    return f;
}

namespace {

// One talker: phrases of syllables with pauses between.
struct Talker {
    std::vector<double> start, length, pitch;
    std::vector<Formants> shape;
};

Talker talk(double seconds, double base_hz, double scale, Rng& rng) {
    Talker t;
    const Vowel vowels[] = {Vowel::A, Vowel::E,     Vowel::I, Vowel::O,
                            Vowel::U, Vowel::Schwa, Vowel::M};
    double at = rng.range(0.0, 0.6);
    while (at < seconds) {
        const int syllables = 3 + rng.below(7);
        for (int s = 0; s < syllables && at < seconds; ++s) {
            const double len = rng.range(0.09, 0.22);
            t.start.push_back(at);
            t.length.push_back(len);
            const double declination = 1.0 + 0.12 * (1.0 - static_cast<double>(s) / syllables);
            t.pitch.push_back(base_hz * declination * rng.range(0.92, 1.1));
            t.shape.push_back(vowel(vowels[rng.below(7)], scale));
            at += len + rng.range(0.0, 0.04);
        }
        at += rng.range(0.15, 0.6);
    }
    return t;
}

} // namespace

Buffer crowd(double seconds, int voices, double low_hz, double high_hz, std::uint64_t seed) {
    Rng rng(seed);
    Buffer mix = silence(seconds);
    for (int v = 0; v < voices; ++v) {
        const double base = rng.range(low_hz, high_hz);
        const double scale = base > 160 ? 1.15 : 1.0;
        auto t = std::make_shared<Talker>(talk(seconds, base, scale, rng));
        auto find = [t](double time) {
            const auto it = std::upper_bound(t->start.begin(), t->start.end(), time);
            return it == t->start.begin() ? std::size_t{0}
                                          : static_cast<std::size_t>(it - t->start.begin() - 1);
        };
        VoiceShape shape;
        shape.pitch = [t, find](double time) {
            const std::size_t k = find(time);
            const double next = k + 1 < t->pitch.size() ? t->pitch[k + 1] : t->pitch[k];
            const double x = std::clamp((time - t->start[k]) / t->length[k], 0.0, 1.0);
            return t->pitch[k] + (next - t->pitch[k]) * x * 0.3;
        };
        shape.voiced = [t, find](double time) {
            if (t->start.empty()) {
                return 0.0;
            }
            const std::size_t k = find(time);
            const double x = (time - t->start[k]) / t->length[k];
            return x < 0.0 || x > 1.0 ? 0.0 : std::pow(std::sin(kPi * x), 0.6);
        };
        shape.breath = [t, find](double time) {
            if (t->start.empty()) {
                return 0.0;
            }
            const std::size_t k = find(time);
            const double since = time - t->start[k];
            return since >= 0.0 && since < 0.03 ? 0.35 : 0.03;
        };
        shape.formants = [t, find](double time) {
            const std::size_t k = find(time);
            const double x = std::clamp((time - t->start[k]) / (t->length[k] * 0.35), 0.0, 1.0);
            const Formants& prev = k > 0 ? t->shape[k - 1] : t->shape[k];
            return blend(prev, t->shape[k], x);
        };
        shape.jitter = 0.02;
        if (t->start.empty()) {
            continue;
        }
        Buffer one = voice(shape, seconds, rng.next());
        mix_into(mix, one, 0.0, rng.range(0.4, 1.0));
    }
    return mix;
}

} // namespace assetgen
