// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Days passing and the things that happen without being asked: complaints,
// the speeding fine, found money, the cat, and resentment of lavish gifts.
#include "core/game.h"
#include "base/text.h"

namespace swoonery {

void Game::next_day(int16 days) {
    s_.day = sat16(s_.day + days);
    if (MainWindow* f = form1()) {
        f->days_lbl.text = "Day " + plain_decimal(static_cast<long long>(s_.day));
    }
    if (s_.day >= 30 && !s_.game_over) {
        auto& lost = static_cast<MessageWindow&>(*ensure_loaded(WindowId::Form8));
        lost.Label1.text =
            " Hey Pal! you've been at it for a month. I think you should give up!!!";
        show(WindowId::Form8);
        forms_.disable_main_window();
        s_.game_over = true;
    }
}

void Game::complain(std::string_view kind) {
    play(Sound::Sigh);
    if (kind == "b" && !s_.game_over) {
        show(WindowId::Form10);
        forms_.disable_main_window();
    }
    if (kind == "w" && !s_.game_over) {
        show(WindowId::Form9);
        forms_.disable_main_window();
    }
}

void Game::speeding_event() {
    const long long r = draw(svc_.rng, s_.luck + 10LL);
    if (r == 3 && s_.cash > 60 && !s_.game_over) {
        forms_.disable_main_window();
        change_cash(-60);
        play(Sound::Police);
        show(WindowId::Form7);
    }
}

void Game::found_money_event() {
    const long long r = draw(svc_.rng, 110LL - s_.luck);
    if (r == 9 && !s_.game_over) {
        forms_.disable_main_window();
        play(Sound::FoundMoney);
        change_cash(100);
        show(WindowId::Form6);
    }
}

void Game::cat_event() {
    const long long r = draw(svc_.rng, s_.luck + 10LL);
    if (r == 3 && !s_.game_over) {
        play_to_end(Sound::Cat);
        forms_.disable_main_window();
        show(WindowId::Form4);
    }
}

void Game::buy_off_check() {
    if (s_.gift_spending > 80.0 / 100.0 * s_.money_spent && s_.heart_value > 65) {
        play(Sound::Sigh);
        show_message(s_.Gname + ":" + " Are you tring to buy me off!!!");
        s_.heart_value = sat16(s_.heart_value - 10);
        display_heart(s_.heart_value);
        // The heart value is above 55 here, so the divisor is at least 7.
        s_.gift_spending =
            round16(s_.gift_spending - s_.gift_spending / (s_.heart_value / 8.0));
    }
}

} // namespace swoonery
