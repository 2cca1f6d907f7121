// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one source of chance. Every draw the rules name takes exactly one
// value from it, in the order the rules give.
#pragma once

#include <cstdint>
#include <random>

namespace swoonery {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform value u with 0 <= u < 1.
    virtual double uniform() = 0;
};

// One draw turned into a whole number: the whole part of u * n + 1, which lies
// in 1..n for n >= 1. For n <= 0 the result is at most 1, so a rule comparing
// it with a number above 1 never fires.
long long draw(RandomSource& rng, long long n);

// A seedable generator (64-bit Mersenne twister); the same seed gives the same
// sequence on every machine.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void reseed(std::uint64_t seed) { engine_.seed(seed); }
    double uniform() override;

private:
    std::mt19937_64 engine_;
};

} // namespace swoonery
