// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Instruments and sound sources built on the synthesiser: drums, pianos,
// strings, brass, bells, plucked strings, voices and crowds.
#pragma once

#include "synth.h"

#include <cstdint>
#include <vector>

namespace assetgen {

// A two-pole resonator: rings at `hz` with decay time constant `tau`.
class Resonator {
public:
    Resonator(double hz, double tau);
    float process(float x);

private:
    double b1_, b2_, gain_;
    double y1_ = 0.0, y2_ = 0.0;
};

// Runs an excitation through a bank of resonators (one per partial).
Buffer resonate(const Buffer& excitation, double hz, const std::vector<Partial>& partials);

// Cuts or pads to an exact length.
void set_length(Buffer& b, double seconds);

// Drums.
Buffer kick(double start_hz = 150.0, double end_hz = 45.0, double seconds = 0.45);
Buffer snare(std::uint64_t seed, double seconds = 0.3);
Buffer hat(std::uint64_t seed, double tau = 0.03);
Buffer clap(std::uint64_t seed);
Buffer crash(std::uint64_t seed, double seconds = 2.0);
Buffer tom(double hz, std::uint64_t seed);
Buffer timpani(double hz, double seconds, std::uint64_t seed);

// Pitched instruments; `hz` is the fundamental.
Buffer piano(double hz, double seconds, double velocity);
Buffer organ(double hz, double seconds);
Buffer strings(double hz, double seconds, double attack, double release, std::uint64_t seed);
Buffer violin(double hz, double seconds, double attack, double release);
Buffer brass(double hz, double seconds);
// Karplus-Strong plucked string; `damping` near 1 rings long.
Buffer pluck(double hz, double seconds, double brightness, double damping, std::uint64_t seed);
Buffer glockenspiel(double hz, double seconds);
Buffer tone_bar(double hz, double seconds);
Buffer glass_clink(double hz, std::uint64_t seed);

// Speech-like sounds.
enum class Vowel { A, E, I, O, U, Schwa, M };
// Formants of a vowel, `scale` > 1 for smaller voices.
Formants vowel(Vowel v, double scale = 1.0);
// Murmur of `voices` people talking at once.
Buffer crowd(double seconds, int voices, double low_hz, double high_hz, std::uint64_t seed);

} // namespace assetgen
