// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A new game: every field back to its starting value, a girl, her topics.
#include "base/text.h"
#include "core/catalogues.h"
#include "core/game.h"

namespace swoonery {

namespace {

// One copy of each catalogue, built once; assigning it to a catalogue of the
// same size reuses the catalogue's strings.
template <const auto& Table> const std::vector<Row>& rows_of() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> r;
        r.reserve(Table.size());
        for (const CatalogueRow& c : Table) {
            r.push_back({std::string(c.name), c.price, c.raises});
        }
        return r;
    }();
    return rows;
}

// The player as the set-up form describes him.
struct Player {
    std::string name;
    int looks;
    int smart;
    int luck;
};

Player player_of(const SetupWindow& form) {
    return {trim_blanks(form.name.text), form.looks.value, form.smart.value, form.luck.value};
}

} // namespace

void Game::restart(bool new_girl) {
    s_.score_pending = false;
    s_.winner_name.clear();
    s_.winner_score = 0.0;
    s_.sound_on = true;
    s_.money_spent = 0;
    s_.action_count = 0;
    s_.game_over = false;
    s_.repeat_window = 3;
    s_.gift_spending = 0;
    s_.last_visit_day.fill(-3);
    s_.day = 1;
    s_.heart_value = 10;
    s_.cash = 50;

    // The set-up form is read for the name and the ratings; it stays loaded
    // while the main window is open, and is loaded hidden if it was closed.
    ensure_loaded(Window::Setup);
    const SetupWindow* setup = setup_form();
    if (setup == nullptr) {
        return; // the program ended while the form loaded
    }
    const Player player = player_of(*setup);
    s_.player_name = player.name;

    if (new_girl) {
        change_face();
        for (std::size_t i = 0; i < kGirlNames.size(); ++i) {
            s_.girl_names[i].assign(kGirlNames[i]);
        }
        const long long n = draw(svc_.rng, 10);
        s_.Gname = s_.girl_names[static_cast<std::size_t>(n - 1)];
    }

    s_.looks = player.looks;
    s_.smart = player.smart - 15;
    s_.luck = sat16(player.luck);

    s_.talks_today = 0;

    for (std::size_t i = 0; i < kTopics.size(); ++i) {
        s_.interest_table[i].name.assign(kTopics[i]);
        s_.interest_table[i].mark = Mark::NotLiked;
    }
    for (std::size_t i = 0; i < s_.liked_topics.size(); ++i) {
        const long long r = draw(svc_.rng, 20);
        s_.liked_topics[i] = sat16(r);
        s_.interest_table[static_cast<std::size_t>(r - 1)].mark = Mark::Liked;
    }

    s_.place_catalogue = rows_of<kPlaces>();
    s_.gift_catalogue = rows_of<kGifts>();
    s_.job_catalogue = rows_of<kJobs>();
    s_.self_item_catalogue = rows_of<kSelfItems>();

    MainWindow* f = main_window();
    if (f == nullptr) {
        return;
    }
    f->dialogue.text.clear();
    display_heart(s_.heart_value);
    f->day_count.text = "Day 1";
    f->cash_count.text = "Cash $50";
    f->action_list.clear();
    f->action_list.tooltip.clear();
    // Sound is on again for every game, and the menu's check mark says so.
    f->sound_enabled.checked = true;
}

} // namespace swoonery
