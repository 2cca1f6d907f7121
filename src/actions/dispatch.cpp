// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The action button: it resolves the chosen entry of the open category.
#include "actions/resolvers.h"
#include "actions/rules.h"

#include "core/game.h"
#include "core/handlers.h"

#include <array>
#include <string_view>
#include <utility>

namespace swoonery {

namespace {

// The list's frame is titled after its category; the title tells the
// button which resolver the chosen row goes to.
constexpr std::array<std::pair<std::string_view, void (*)(Game&, int)>, 5> kResolvers = {{
    {category::kPlaces, resolve_date},
    {category::kJobs, resolve_job},
    {category::kTalk, resolve_talk},
    {category::kShopping, resolve_purchase},
    {category::kGifts, resolve_gift},
}};

} // namespace

void set_talk(Game& g, std::string text) {
    g.form1()->Talk.text = std::move(text);
}

namespace {

void action_button(Game& g) {
    GameState& s = g.state();
    MainWindow& f = *g.form1();
    f.cmd_ok.visible = false;
    // A game that has ended stays as it was: like the category buttons, the
    // button only leads to the game-over window.
    if (game_over_opening(g)) {
        return;
    }
    // The button can still be visible after a category button refilled the
    // list; with nothing chosen there is nothing to resolve or to count.
    const int chosen = f.Do_List.selected + 1;
    if (chosen < 1) {
        return;
    }
    s.action_count = sat16(s.action_count + 1);
    const std::string_view title = f.Frame1.text;
    for (const auto& [category_title, resolve] : kResolvers) {
        if (title == category_title) {
            resolve(g, chosen);
            return;
        }
    }
}

} // namespace

Rules play_rules() { return Rules{.press_action_button = action_button}; }

} // namespace swoonery
