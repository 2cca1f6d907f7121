// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Buying her a gift: her heart rises by a share of the price, and lavish
// giving may offend her.
#include "actions/resolvers.h"

#include "core/game.h"

namespace swoonery {

void resolve_gift(Game& g, int gift) {
    GameState& s = g.state();
    s.work_streak = 0;
    if (gift < 1 || gift > static_cast<int>(s.gift_catalogue.size())) {
        return;
    }
    const int price = s.gift_catalogue[static_cast<std::size_t>(gift - 1)].price;
    if (price <= s.cash) {
        const double divisor = price < 500 ? 20.0 : 40.0;
        g.set_heart(round16(price / divisor + s.heart_value));
        g.spend(price);
        s.gift_spending = sat16(s.gift_spending + price);
        g.play(Sound::CashRegister);
        g.say(s.player_name + ":" + " I got something for you" + "\r\n" + s.Gname + ":" +
              " I like it thank you!!");
        g.buy_off_check();
    } else {
        g.play(Sound::Humpf);
        g.show_message("You ain't got the dough Bro!");
    }
}

} // namespace swoonery
