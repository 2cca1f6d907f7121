// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking a job from today's noticeboard.
#include "actions/resolvers.h"

#include "core/game.h"

#include <array>

namespace swoonery {

namespace {
// The smart rating a job asks for, by list row; the comparison is strict.
constexpr std::array<double, 6> kThresholds = {-1e300, -1e300, 45, 65, 75, 85};
} // namespace

void resolve_job(Game& g, int job) {
    if (job < 1 || job > static_cast<int>(g.state().job_catalogue.size()) ||
        job > static_cast<int>(g.state().job_available.size())) {
        return;
    }
    const std::size_t row = static_cast<std::size_t>(job - 1);
    if (!g.state().job_available[row]) {
        g.show_message("Can't you see that this job is NOT available today!!");
        return;
    }
    if (row >= 2 && !(g.state().smart > kThresholds[row])) {
        g.play(Sound::Laugh);
        g.show_message("I think my grandma's more qualified!!!");
        return;
    }
    g.change_cash(g.state().job_catalogue[row].price);
    g.play(Sound::Money);
    g.main_window()->action_list.clear();
}

} // namespace swoonery
