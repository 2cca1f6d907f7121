// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-number arithmetic of the game: counters and money are 16-bit, and
// fractions are rounded half to even before they are stored.
#pragma once

#include <cstdint>

namespace swoonery {

using int16 = std::int16_t;

// Narrows to the 16-bit range, saturating at -32768 and 32767 instead of
// wrapping or failing.
constexpr int16 sat16(long long v) {
    if (v > 32767) {
        return 32767;
    }
    if (v < -32768) {
        return -32768;
    }
    return static_cast<int16>(v);
}

// Rounds to the nearest whole number, a half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). NaN stays NaN; infinities stay infinite.
double round_half_even(double x);

// The one way a fractional result is stored into a 16-bit field: rounded half
// to even, then saturated. NaN stores as 0.
int16 round16(double x);

} // namespace swoonery
