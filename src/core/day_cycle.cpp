// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Days passing and the things that happen without being asked: complaints,
// the speeding fine, found money, the cat, and resentment of lavish gifts.
#include "base/text.h"
#include "core/game.h"

namespace swoonery {

void Game::next_day(int16 days) {
    s_.day = sat16(s_.day + days);
    if (MainWindow* f = main_window()) {
        f->day_count.text = "Day " + plain_decimal(static_cast<long long>(s_.day));
    }
    if (s_.day >= 30 && !s_.game_over) {
        auto& lost = static_cast<MessageWindow&>(*ensure_loaded(Window::Lost));
        lost.message.text =
            " Hey Pal! you've been at it for a month. I think you should give up!!!";
        show_over_main_window(Window::Lost);
        s_.game_over = true;
    }
}

void Game::complain(Complaint complaint) {
    play(Sound::Sigh);
    if (!s_.game_over) {
        show_over_main_window(complaint == Complaint::Bored ? Window::Bored : Window::Ignored);
    }
}

void Game::speeding_event() {
    const long long r = draw(svc_.rng, s_.luck + 10LL);
    if (r == 3 && s_.cash > 60 && !s_.game_over) {
        change_cash(-60);
        play(Sound::Police);
        show_over_main_window(Window::Speeding);
    }
}

void Game::found_money_event() {
    const long long r = draw(svc_.rng, 110LL - s_.luck);
    if (r == 9 && !s_.game_over) {
        play(Sound::FoundMoney);
        change_cash(100);
        show_over_main_window(Window::FoundMoney);
    }
}

void Game::cat_event() {
    const long long r = draw(svc_.rng, s_.luck + 10LL);
    if (r == 3 && !s_.game_over) {
        play_to_end(Sound::Cat);
        show_over_main_window(Window::Cat);
    }
}

void Game::buy_off_check() {
    if (s_.gift_spending > 80.0 / 100.0 * s_.money_spent && s_.heart_value > 65) {
        play(Sound::Sigh);
        show_message(s_.Gname + ":" + " Are you tring to buy me off!!!");
        set_heart(sat16(s_.heart_value - 10));
        // The heart value is above 55 here, so the divisor is at least 7.
        s_.gift_spending = round16(s_.gift_spending - s_.gift_spending / (s_.heart_value / 8.0));
    }
}

} // namespace swoonery
