// Buying things for himself: each item closes a share of the gap to 100 in
// one of his ratings.
#include "core/game.h"

namespace swoonery {

void Game::resolve_purchase() {
    const int i = selected_row() + 1;
    if (i < 1 || i > static_cast<int>(s_.self_item_catalogue.size())) {
        return;
    }
    const Row& item = s_.self_item_catalogue[static_cast<std::size_t>(i - 1)];
    const auto price = static_cast<double>(price_value(item.price));
    const bool affordable = price <= s_.cash;
    const double share = price / 10.0 / 100.0;
    if (item.attribute == "looks" && affordable) {
        s_.looks = s_.looks + (100.0 - s_.looks) * share;
    } else if (item.attribute == "smart" && affordable) {
        s_.smart = s_.smart + (100.0 - s_.smart) * share;
    } else if (item.attribute == "luck" && affordable) {
        s_.luck = round16(share * (100.0 - s_.luck) + s_.luck);
    } else {
        play(Sound::Humpf);
        show_message("Are you expecting your mother to pay for this!!");
        return;
    }
    change_cash(-round16(price));
    s_.money_spent = round16(price + s_.money_spent);
    play(Sound::CashRegister);
}

} // namespace swoonery
