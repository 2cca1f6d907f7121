// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Buying things for himself: each item closes a share of the gap to 100 in
// one of his ratings.
#include "actions/resolvers.h"

#include "core/game.h"

namespace swoonery {

void resolve_purchase(Game& g, int item_row) {
    GameState& s = g.state();
    if (item_row < 1 || item_row > static_cast<int>(s.self_item_catalogue.size())) {
        return;
    }
    const Row& item = s.self_item_catalogue[static_cast<std::size_t>(item_row - 1)];
    const double share = item.price / 10.0 / 100.0;
    if (item.raises && item.price <= s.cash) {
        switch (*item.raises) {
        case Rating::Looks:
            s.looks = s.looks + (100.0 - s.looks) * share;
            break;
        case Rating::Smart:
            s.smart = s.smart + (100.0 - s.smart) * share;
            break;
        case Rating::Luck:
            s.luck = round16(share * (100.0 - s.luck) + s.luck);
            break;
        }
    } else {
        g.play(Sound::Humpf);
        g.show_message("Are you expecting your mother to pay for this!!");
        return;
    }
    g.spend(item.price);
    g.play(Sound::CashRegister);
}

} // namespace swoonery
