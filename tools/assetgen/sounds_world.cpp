// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The sounds of places, people, animals and things.
#include "instruments.h"
#include "sound_makers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace assetgen::sounds {

namespace {

Buffer finished(Buffer b, double seconds) {
    set_length(b, seconds);
    finish(b);
    return b;
}

// A whistled bird note: a sine whose pitch follows `hz`.
Buffer chirp(double seconds, const Curve& hz, double attack = 0.008) {
    Buffer b = silence(seconds);
    Oscillator o(Wave::Sine);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = time_at(i);
        const double env =
            smoothstep(0.0, attack, t) * (1.0 - smoothstep(seconds * 0.6, seconds, t));
        b[i] = static_cast<float>((o.next(hz(t)) + 0.08 * std::sin(4 * kPi * o.phase())) * env);
    }
    return b;
}

// "Ha-ha-ha": breathy onsets and open vowels, each a little lower and softer.
Buffer laughter(int has, double hz, double scale, double gap, std::uint64_t seed) {
    const double pulse = 0.15;
    const double seconds = has * gap + 0.2;
    auto index = [gap, has](double t) { return std::clamp(static_cast<int>(t / gap), 0, has - 1); };
    VoiceShape shape;
    shape.pitch = [=](double t) {
        const int k = index(t);
        const double x = (t - k * gap) / pulse;
        return hz * (1.12 - 0.04 * k) * (1.0 + 0.06 * std::sin(kPi * std::clamp(x, 0.0, 1.0)));
    };
    shape.voiced = [=](double t) {
        const int k = index(t);
        const double x = t - k * gap;
        const double level = std::pow(0.86, k);
        return level * smoothstep(0.025, 0.045, x) * (1.0 - smoothstep(pulse - 0.04, pulse, x));
    };
    shape.breath = [=](double t) {
        const int k = index(t);
        const double x = t - k * gap;
        const double level = std::pow(0.86, k);
        return level * (0.9 * smoothstep(0.0, 0.01, x) * (1.0 - smoothstep(0.03, 0.05, x)) +
                        0.12 * (x < pulse ? 1.0 : 0.0));
    };
    shape.formants = [scale](double) { return vowel(Vowel::A, scale); };
    shape.jitter = 0.02;
    return voice(shape, seconds, seed);
}

// A small metal disc: inharmonic partials, short ring.
Buffer coin(double hz, double tau) {
    return modal(hz,
                 {{1.0, 1.0, tau},
                  {1.58, 0.7, tau * 0.8},
                  {2.23, 0.5, tau * 0.6},
                  {2.87, 0.35, tau * 0.5},
                  {3.7, 0.2, tau * 0.4}},
                 tau * 5.0, 0.0003);
}

// A short click: a burst of high noise.
Buffer click(double seconds, double highpass_hz, std::uint64_t seed) {
    Buffer b = noise(
        seconds, [seconds](double t) { return strike(t, 0.0002, seconds * 0.25); }, seed);
    highpass(b, highpass_hz);
    return b;
}

} // namespace

Buffer beach() {
    const double len = 4.0;
    Buffer out = silence(len);
    // Each wave swells, breaks into foam and hisses back down the sand.
    auto wave = [](double seconds, double break_at, std::uint64_t seed) {
        Buffer b = silence(seconds);
        PinkNoise pink(seed);
        Rng rng(seed + 1);
        Svf body;
        Biquad foam_lp, foam_hp, hiss_hp;
        foam_lp.set(Biquad::Type::Lowpass, 6000.0, 0.7);
        foam_hp.set(Biquad::Type::Highpass, 500.0, 0.7);
        hiss_hp.set(Biquad::Type::Highpass, 2500.0, 0.7);
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = time_at(i);
            const double swell = smoothstep(0.0, break_at, t);
            const double crest = t < break_at ? smoothstep(break_at - 0.25, break_at, t)
                                              : std::exp(-(t - break_at) / 0.5);
            const double retreat = smoothstep(break_at + 0.2, break_at + 0.7, t) *
                                   (1.0 - smoothstep(break_at + 0.7, seconds, t));
            const double fade = 1.0 - smoothstep(seconds - 0.6, seconds, t);
            body.set(250.0 + 500.0 * swell + 1500.0 * crest, 0.6);
            const double rumble = body.process(pink.next()).low * (0.3 + 0.7 * swell) *
                                  (1.0 - 0.6 * smoothstep(break_at, seconds, t));
            const double white = rng.bipolar();
            const double foam = foam_hp.process(foam_lp.process(static_cast<float>(white))) * crest;
            const double hiss = hiss_hp.process(static_cast<float>(white)) * retreat;
            b[i] = static_cast<float>((rumble * 2.0 + foam * 0.3 + hiss * 0.1) * fade);
        }
        return b;
    };
    mix_into(out, wave(2.7, 1.0, 2100), 0.0, 1.0);
    mix_into(out, wave(2.5, 0.95, 2110), 1.5, 0.9);
    Buffer surf = pink_noise(
        len, [](double) { return 0.5; }, 2120);
    lowpass(surf, 350.0);
    mix_into(out, surf, 0.0, 0.4);
    // Gulls: a harsh "kee-ow" that rises and falls.
    auto gull = [](double seconds, double base) {
        const Envelope pitch(
            {{0.0, base * 0.8}, {0.05, base * 1.25}, {0.16, base * 1.15}, {seconds, base * 0.72}});
        Buffer b = silence(seconds);
        Oscillator o(Wave::Saw);
        Svf f1, f2;
        f1.set(base * 1.6, 4.0);
        f2.set(base * 2.6, 4.0);
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = time_at(i);
            const double env =
                smoothstep(0.0, 0.02, t) * (1.0 - smoothstep(seconds * 0.55, seconds, t));
            const double rough = 1.0 + 0.35 * std::sin(2 * kPi * 75.0 * t);
            const float src = o.next(pitch(t));
            b[i] = static_cast<float>((f1.bandpass(src) + 0.6 * f2.bandpass(src)) * env * rough);
        }
        return b;
    };
    mix_into(out, gull(0.34, 1300.0), 0.55, 0.25);
    mix_into(out, gull(0.28, 1380.0), 0.93, 0.2);
    mix_into(out, gull(0.4, 1250.0), 2.95, 0.22);
    return finished(out, len);
}

Buffer bowling() {
    const double len = 3.3;
    const double impact = 2.0;
    Buffer out = silence(len);
    // The ball rolling down the lane: a low rumble with its turning thump.
    Buffer roll = silence(impact + 0.05);
    PinkNoise pink(2200);
    Rng rng(2201);
    Svf lane;
    lane.set(320.0, 3.0);
    Biquad lp;
    lp.set(Biquad::Type::Lowpass, 180.0, 0.8);
    double turn = 0.0;
    for (std::size_t i = 0; i < roll.size(); ++i) {
        const double t = time_at(i);
        turn += (5.0 + 2.5 * t / impact) / kSampleRate;
        const double rumble = lp.process(pink.next()) * 2.5;
        const double thump = std::sin(2 * kPi * 55.0 * t) * (0.6 + 0.4 * std::sin(2 * kPi * turn));
        const double turning = 0.7 + 0.3 * std::sin(2 * kPi * turn);
        const double hum = lane.bandpass(static_cast<float>(rng.bipolar())) * turning;
        const double env = (0.35 + 0.65 * smoothstep(0.0, impact, t)) * smoothstep(0.0, 0.15, t);
        roll[i] = static_cast<float>((rumble * 0.6 + thump * 0.25 + hum) * env);
    }
    mix_into(out, roll, 0.0, 0.5);
    // The strike: a heavy thud, then the pins clattering and falling.
    mix_into(out, kick(130, 50, 0.4), impact, 0.35);
    Buffer burst = noise(
        0.2, [](double t) { return strike(t, 0.001, 0.03); }, 2202);
    lowpass(burst, 3500.0);
    mix_into(out, burst, impact, 0.6);
    double at = impact + 0.005;
    for (int k = 0; k < 22; ++k) {
        const double hz = rng.range(480.0, 950.0);
        const double tau = rng.range(0.04, 0.09);
        const Buffer pin = modal(hz,
                                 {{1.0, 1.0, tau},
                                  {2.35, 0.6, tau * 0.7},
                                  {3.9, 0.35, tau * 0.5},
                                  {5.6, 0.2, tau * 0.3}},
                                 0.4, 0.0005);
        const double level = (k < 12 ? 0.7 : 0.35) * rng.range(0.6, 1.0);
        mix_into(out, pin, at, level);
        mix_into(out, click(0.01, 2500.0, 2300 + static_cast<std::uint64_t>(k)), at, level * 0.5);
        at += k < 12 ? rng.range(0.008, 0.045) : rng.range(0.04, 0.12);
    }
    reverb(out, 0.6, 0.4, 0.25, 0.0);
    return finished(out, len);
}

Buffer pub() {
    const double len = 3.6;
    Buffer out = silence(len);
    Buffer talk = crowd(len, 10, 95, 240, 2400);
    lowpass(talk, 3000.0);
    mix_into(out, talk, 0.0, 0.8);
    Buffer room = pink_noise(
        len, [](double) { return 0.6; }, 2401);
    lowpass(room, 500.0);
    mix_into(out, room, 0.0, 0.25);
    // Two pint glasses knocked together, and somebody laughing.
    mix_into(out, glass_clink(1150.0, 2402), 1.3, 0.35);
    mix_into(out, laughter(4, 140.0, 0.95, 0.17, 2403), 2.3, 0.35);
    reverb(out, 0.55, 0.45, 0.3, 0.0);
    return finished(out, len);
}

Buffer birds() {
    const double len = 3.2;
    Buffer out = silence(len);
    Buffer leaves = pink_noise(
        len, [](double t) { return 0.5 + 0.3 * std::sin(2 * kPi * 0.7 * t); }, 2500);
    lowpass(leaves, 900.0);
    mix_into(out, leaves, 0.0, 0.06);
    // A warbler: falling whistles in a run.
    Rng rng(2501);
    for (double phrase : {0.1, 1.75}) {
        for (int k = 0; k < 5; ++k) {
            const double top = rng.range(3600, 4200) - k * 120.0;
            mix_into(out, chirp(0.075, [top](double t) { return top - 9000.0 * t; }),
                     phrase + k * 0.105, 0.5);
        }
    }
    // A trill.
    mix_into(out,
             chirp(
                 0.45,
                 [](double t) { return 4600.0 + 650.0 * std::sin(2 * kPi * 27.0 * t) - 800.0 * t; },
                 0.02),
             0.85, 0.35);
    // Rising "tweet"s from another bird.
    for (double at : {1.45, 2.55, 2.72, 2.89}) {
        mix_into(out,
                 chirp(0.09, [](double t) { return 2300.0 + 2200.0 * std::pow(t / 0.09, 0.7); }),
                 at, 0.45);
    }
    reverb(out, 0.3, 0.5, 0.15, 0.0);
    return finished(out, len);
}

Buffer laugh() {
    return finished(laughter(6, 270.0, 1.15, 0.185, 2600), 1.2);
}

Buffer money() {
    const double len = 1.8;
    Buffer out = silence(len);
    Rng rng(2700);
    // Three shakes of a handful of coins, then a few settling.
    for (double shake : {0.02, 0.5, 0.98}) {
        for (int k = 0; k < 9; ++k) {
            mix_into(out, coin(rng.range(2600, 5200), rng.range(0.08, 0.22)),
                     shake + rng.range(0.0, 0.16), rng.range(0.3, 0.7));
        }
        Buffer rub = noise(
            0.18, [](double t) { return std::sin(kPi * t / 0.18); }, rng.next());
        highpass(rub, 5000.0);
        mix_into(out, rub, shake, 0.08);
    }
    for (int k = 0; k < 3; ++k) {
        mix_into(out, coin(rng.range(3000, 4800), 0.25), 1.35 + k * 0.08, 0.3);
    }
    return finished(out, len);
}

Buffer hang_up() {
    const double len = 3.0;
    Buffer out = silence(len);
    // The receiver lands in its cradle: a plastic clunk and the switch.
    Buffer thump = silence(0.2);
    for (std::size_t i = 0; i < thump.size(); ++i) {
        const double t = time_at(i);
        thump[i] = static_cast<float>(std::sin(2 * kPi * 140.0 * t) * strike(t, 0.001, 0.03));
    }
    mix_into(out, thump, 0.03, 0.9);
    Buffer knock = noise(
        0.05, [](double t) { return strike(t, 0.0005, 0.012); }, 2800);
    lowpass(knock, 1200.0);
    mix_into(out, knock, 0.03, 0.9);
    mix_into(out, click(0.008, 2500.0, 2801), 0.03, 0.6);
    mix_into(out, click(0.006, 3000.0, 2802), 0.085, 0.35);
    // Then the busy tone, as heard down a telephone line.
    Buffer busy = silence(len);
    for (std::size_t i = 0; i < busy.size(); ++i) {
        const double t = time_at(i);
        const double cycle = std::fmod(t - 0.45, 1.0);
        const double gate =
            t < 0.45 ? 0.0 : smoothstep(0.0, 0.008, cycle) * (1.0 - smoothstep(0.492, 0.5, cycle));
        busy[i] = static_cast<float>(
            (std::sin(2 * kPi * 480.0 * t) + std::sin(2 * kPi * 620.0 * t)) * 0.5 * gate);
    }
    highpass(busy, 300.0);
    lowpass(busy, 3400.0);
    mix_into(out, busy, 0.0, 0.4);
    return finished(out, len);
}

Buffer cash_register() {
    const double len = 2.0;
    Buffer out = silence(len);
    Rng rng(2900);
    // Keys and the crank's ratchet: "ka".
    for (double at : {0.0, 0.05, 0.1}) {
        mix_into(out, click(0.012, 1500.0, rng.next()), at, 0.5);
        mix_into(out, modal(1800.0, {{1.0, 1.0, 0.01}, {2.7, 0.5, 0.006}}, 0.05), at, 0.3);
    }
    for (int k = 0; k < 6; ++k) {
        mix_into(out, click(0.006, 3000.0, rng.next()), 0.16 + k * 0.022, 0.35);
    }
    // The bell: "ching".
    const double ching = 0.32;
    mix_into(out,
             modal(2350.0,
                   {{1.0, 1.0, 0.9},
                    {1.19, 0.3, 0.6},
                    {1.5, 0.35, 0.5},
                    {2.0, 0.45, 0.4},
                    {2.51, 0.3, 0.3},
                    {2.66, 0.25, 0.25},
                    {3.0, 0.15, 0.2}},
                   1.6),
             ching, 0.6);
    mix_into(out, click(0.02, 4000.0, rng.next()), ching, 0.4);
    // The drawer slides out on its runners and hits the stop.
    Buffer slide = silence(0.38);
    Svf runner;
    runner.set(520.0, 1.2);
    for (std::size_t i = 0; i < slide.size(); ++i) {
        const double t = time_at(i);
        const double rattle = 0.6 + 0.4 * std::sin(2 * kPi * 42.0 * t);
        slide[i] = static_cast<float>(runner.bandpass(static_cast<float>(rng.bipolar())) * rattle *
                                      smoothstep(0.0, 0.3, t));
    }
    mix_into(out, slide, 0.42, 0.7);
    const double stop = 0.8;
    mix_into(out, kick(160, 70, 0.25), stop, 0.7);
    mix_into(out, click(0.02, 800.0, rng.next()), stop, 0.5);
    for (int k = 0; k < 4; ++k) {
        mix_into(out, coin(rng.range(3000, 4500), 0.1), stop + 0.01 + k * rng.range(0.02, 0.05),
                 0.15);
    }
    return finished(out, len);
}

Buffer humpf() {
    // A closed-mouth grunt through the nose, ending in a puff of breath: "hmpf".
    const double len = 0.7;
    const Envelope pitch({{0.0, 185}, {0.06, 178}, {0.34, 128}});
    VoiceShape shape;
    shape.pitch = [pitch](double t) { return pitch(t); };
    shape.voiced = [](double t) {
        return smoothstep(0.0, 0.025, t) * (1.0 - 0.35 * smoothstep(0.05, 0.3, t)) *
               (1.0 - smoothstep(0.3, 0.36, t));
    };
    shape.breath = [](double t) { return 0.05 + 0.45 * strike(t - 0.37, 0.004, 0.045); };
    shape.formants = [](double t) {
        const Formants puff{{900, 2200, 3800}, {700, 900, 1200}, {0.8, 0.5, 0.3}};
        return t < 0.36 ? vowel(Vowel::M) : puff;
    };
    return finished(voice(shape, len, 3000), len);
}

Buffer phone_ring() {
    // A clapper trilling between two bells, two rings with a pause between.
    const double len = 3.4;
    Buffer strikes_a = silence(len), strikes_b = silence(len);
    Rng rng(3100);
    for (double start : {0.02, 1.72}) {
        for (double t = 0.0; t < 1.2; t += 0.025) {
            Buffer& target = static_cast<int>(std::lround(t / 0.025)) % 2 ? strikes_b : strikes_a;
            const auto at = static_cast<std::size_t>(sample_count(start + t));
            for (std::size_t i = 0; i < 12 && at + i < target.size(); ++i) {
                target[at + i] +=
                    static_cast<float>(rng.bipolar() * (1.0 - static_cast<double>(i) / 12.0));
            }
        }
    }
    Buffer out =
        resonate(strikes_a, 1080.0,
                 {{1.0, 1.0, 0.16}, {2.41, 0.5, 0.1}, {3.9, 0.35, 0.07}, {5.3, 0.2, 0.05}});
    mix_into(out,
             resonate(strikes_b, 1340.0,
                      {{1.0, 1.0, 0.16}, {2.38, 0.5, 0.1}, {3.85, 0.35, 0.07}, {5.2, 0.2, 0.05}}),
             0.0, 0.9);
    mix_into(out, strikes_a, 0.0, 0.02);
    return finished(out, len);
}

Buffer doorbell() {
    const double len = 2.7;
    Buffer out = silence(len);
    mix_into(out, tone_bar(note_hz(76), 2.0), 0.02, 1.0);
    mix_into(out, tone_bar(note_hz(72), 2.05), 0.62, 1.0);
    reverb(out, 0.4, 0.5, 0.15, 0.0);
    return finished(out, len);
}

Buffer car() {
    const double len = 3.8;
    const double fires = 0.9;
    Buffer out = silence(len);
    Rng rng(3200);
    // The starter motor cranking the engine over.
    Buffer crank = silence(fires + 0.05);
    Oscillator motor(Wave::Saw);
    Svf whine;
    whine.set(700.0, 1.5);
    for (std::size_t i = 0; i < crank.size(); ++i) {
        const double t = time_at(i);
        const double cycle = std::fabs(std::sin(kPi * 6.5 * t));
        const double hz = 150.0 * (0.85 + 0.15 * cycle);
        const double v = whine.bandpass(motor.next(hz)) + 0.4 * rng.bipolar() * cycle;
        crank[i] = static_cast<float>(v * (0.45 + 0.55 * cycle) * smoothstep(0.0, 0.03, t));
    }
    lowpass(crank, 2500.0);
    mix_into(out, crank, 0.0, 0.35);
    // The engine: firing pulses at a rate set by the revs, through exhaust resonances.
    const Envelope rpm({{fires, 350},
                        {fires + 0.2, 2500},
                        {fires + 0.6, 1100},
                        {fires + 1.2, 850},
                        {2.35, 900},
                        {3.3, 3300},
                        {3.8, 3700}});
    const Envelope level({{fires, 0.0},
                          {fires + 0.05, 1.0},
                          {fires + 0.6, 0.8},
                          {2.35, 0.6},
                          {3.0, 1.0},
                          {3.3, 0.8},
                          {3.8, 0.25}});
    Buffer engine = silence(len - fires);
    std::array<Svf, 3> pipes;
    const double pipe_hz[] = {110.0, 340.0, 900.0};
    for (std::size_t k = 0; k < 3; ++k) {
        pipes[k].set(pipe_hz[k], 2.0);
    }
    Svf distance;
    double phase = 0.0, amp = 1.0;
    for (std::size_t i = 0; i < engine.size(); ++i) {
        const double t = time_at(i) + fires;
        const double firing = rpm(t) / 60.0 * 2.0;
        phase += firing / kSampleRate;
        if (phase >= 1.0) {
            phase -= 1.0;
            amp = rng.range(0.7, 1.3);
        }
        const double pulse = amp * std::exp(-phase / firing / 0.0035) + 0.05 * rng.bipolar();
        double v = 0.0;
        for (std::size_t k = 0; k < 3; ++k) {
            v += pipes[k].process(static_cast<float>(pulse)).band * (k == 0 ? 1.5 : 0.7);
        }
        // Driving away: the sound dulls as it recedes.
        distance.set(4000.0 - 3000.0 * smoothstep(3.0, 3.8, t), 0.7);
        engine[i] = static_cast<float>(
            distance.process(static_cast<float>(std::tanh(v * 2.0))).low * level(t));
    }
    mix_into(out, engine, fires, 0.8);
    return finished(out, len);
}

Buffer sigh(bool male) {
    // Breathe in, then a long breathy "haaah" that falls away.
    const double len = male ? 2.4 : 1.7;
    const double scale = male ? 0.85 : 1.15;
    const double inhale = male ? 0.55 : 0.42;
    const double f0 = male ? 118.0 : 235.0;
    VoiceShape shape;
    shape.pitch = [=](double t) { return f0 * (1.0 - 0.25 * smoothstep(inhale, len, t)); };
    shape.voiced = [=](double t) {
        const double x = t - inhale - 0.05;
        return x < 0 ? 0.0
                     : 0.5 * smoothstep(0.0, 0.08, x) *
                           (1.0 - smoothstep(0.1, (len - inhale) * 0.6, x));
    };
    shape.breath = [=](double t) {
        const double in = 0.3 * std::sin(kPi * std::clamp(t / inhale, 0.0, 1.0));
        const double x = t - inhale - 0.05;
        const double out =
            x < 0 ? 0.0 : smoothstep(0.0, 0.1, x) * std::exp(-x / ((len - inhale) * 0.4));
        return (in + out) * (1.0 - smoothstep(len - 0.35, len, t));
    };
    shape.formants = [=](double t) {
        if (t < inhale + 0.03) {
            return vowel(Vowel::E, scale);
        }
        return blend(vowel(Vowel::A, scale), vowel(Vowel::Schwa, scale * 0.95),
                     smoothstep(inhale, len, t));
    };
    return finished(voice(shape, len, male ? 3301 : 3300), len);
}

Buffer siren() {
    // Two wails: a slow climb and a quicker fall, through a horn speaker.
    const double len = 3.8;
    Buffer out = silence(len);
    Biquad horn;
    horn.set(Biquad::Type::Peak, 1300.0, 1.0, 6.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time_at(i);
        const double c = std::fmod(t, 1.9);
        const double x = c < 1.15 ? std::sin(0.5 * kPi * c / 1.15) : 1.0 - smoothstep(1.15, 1.9, c);
        const double hz = 650.0 + 800.0 * x;
        phase += hz / kSampleRate;
        // Additive, so that no harmonic folds back below the Nyquist limit.
        double v = 0.0;
        for (int n = 1; n * hz < 8000.0; ++n) {
            const double taper = 1.0 - smoothstep(6000.0, 8000.0, n * hz);
            v += taper * (n % 2 ? 1.0 : 0.2) / n * std::sin(2 * kPi * n * phase);
        }
        out[i] = horn.process(static_cast<float>(v));
    }
    reverb(out, 0.5, 0.5, 0.2, 0.0);
    return finished(out, len);
}

Buffer found() {
    // A bright rising arpeggio with a sparkle on top.
    const double len = 1.5;
    Buffer out = silence(len);
    const double notes[] = {84, 88, 91, 96};
    for (int k = 0; k < 4; ++k) {
        mix_into(out, glockenspiel(note_hz(notes[k]), 1.2), 0.01 + k * 0.07, 0.5);
    }
    for (double m : {100.0, 103.0}) {
        mix_into(out, glockenspiel(note_hz(m), 0.6), 0.3 + (m - 100.0) * 0.025, 0.15);
    }
    reverb(out, 0.6, 0.3, 0.3, 0.0);
    return finished(out, len);
}

Buffer meow() {
    // "Mi-a-ow": the pitch rises and falls while the mouth opens and closes.
    const double len = 1.05;
    const Formants m{{500, 1600, 3200}, {100, 200, 300}, {1.0, 0.2, 0.1}};
    const Formants ee{{750, 2300, 3800}, {120, 200, 300}, {1.0, 0.75, 0.4}};
    const Formants aa{{1150, 1950, 3600}, {150, 200, 300}, {1.0, 0.8, 0.35}};
    const Formants oo{{650, 1100, 3200}, {110, 150, 300}, {1.0, 0.5, 0.15}};
    const Envelope pitch({{0.0, 480}, {0.25, 760}, {0.45, 800}, {0.8, 530}, {1.0, 440}});
    VoiceShape shape;
    shape.pitch = [pitch](double t) { return pitch(t); };
    shape.voiced = [](double t) {
        return smoothstep(0.0, 0.06, t) * (1.0 - smoothstep(0.78, 1.0, t));
    };
    shape.breath = [](double t) { return 0.08 * (1.0 - smoothstep(0.8, 1.0, t)); };
    shape.formants = [=](double t) {
        if (t < 0.1) {
            return blend(m, ee, t / 0.1);
        }
        if (t < 0.4) {
            return blend(ee, aa, (t - 0.1) / 0.3);
        }
        if (t < 0.6) {
            return aa;
        }
        return blend(aa, oo, std::min(1.0, (t - 0.6) / 0.35));
    };
    shape.jitter = 0.015;
    return finished(voice(shape, len, 3400), len);
}

Buffer kiss() {
    const double len = 1.9;
    Buffer out = silence(len);
    Rng rng(3500);
    // A soft "mm", then the smack of lips parting.
    Buffer mm = noise(
        0.12, [](double t) { return std::sin(kPi * t / 0.12); }, 3501);
    lowpass(mm, 500.0);
    mix_into(out, mm, 0.0, 0.15);
    for (double at : {0.12, 0.134}) {
        Buffer smack = silence(0.04);
        Svf lips;
        for (std::size_t i = 0; i < smack.size(); ++i) {
            const double t = time_at(i);
            lips.set(600.0 + 1800.0 * smoothstep(0.0, 0.012, t), 5.0);
            smack[i] = lips.bandpass(static_cast<float>(rng.bipolar() * strike(t, 0.0004, 0.006)));
        }
        mix_into(out, smack, at, at < 0.13 ? 1.0 : 0.6);
    }
    Buffer wet = noise(
        0.04, [](double t) { return strike(t, 0.001, 0.01); }, 3502);
    highpass(wet, 1500.0);
    mix_into(out, wet, 0.13, 0.2);
    // A little romantic chime.
    const double chime[] = {79, 83, 86, 91};
    for (int k = 0; k < 4; ++k) {
        mix_into(out, glockenspiel(note_hz(chime[k]), 1.2), 0.32 + k * 0.09, 0.18);
    }
    reverb(out, 0.6, 0.3, 0.25, 0.0);
    return finished(out, len);
}

} // namespace assetgen::sounds
