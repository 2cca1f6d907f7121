// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The musical sounds: the restaurant's piano, the carnival organ, the theatre,
// the club, the rock gig and the seven film cues.
#include "instruments.h"
#include "sound_makers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace assetgen::sounds {

namespace {

struct Note {
    double at;  // seconds
    double dur; // seconds
    double midi;
    double vel;
};

// Cuts to length (after a musical fade over `tail` seconds, if any) and finishes.
Buffer finished(Buffer b, double seconds, double tail = 0.0) {
    set_length(b, seconds);
    if (tail > 0.0) {
        apply_gain(
            b, [seconds, tail](double t) { return 1.0 - smoothstep(seconds - tail, seconds, t); });
    }
    finish(b);
    return b;
}

// Ducks `b` after every beat, the way a club mix pumps around its kick drum.
void pump(Buffer& b, double beat, double depth) {
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double since = std::fmod(time_at(i), beat);
        b[i] *= static_cast<float>(1.0 - depth * std::exp(-since / 0.09));
    }
}

// Many hands clapping: each clapper claps at their own rate.
Buffer applause(double seconds, int clappers, std::uint64_t seed) {
    Rng rng(seed);
    Buffer out = silence(seconds);
    for (int c = 0; c < clappers; ++c) {
        const double rate = rng.range(3.2, 5.0);
        const double centre = rng.range(900, 2600);
        double at = rng.range(0.0, 0.3);
        while (at < seconds - 0.05) {
            Svf bp;
            bp.set(centre * rng.range(0.9, 1.1), 1.6);
            Buffer clap_one = silence(0.05);
            for (std::size_t i = 0; i < clap_one.size(); ++i) {
                clap_one[i] = bp.bandpass(
                    static_cast<float>(rng.bipolar() * strike(time_at(i), 0.0008, 0.009)));
            }
            mix_into(out, clap_one, at, rng.range(0.5, 1.0));
            at += (1.0 / rate) * rng.range(0.85, 1.15);
        }
    }
    return out;
}

// A distorted power chord: root, fifth and octave plucked together.
Buffer power_chord(double root_midi, double seconds, bool muted, std::uint64_t seed) {
    Buffer chord = silence(seconds);
    int k = 0;
    for (double interval : {0.0, 7.0, 12.0}) {
        const double damping = muted ? 0.975 : 0.9985;
        mix_into(chord,
                 pluck(note_hz(root_midi + interval), seconds, muted ? 0.35 : 0.6, damping,
                       seed + static_cast<std::uint64_t>(k)),
                 0.002 * k, 0.45);
        ++k;
    }
    if (muted) {
        lowpass(chord, 1400.0);
    }
    highpass(chord, 70.0);
    saturate(chord, 9.0);
    Biquad cab, mid;
    cab.set(Biquad::Type::Lowpass, 3800.0, 0.8);
    mid.set(Biquad::Type::Peak, 1200.0, 1.0, 3.0);
    for (float& s : chord) {
        s = mid.process(cab.process(s));
    }
    apply_gain(chord,
               [seconds](double t) { return t > seconds - 0.02 ? (seconds - t) / 0.02 : 1.0; });
    return chord;
}

// A sustained chord of string ensembles.
Buffer string_chord(std::initializer_list<double> midis, double seconds, double attack,
                    double release, std::uint64_t seed) {
    Buffer out = silence(seconds);
    for (double m : midis) {
        mix_into(out, strings(note_hz(m), seconds, attack, release, seed++), 0.0, 0.3);
    }
    return out;
}

} // namespace

Buffer dinner() {
    const double len = 3.6;
    Buffer out = silence(len);
    // Other tables talking softly.
    Buffer murmur = crowd(len, 6, 105, 230, 101);
    lowpass(murmur, 2200.0);
    mix_into(out, murmur, 0.0, 0.3);
    // A little piano phrase in F.
    const Note notes[] = {
        {0.15, 1.0, 53, 0.6},  {0.15, 0.45, 72, 0.8},  {0.55, 0.45, 69, 0.7},
        {0.95, 0.9, 57, 0.55}, {0.95, 0.45, 77, 0.85}, {1.35, 0.45, 76, 0.75},
        {1.75, 0.9, 58, 0.55}, {1.75, 0.45, 72, 0.75}, {2.15, 0.45, 74, 0.8},
        {2.15, 0.8, 60, 0.5},  {2.55, 1.0, 72, 0.8},   {2.55, 1.0, 53, 0.55},
        {2.55, 1.0, 65, 0.45}, {2.55, 1.0, 69, 0.45},
    };
    for (const Note& n : notes) {
        mix_into(out, piano(note_hz(n.midi), n.dur, n.vel), n.at, 0.35);
    }
    // Glasses touched together, and cutlery on a plate.
    mix_into(out, glass_clink(1870.0, 5), 1.2, 0.3);
    for (double at : {0.62, 2.0, 2.95}) {
        mix_into(
            out,
            modal(3350.0 + at * 200.0, {{1.0, 1.0, 0.05}, {2.7, 0.5, 0.03}, {5.1, 0.3, 0.02}}, 0.3),
            at, 0.1);
    }
    reverb(out, 0.55, 0.4, 0.3, 0.0);
    return finished(out, len);
}

Buffer carnival() {
    // A merry waltz on the fairground organ, oom-pah-pah underneath.
    const double beat = 60.0 / 210.0;
    const double len = 3.85;
    Buffer out = silence(len);
    const Note melody[] = {
        {0, 1, 76, 1},    {1, 0.5, 75, 1},  {1.5, 0.5, 76, 1},  {2, 1, 79, 1},
        {3, 1, 77, 1},    {4, 0.5, 76, 1},  {4.5, 0.5, 74, 1},  {5, 1, 72, 1},
        {6, 1, 74, 1},    {7, 0.5, 73, 1},  {7.5, 0.5, 74, 1},  {8, 1, 77, 1},
        {9, 1, 76, 1},    {10, 0.5, 74, 1}, {10.5, 0.5, 71, 1}, {11, 1, 67, 1},
        {12, 1.4, 72, 1},
    };
    for (const Note& n : melody) {
        const double at = n.at * beat;
        const double dur = n.dur * beat * 0.92;
        mix_into(out, organ(note_hz(n.midi), dur), at, 0.32);
        mix_into(out, glockenspiel(note_hz(n.midi + 12), 0.6), at, 0.12);
    }
    // Bars of C, G7, G7, C.
    const double roots[] = {48, 43, 43, 48};
    const double chords[][3] = {{64, 67, 72}, {65, 67, 71}, {65, 67, 71}, {64, 67, 72}};
    for (int bar = 0; bar < 4; ++bar) {
        const double at = bar * 3 * beat;
        mix_into(out, organ(note_hz(roots[bar]), beat * 0.8), at, 0.3);
        mix_into(out, kick(110, 60, 0.25), at, 0.25);
        for (int b = 1; b < 3; ++b) {
            for (double m : chords[bar]) {
                mix_into(out, organ(note_hz(m - 12), beat * 0.45), at + b * beat, 0.1);
            }
            mix_into(out, hat(40 + static_cast<std::uint64_t>(bar * 3 + b), 0.04), at + b * beat,
                     0.08);
        }
    }
    mix_into(out, organ(note_hz(36), 1.3), 12 * beat, 0.3);
    for (double m : {60.0, 64.0, 67.0}) {
        mix_into(out, organ(note_hz(m), 1.3), 12 * beat, 0.12);
    }
    reverb(out, 0.4, 0.5, 0.2, 0.0);
    return finished(out, len);
}

Buffer play() {
    // An orchestral flourish up to a big chord, then the audience applauds.
    const double len = 3.9;
    Buffer out = silence(len);
    const double scale[] = {62, 64, 66, 67, 69, 71, 73, 74, 76, 78, 79, 81, 83, 85, 86};
    for (int i = 0; i < 15; ++i) {
        const double at = 0.05 + i * 0.055;
        mix_into(out, violin(note_hz(scale[i]), 0.12, 0.01, 0.04), at, 0.35);
        mix_into(out, violin(note_hz(scale[i] - 12), 0.12, 0.01, 0.04), at, 0.2);
    }
    const double hit = 0.9;
    mix_into(out, string_chord({50, 57, 62, 66, 69, 74, 78, 86}, 1.5, 0.02, 0.6, 300), hit, 1.0);
    mix_into(out, brass(note_hz(62), 1.2), hit, 0.2);
    mix_into(out, brass(note_hz(66), 1.2), hit, 0.15);
    mix_into(out, brass(note_hz(69), 1.2), hit, 0.15);
    for (int r = 0; r < 8; ++r) {
        mix_into(out, timpani(note_hz(38), 0.6, 60 + static_cast<std::uint64_t>(r)),
                 0.45 + r * 0.055, 0.05 + r * 0.02);
    }
    mix_into(out, timpani(note_hz(38), 1.2, 70), hit, 0.5);
    mix_into(out, crash(71, 1.6), hit, 0.2);
    Buffer clapping = applause(len - 1.9, 30, 72);
    apply_gain(clapping, [](double t) { return smoothstep(0.0, 0.5, t); });
    mix_into(out, clapping, 1.9, 0.9);
    reverb(out, 0.7, 0.3, 0.3, 0.0);
    return finished(out, len);
}

Buffer club() {
    const double beat = 60.0 / 124.0;
    const double len = 3.75;
    Buffer out = silence(len);
    Buffer drums = silence(len);
    for (int b = 0; b < 8; ++b) {
        const double at = b * beat;
        mix_into(drums, kick(), at, 0.9);
        mix_into(drums, hat(static_cast<std::uint64_t>(b), 0.09), at + beat * 0.5, 0.3);
        mix_into(drums, hat(static_cast<std::uint64_t>(b) + 20, 0.02), at + beat * 0.25, 0.12);
        mix_into(drums, hat(static_cast<std::uint64_t>(b) + 40, 0.02), at + beat * 0.75, 0.12);
        if (b % 2 == 1) {
            mix_into(drums, clap(static_cast<std::uint64_t>(b) + 60), at, 0.45);
        }
    }
    // Off-beat bass: A minor with a lift to C and G.
    Buffer bass = silence(len);
    const double line[] = {33, 33, 36, 33, 31, 33, 40, 33};
    for (int b = 0; b < 8; ++b) {
        const double dur = beat * 0.42;
        Buffer note = silence(dur);
        Oscillator saw(Wave::Saw), sub(Wave::Sine);
        Svf f;
        const double hz = note_hz(line[b]);
        for (std::size_t i = 0; i < note.size(); ++i) {
            const double t = time_at(i);
            f.set(180.0 + 1400.0 * std::exp(-t / 0.06), 2.5);
            const double v = f.process(saw.next(hz)).low + 0.6 * sub.next(hz);
            note[i] = static_cast<float>(v * adsr(t, 0.004, 0.08, 0.7, dur - 0.02, 0.02));
        }
        mix_into(bass, note, b * beat + beat * 0.5, 0.5);
    }
    // A filtered chord stab.
    Buffer stabs = silence(len);
    for (double at : {1.5 * beat, 5.5 * beat}) {
        Buffer stab = silence(0.3);
        for (double m : {57.0, 60.0, 64.0, 67.0}) {
            Oscillator a(Wave::Saw), c(Wave::Saw, 0.5);
            Svf f;
            for (std::size_t i = 0; i < stab.size(); ++i) {
                const double t = time_at(i);
                f.set(600.0 + 3000.0 * std::exp(-t / 0.07), 1.5);
                const double v = a.next(note_hz(m)) + c.next(note_hz(m) * 1.006);
                stab[i] += static_cast<float>(f.process(static_cast<float>(v)).low *
                                              strike(t, 0.003, 0.09) * 0.25);
            }
        }
        mix_into(stabs, stab, at, 0.5);
    }
    pump(bass, beat, 0.6);
    pump(stabs, beat, 0.5);
    mix_into(out, drums, 0.0, 1.0);
    mix_into(out, bass, 0.0, 0.8);
    Buffer wet = stabs;
    reverb(wet, 0.6, 0.3, 0.6, 0.0);
    mix_into(out, wet, 0.0, 0.6);
    return finished(out, len);
}

Buffer rock() {
    // E, G, A: a distorted riff over a straight rock beat.
    const double eighth = 60.0 / 140.0 / 2.0;
    const double len = 3.9;
    Buffer out = silence(len);
    struct Hit {
        int at;
        int length;
        double root;
        bool muted;
    };
    const Hit riff[] = {
        {0, 1, 40, true},   {1, 1, 40, true},  {2, 1, 40, true},   {3, 1, 40, true},
        {4, 2, 43, false},  {6, 2, 45, false}, {8, 1, 40, true},   {9, 1, 40, true},
        {10, 1, 40, true},  {11, 1, 40, true}, {12, 1, 50, false}, {13, 1, 50, false},
        {14, 4, 40, false},
    };
    std::uint64_t seed = 500;
    for (const Hit& h : riff) {
        const double dur = h.at == 14 ? len - 14 * eighth : h.length * eighth;
        mix_into(out, power_chord(h.root, dur, h.muted, seed += 3), h.at * eighth,
                 h.muted ? 0.45 : 0.5);
    }
    Buffer drums = silence(len);
    for (int e = 0; e < 14; ++e) {
        if (e == 0 || e == 3 || e == 4 || e == 8 || e == 11 || e == 12) {
            mix_into(drums, kick(120, 50, 0.35), e * eighth, 0.8);
        }
        if (e % 4 == 2) {
            mix_into(drums, snare(static_cast<std::uint64_t>(e) + 600), e * eighth, 0.7);
        }
        mix_into(drums, hat(static_cast<std::uint64_t>(e) + 640, 0.035), e * eighth, 0.25);
    }
    mix_into(drums, crash(680, 2.0), 0.0, 0.35);
    mix_into(drums, crash(681, 2.0), 14 * eighth, 0.4);
    mix_into(drums, kick(120, 50, 0.5), 14 * eighth, 0.9);
    mix_into(drums, snare(682), 14 * eighth, 0.6);
    reverb(drums, 0.35, 0.5, 0.2, 0.0);
    mix_into(out, drums, 0.0, 0.8);
    return finished(out, len);
}

Buffer movie_suspense() {
    // A tense rising cluster, then a sharp orchestral stab.
    const double len = 3.2;
    const double hit = 1.7;
    Buffer out = silence(len);
    Buffer drone = silence(hit + 0.1);
    Oscillator lo1(Wave::Saw), lo2(Wave::Saw, 0.3);
    Biquad dlp;
    dlp.set(Biquad::Type::Lowpass, 300.0, 0.8);
    for (std::size_t i = 0; i < drone.size(); ++i) {
        const double t = time_at(i);
        const double v = lo1.next(note_hz(36)) + lo2.next(note_hz(37));
        drone[i] = static_cast<float>(dlp.process(static_cast<float>(v)) * smoothstep(0.0, hit, t));
    }
    mix_into(out, drone, 0.0, 0.5);
    // Tremolo strings creeping upwards a semitone apart.
    Buffer trem = silence(hit);
    Oscillator v1(Wave::Saw), v2(Wave::Saw, 0.5);
    Biquad tlp;
    tlp.set(Biquad::Type::Lowpass, 4000.0, 0.7);
    for (std::size_t i = 0; i < trem.size(); ++i) {
        const double t = time_at(i);
        const double rise = std::pow(2.0, t / hit * 3.0 / 12.0);
        const double v = v1.next(note_hz(71) * rise) + v2.next(note_hz(72) * rise);
        const double tremolo = 0.6 + 0.4 * std::sin(2 * kPi * 13.0 * t);
        trem[i] = static_cast<float>(tlp.process(static_cast<float>(v)) * tremolo *
                                     smoothstep(0.0, hit, t) * smoothstep(0.0, hit, t));
    }
    mix_into(out, trem, 0.0, 0.25);
    // The stab: a dissonant chord, a low boom and a cymbal.
    mix_into(out, string_chord({48, 54, 59, 60, 66, 71, 72, 78}, 1.2, 0.005, 1.0, 700), hit, 1.2);
    for (double m : {48.0, 54.0, 61.0}) {
        mix_into(out, brass(note_hz(m), 0.6), hit, 0.3);
    }
    mix_into(out, kick(80, 32, 1.2), hit, 0.5);
    mix_into(out, timpani(note_hz(36), 1.4, 701), hit, 0.4);
    mix_into(out, crash(702, 1.5), hit, 0.3);
    reverb(out, 0.8, 0.3, 0.35, 0.0);
    return finished(out, len);
}

Buffer movie_romance() {
    // Lush strings: F, D minor, B flat, C to F, with a violin melody and a harp.
    const double len = 3.95;
    Buffer out = silence(len);
    const double chord_len = 1.05;
    const double chords[][4] = {
        {41, 57, 60, 65}, {38, 57, 62, 65}, {46, 58, 62, 65}, {48, 55, 60, 64}};
    for (int c = 0; c < 4; ++c) {
        const double at = c * 0.95;
        const double dur = c == 3 ? len - at : chord_len + 0.2;
        for (double m : chords[c]) {
            mix_into(
                out,
                strings(note_hz(m), dur, 0.35, 0.4, 800 + static_cast<std::uint64_t>(c * 4 + m)),
                at, 0.22);
        }
    }
    const Note tune[] = {{0.1, 0.85, 69, 1},
                         {0.95, 0.45, 72, 1},
                         {1.4, 0.5, 74, 1},
                         {1.9, 1.0, 77, 1},
                         {2.85, 1.1, 76, 1}};
    for (const Note& n : tune) {
        mix_into(out, violin(note_hz(n.midi), n.dur + 0.1, 0.12, 0.2), n.at, 0.3);
    }
    const double harp[] = {53, 57, 60, 65, 69, 72, 77};
    for (int i = 0; i < 7; ++i) {
        mix_into(out, pluck(note_hz(harp[i]), 1.6, 0.5, 0.997, 850 + static_cast<std::uint64_t>(i)),
                 0.02 + i * 0.07, 0.25);
    }
    reverb(out, 0.85, 0.4, 0.4, 0.0);
    return finished(out, len, 0.35);
}

Buffer movie_action() {
    // Pounding toms, low brass stabs and a big hit at the end.
    const double beat = 60.0 / 150.0;
    const double len = 3.4;
    Buffer out = silence(len);
    const double pattern[] = {0,    0.75, 1.5, 2,    2.5, 3,    3.25, 3.5,   3.75, 4,
                              4.75, 5.5,  6,   6.25, 6.5, 6.75, 7,    7.125, 7.25, 7.375};
    int k = 0;
    for (double b : pattern) {
        const double hz = (k % 3 == 0) ? 70.0 : (k % 3 == 1 ? 95.0 : 120.0);
        mix_into(out, tom(hz, 900 + static_cast<std::uint64_t>(k)), b * beat,
                 b >= 7.0 ? 0.5 + (b - 7.0) : 0.6);
        ++k;
    }
    for (double b : {0.0, 2.0, 4.0, 6.0}) {
        mix_into(out, kick(100, 40, 0.6), b * beat, 0.9);
        mix_into(out, snare(950 + static_cast<std::uint64_t>(b)), (b + 1) * beat, 0.3);
    }
    for (double b : {0.0, 1.5, 4.0, 5.5}) {
        for (double m : {38.0, 45.0, 50.0}) {
            mix_into(out, brass(note_hz(m + (b >= 4 ? 3 : 0)), 0.35), b * beat, 0.4);
        }
    }
    const double end = 7.5 * beat;
    mix_into(out, kick(90, 30, 0.9), end, 1.0);
    mix_into(out, timpani(note_hz(38), 0.8, 980), end, 0.6);
    mix_into(out, crash(981, 0.9), end, 0.35);
    for (double m : {38.0, 45.0, 50.0, 53.0}) {
        mix_into(out, brass(note_hz(m), 0.3), end, 0.22);
    }
    Buffer wet = out;
    reverb(wet, 0.5, 0.4, 0.2, 0.0);
    return finished(wet, len);
}

Buffer movie_horror() {
    // Screeching violins stabbing a semitone apart, over a low rumble.
    const double len = 3.2;
    Buffer out = silence(len);
    Buffer rumble = pink_noise(
        len, [](double t) { return 0.6 * smoothstep(0.0, 0.4, t); }, 1000);
    lowpass(rumble, 120.0);
    mix_into(out, rumble, 0.0, 1.0);
    auto screech = [](double hz, double seconds, double fall, std::uint64_t seed) {
        Buffer b = silence(seconds);
        Oscillator a(Wave::Saw), c(Wave::Saw, 0.4);
        Rng rng(seed);
        Biquad body, bite;
        body.set(Biquad::Type::Peak, 2600.0, 1.2, 9.0);
        bite.set(Biquad::Type::Highpass, 700.0, 0.7);
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = time_at(i);
            const double f = hz * std::pow(2.0, -fall * t / seconds) *
                             (1.0 + 0.01 * std::sin(2 * kPi * 7.0 * t));
            const double scrape = rng.bipolar() * 0.35;
            const double v = a.next(f) + c.next(f * 1.0595) + scrape;
            b[i] = static_cast<float>(bite.process(body.process(static_cast<float>(v))) *
                                      strike(t, 0.004, seconds * 0.5));
        }
        return b;
    };
    for (int i = 0; i < 4; ++i) {
        mix_into(out, screech(1500.0 + 90.0 * i, 0.22, 0.3, 1010 + static_cast<std::uint64_t>(i)),
                 0.1 + i * 0.26, 0.4);
    }
    mix_into(out, screech(1900.0, 1.7, 1.6, 1020), 1.25, 0.45);
    mix_into(out, kick(70, 28, 1.2), 1.25, 0.8);
    mix_into(out, string_chord({36, 37, 43}, 1.9, 0.01, 1.2, 1030), 1.25, 1.0);
    reverb(out, 0.85, 0.3, 0.4, 0.0);
    return finished(out, len);
}

Buffer movie_comedy() {
    // A slide whistle up and down, then a springy boing.
    const double len = 2.6;
    Buffer out = silence(len);
    const Envelope pitch(
        {{0.0, 520}, {0.45, 1750}, {0.55, 1750}, {1.1, 430}, {1.25, 430}, {1.5, 1300}});
    Buffer whistle = silence(1.55);
    Oscillator osc(Wave::Sine);
    Rng rng(1100);
    Svf air;
    for (std::size_t i = 0; i < whistle.size(); ++i) {
        const double t = time_at(i);
        const double f = pitch(t) * (1.0 + 0.012 * std::sin(2 * kPi * 9.0 * t));
        air.set(f, 8.0);
        const double dip =
            1.0 - 0.7 * smoothstep(1.06, 1.12, t) * (1.0 - smoothstep(1.22, 1.28, t));
        const double env = smoothstep(0.0, 0.03, t) * (1.0 - smoothstep(1.45, 1.55, t)) * dip;
        const double v = osc.next(f) + 0.3 * air.bandpass(static_cast<float>(rng.bipolar()));
        whistle[i] = static_cast<float>(v * env);
    }
    mix_into(out, whistle, 0.0, 0.6);
    Buffer boing = silence(0.95);
    Oscillator spring(Wave::Triangle);
    for (std::size_t i = 0; i < boing.size(); ++i) {
        const double t = time_at(i);
        const double f = 180.0 + 140.0 * std::sin(2 * kPi * 14.0 * t) * std::exp(-t / 0.35) +
                         60.0 * std::exp(-t / 0.1);
        boing[i] = static_cast<float>(spring.next(f) * strike(t, 0.002, 0.3));
    }
    mix_into(out, boing, 1.6, 0.7);
    mix_into(out, tom(110, 1101), 1.6, 0.3);
    return finished(out, len);
}

Buffer movie_sci_fi() {
    // A resonant filter and FM sweep rising over a sub drone, then echoing zaps.
    const double len = 3.3;
    Buffer out = silence(len);
    Buffer sweep = silence(2.3);
    Oscillator s1(Wave::Saw), s2(Wave::Saw, 0.25), s3(Wave::Saw, 0.5), sub(Wave::Sine);
    Svf f;
    double carrier = 0.0, mod = 0.0;
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const double t = time_at(i);
        const double x = t / 2.3;
        f.set(150.0 * std::pow(40.0, x), 7.0);
        const double pad =
            s1.next(note_hz(45)) + s2.next(note_hz(52) * 1.003) + s3.next(note_hz(57) * 0.997);
        const double hz = 200.0 * std::pow(12.0, x);
        mod += hz * 1.41 / kSampleRate;
        carrier += hz * (1.0 + 2.0 * (1.0 - x) * std::sin(2 * kPi * mod)) / kSampleRate;
        const double fm = std::sin(2 * kPi * carrier) * 0.3;
        const double env = smoothstep(0.0, 0.3, t) * (1.0 - smoothstep(2.1, 2.3, t));
        sweep[i] = static_cast<float>(
            (f.process(static_cast<float>(pad * 0.3)).low + fm + 0.4 * sub.next(41.2)) * env);
    }
    mix_into(out, sweep, 0.0, 0.6);
    auto zap = [](double seconds) {
        Buffer b = silence(seconds);
        Oscillator o(Wave::Square, 0.0, 0.3);
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = time_at(i);
            b[i] = static_cast<float>(o.next(2600.0 * std::exp(-t / 0.07) + 180.0) *
                                      strike(t, 0.001, seconds * 0.4));
        }
        lowpass(b, 6000.0);
        return b;
    };
    for (int e = 0; e < 5; ++e) {
        mix_into(out, zap(0.3), 2.2 + e * 0.2, 0.35 * std::pow(0.55, e));
    }
    reverb(out, 0.75, 0.2, 0.3, 0.0);
    return finished(out, len);
}

Buffer movie_fanfare() {
    // Ta-ta-ta-taaa: trumpets in thirds, timpani and a cymbal on the last chord.
    const double len = 3.6;
    Buffer out = silence(len);
    struct Call {
        double at, dur;
        std::vector<double> notes;
    };
    const Call calls[] = {
        {0.0, 0.14, {67, 64}},      {0.18, 0.14, {67, 64}},        {0.36, 0.14, {67, 64}},
        {0.54, 0.62, {72, 67, 64}}, {1.22, 0.2, {76, 72}},         {1.46, 0.2, {74, 71}},
        {1.7, 0.2, {72, 67}},       {1.94, 1.5, {79, 76, 72, 60}},
    };
    for (const Call& c : calls) {
        for (double m : c.notes) {
            mix_into(out, brass(note_hz(m), c.dur), c.at, 0.22);
        }
    }
    mix_into(out, timpani(note_hz(43), 0.6, 1200), 0.54, 0.5);
    for (int r = 0; r < 6; ++r) {
        mix_into(out, timpani(note_hz(36), 0.5, 1210 + static_cast<std::uint64_t>(r)),
                 1.64 + r * 0.05, 0.12 + r * 0.05);
    }
    mix_into(out, timpani(note_hz(36), 1.5, 1220), 1.94, 0.7);
    mix_into(out, crash(1221, 1.6), 1.94, 0.3);
    reverb(out, 0.7, 0.4, 0.3, 0.0);
    return finished(out, len);
}

} // namespace assetgen::sounds
