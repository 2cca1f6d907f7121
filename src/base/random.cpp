// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/random.h"

#include <cmath>

namespace swoonery {

long long draw(RandomSource& rng, long long n) {
    const double u = rng.uniform();
    return static_cast<long long>(std::floor(u * static_cast<double>(n) + 1.0));
}

double SeededRandom::uniform() {
    // 53 random bits scaled into [0, 1): never 1.0, unlike some
    // generate_canonical implementations.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace swoonery
