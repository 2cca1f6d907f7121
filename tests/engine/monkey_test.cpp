// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver/random_player.h"
#include "harness.h"

#include <cmath>

namespace swoonery::test {
namespace {

// What must hold after every input, whatever was played; "" when all is well.
std::string broken_invariant(Game& g) {
    if (!g.running()) {
        return {};
    }
    const MainWindow* f = g.main_window();
    bool secondary = false;
    for (const Window id : g.load_order()) {
        if (id != Window::Main && id != Window::Setup) {
            secondary = true;
        }
    }
    if (f != nullptr) {
        const GameState& s = g.state();
        if (!secondary && !f->enabled) {
            return "the main window is disabled with no other window open";
        }
        const double lit = std::clamp(std::nearbyint(s.heart_value / 5.0), 0.0, 20.0);
        if (f->hearts.shown != static_cast<int>(lit)) {
            return "the gauge shows " + std::to_string(f->hearts.shown) + " hearts for " +
                   std::to_string(s.heart_value);
        }
        if (f->heart_value.text != std::to_string(std::clamp<int>(s.heart_value, 0, 100))) {
            return "the heart label reads " + f->heart_value.text;
        }
        if (f->take_her_out.enabled != (s.heart_value >= 30)) {
            return "the date button does not follow the heart value";
        }
        if (f->day_count.text != "Day " + std::to_string(s.day)) {
            return "the day label reads " + f->day_count.text;
        }
        if (f->cash_count.text != "Cash  $" + std::to_string(s.cash) &&
            !(f->cash_count.text == "Cash $50" && s.cash == 50)) {
            return "the cash label reads " + f->cash_count.text;
        }
        if (s.cash < 0) {
            return "cash went negative";
        }
        if (f->action_list.selected >= static_cast<int>(f->action_list.items.size())) {
            return "the list selects a row it does not have";
        }
    } else if (!g.load_order().empty() && g.setup_form() != nullptr && !g.setup_form()->visible &&
               g.window(Window::MessageBox) == nullptr) {
        return "only a hidden set-up form is left";
    }
    return {};
}

// Thousands of sessions of random legal input never leave the game stuck,
// inconsistent or crashed; a failure prints a driver script that replays it.
TEST(RandomPlay, InvariantsHoldAfterEveryInput) {
    constexpr int kSessions = 1000;
    constexpr int kSteps = 250;
    long long inputs = 0;
    int endings = 0;
    for (int session = 1; session <= kSessions; ++session) {
        Harness h;
        h.run("seed " + std::to_string(session) + "\nstart");
        driver::RandomPlayer player(static_cast<std::uint64_t>(session) * 7919);
        std::string replay = "seed " + std::to_string(session) + "\nstart\n";
        for (int step = 0; step < kSteps && h.game().running(); ++step) {
            const std::string input = player.step(h.game(), step > kSteps - 5);
            ASSERT_FALSE(input.empty()) << "no input is possible; replay:\n" << replay;
            replay += input + "\n";
            ++inputs;
            if (h.open(Window::Win) || h.open(Window::Lost)) {
                ++endings;
            }
            const std::string why = broken_invariant(h.game());
            ASSERT_TRUE(why.empty()) << why << "\nreplay with swoonery-driver:\n" << replay;
        }
    }
    EXPECT_GT(inputs, kSessions * 100LL);
    EXPECT_GT(endings, 0) << "random play should reach the end of a game now and then";
}

} // namespace
} // namespace swoonery::test
