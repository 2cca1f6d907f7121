// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A new game: every field back to its starting value, a girl, her topics.
#include "core/catalogues.h"
#include "core/game.h"
#include "base/text.h"

namespace swoonery {

namespace {

// One copy of each catalogue, built once; assigning it to a catalogue of the
// same size reuses the catalogue's strings.
template <const auto& Table>
const std::vector<Row>& rows_of() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> r;
        r.reserve(Table.size());
        for (const CatalogueRow& c : Table) {
            r.push_back({std::string(c.name), std::string(c.price), std::string(c.attribute)});
        }
        return r;
    }();
    return rows;
}

} // namespace

void Game::Restart(bool new_girl) {
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
    ensure_loaded(WindowId::Form2);
    SetupWindow* setup = form2();
    if (setup == nullptr) {
        return; // the program ended while the form loaded
    }
    s_.player_name = trim_blanks(setup->name_txt.text);

    if (new_girl) {
        ChangeFace();
        for (std::size_t i = 0; i < kGirlNames.size(); ++i) {
            s_.girl_names[i].assign(kGirlNames[i]);
        }
        const long long n = draw(svc_.rng, 10);
        s_.Gname = s_.girl_names[static_cast<std::size_t>(n - 1)];
    }

    s_.looks = setup->looks_sld.value;
    s_.smart = setup->smart_sld.value - 15;
    s_.luck = sat16(setup->luck_sld.value);

    s_.talks_today = 0;

    for (std::size_t i = 0; i < kTopics.size(); ++i) {
        s_.interest_table[i].name.assign(kTopics[i]);
        s_.interest_table[i].mark = mark::kNotLiked;
    }
    for (std::size_t i = 0; i < s_.liked_topics.size(); ++i) {
        const long long r = draw(svc_.rng, 20);
        s_.liked_topics[i] = sat16(r);
        s_.interest_table[static_cast<std::size_t>(r - 1)].mark = mark::kLiked;
    }

    s_.place_catalogue = rows_of<kPlaces>();
    s_.gift_catalogue = rows_of<kGifts>();
    s_.job_catalogue = rows_of<kJobs>();
    s_.self_item_catalogue = rows_of<kSelfItems>();

    MainWindow* f = form1();
    if (f == nullptr) {
        return;
    }
    f->Talk.text.clear();
    display_heart(s_.heart_value);
    f->days_lbl.text = "Day 1";
    f->money_lbl.text = "Cash $50";
    f->Do_List.items.clear();
    f->Do_List.selected = -1;
    f->Do_List.tooltip.clear();
    // Sound is on again for every game, and the menu's check mark says so.
    f->sndenable.checked = true;
}

} // namespace swoonery
