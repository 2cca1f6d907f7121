// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays random input that a player could give: a click on any visible,
// enabled button or menu entry of an open window, a row of a list, a slider
// movement, a name typed, a close box. Used for monkey tests and benchmarks.
#pragma once

#include "core/game.h"

#include <optional>
#include <random>
#include <string>

namespace swoonery::driver {

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed) : rng_(seed) {}

    // Chooses one input a player could give now; nullopt when there is none.
    // Inputs that end the program (Exit, the close boxes of the main and
    // set-up windows) are left out unless allow_exit is set.
    std::optional<Input> next(const Game& game, bool allow_exit = false);
    // Gives the next input to the game and returns it as a driver command,
    // so that a failing sequence can be replayed; "" when there was none.
    std::string step(Game& game, bool allow_exit = false);

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    std::mt19937_64 rng_;
};

} // namespace swoonery::driver
