// Taking a job from today's noticeboard.
#include "core/game.h"

#include <array>

namespace swoonery {

namespace {
// The smart rating a job asks for, by list row; the comparison is strict.
constexpr std::array<double, 6> kThresholds = {-1e300, -1e300, 45, 65, 75, 85};
} // namespace

void Game::resolve_job() {
    const int job = selected_row() + 1;
    if (job < 1 || job > static_cast<int>(s_.job_catalogue.size()) ||
        job > static_cast<int>(s_.job_available.size())) {
        return;
    }
    const std::size_t row = static_cast<std::size_t>(job - 1);
    if (!s_.job_available[row]) {
        show_message("Can't you see that this job is NOT available today!!");
        return;
    }
    if (row >= 2 && !(s_.smart > kThresholds[row])) {
        play(Sound::Laugh);
        show_message("I think my grandma's more qualified!!!");
        return;
    }
    change_cash(price_value(s_.job_catalogue[row].price));
    play(Sound::Money);
    Control& list = form1()->Do_List;
    list.items.clear();
    list.selected = -1;
}

} // namespace swoonery
