// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Money kept to four decimal places, as the high-score table stores it.
#pragma once

#include <cstdint>

namespace swoonery {

// A money amount in ten-thousandths of a dollar (64-bit fixed point with four
// decimal places).
struct Currency {
    std::int64_t units = 0;
    static constexpr Currency dollars(long long d) { return Currency{d * 10000}; }
    constexpr double to_dollars() const { return static_cast<double>(units) / 10000.0; }
    constexpr bool operator==(const Currency&) const = default;
};

} // namespace swoonery
