// Buying her a gift: her heart rises by a share of the price, and lavish
// giving may offend her.
#include "core/game.h"

namespace swoonery {

void Game::resolve_gift() {
    s_.work_streak = 0;
    const int i = selected_row() + 1;
    if (i < 1 || i > static_cast<int>(s_.gift_catalogue.size())) {
        return;
    }
    const auto price =
        static_cast<double>(price_value(s_.gift_catalogue[static_cast<std::size_t>(i - 1)].price));
    if (price <= s_.cash) {
        const double divisor = price < 500 ? 20.0 : 40.0;
        s_.heart_value = round16(price / divisor + s_.heart_value);
        display_heart(s_.heart_value);
        change_cash(-round16(price));
        s_.money_spent = round16(price + s_.money_spent);
        s_.gift_spending = round16(price + s_.gift_spending);
        play(Sound::CashRegister);
        set_talk(s_.player_name + ":" + " I got something for you" + "\r\n" + s_.Gname + ":" +
                 " I like it thank you!!");
        buy_off_check();
    } else {
        play(Sound::Humpf);
        show_message("You ain't got the dough Bro!");
    }
}

} // namespace swoonery
