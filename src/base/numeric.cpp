// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/numeric.h"

#include <cmath>

namespace swoonery {

double round_half_even(double x) {
    if (!std::isfinite(x)) {
        return x;
    }
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff > 0.5) {
        return lower + 1.0;
    }
    if (diff < 0.5) {
        return lower;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int16 round16(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double r = round_half_even(x);
    if (r >= 32767.0) {
        return 32767;
    }
    if (r <= -32768.0) {
        return -32768;
    }
    return static_cast<int16>(r);
}

} // namespace swoonery
