// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The action button: it resolves the chosen entry of the open category.
#include "actions/resolvers.h"
#include "actions/rules.h"

#include "core/game.h"
#include "core/handlers.h"

namespace swoonery {

namespace {

void resolve(Game& g, Category category, int chosen) {
    switch (category) {
    case Category::Gifts:
        return resolve_gift(g, chosen);
    case Category::Talk:
        return resolve_talk(g, chosen);
    case Category::Places:
        return resolve_date(g, chosen);
    case Category::Jobs:
        return resolve_job(g, chosen);
    case Category::Shopping:
        return resolve_purchase(g, chosen);
    }
}

void action_button(Game& g) {
    MainWindow& f = *g.main_window();
    f.action_button.visible = false;
    // A game that has ended stays as it was: like the category buttons, the
    // button only leads to the game-over window.
    if (game_over_opening(g)) {
        return;
    }
    // The button can still be visible after a category button refilled the
    // list; with nothing chosen there is nothing to resolve or to count.
    const int chosen = f.action_list.selected + 1;
    if (chosen < 1) {
        return;
    }
    g.count_action();
    if (f.category) {
        resolve(g, *f.category, chosen);
    }
}

} // namespace

Rules play_rules() {
    return Rules{.press_action_button = action_button};
}

} // namespace swoonery
