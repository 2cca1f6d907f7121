// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The status display: heart gauge, cash, face, and the end of a game by heart.
#include "base/text.h"
#include "core/game.h"

#include <algorithm>
#include <cmath>

namespace swoonery {

void Game::display_heart(int16 value) {
    MainWindow* f = main_window();
    if (f == nullptr) {
        return;
    }
    const double lit = round_half_even(static_cast<double>(value) * 20.0 / 100.0);
    f->hearts.shown = static_cast<int>(std::clamp(lit, 0.0, 20.0));
    f->heart_value.text = plain_decimal(static_cast<long long>(std::clamp<int>(value, 0, 100)));
    f->take_her_out.enabled = s_.heart_value >= 30;

    if (s_.heart_value < 1 && !s_.game_over) {
        show_over_main_window(Window::Lost);
        s_.game_over = true;
    }
    if (s_.heart_value > 99 && !s_.game_over) {
        auto& won = static_cast<WinWindow&>(*ensure_loaded(Window::Win));
        won.money_spent.text =
            "Total Money Spent $" + plain_decimal(static_cast<long long>(s_.money_spent));
        won.total_days.text = "Total Days " + plain_decimal(static_cast<long long>(s_.day));
        // A divisor below 1 cannot happen in play; it counts as 1 rather than
        // giving an infinite score.
        const double actions = std::max<double>(1.0, s_.action_count);
        const double days = std::max<double>(1.0, s_.day);
        const double spent = std::max<double>(1.0, s_.money_spent);
        const double score = std::trunc((1.0 / actions) * (1.0 / days) * (1.0 / spent) * 1e10);
        s_.winner_score = score;
        s_.winner_name = s_.player_name;
        s_.winner_days = s_.day;
        s_.winner_money = Currency::dollars(s_.money_spent);
        s_.game_over = true;
        won.score.text = "Your Score : " + plain_decimal(score);
        show_over_main_window(Window::Win);
    }
}

void Game::change_cash(long long delta) {
    s_.cash = sat16(s_.cash + delta);
    if (MainWindow* f = main_window()) {
        f->cash_count.text = "Cash  $" + plain_decimal(static_cast<long long>(s_.cash));
    }
}

void Game::change_face() {
    const long long n = draw(svc_.rng, static_cast<long long>(pictures::kPortraits.size()));
    s_.face = static_cast<int>(n);
    if (MainWindow* f = main_window()) {
        f->face.picture = pictures::kPortraits[static_cast<std::size_t>(n - 1)];
        f->face.tooltip = "Hi " + s_.player_name;
    }
}

} // namespace swoonery
