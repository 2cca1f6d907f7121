// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score window: the table is read, entered, sorted, shown and saved
// by the scores module; this is the window around it.
#include "core/game.h"
#include "core/handlers.h"
#include "scores/high_scores.h"

#include <array>
#include <optional>

namespace swoonery {

namespace {

void load_high_scores(Game& g) {
    GameState& s = g.state();
    auto& w = g.window_as<ScoresWindow>(Window::HighScores);
    std::optional<scores::Result> result;
    if (s.score_pending) {
        result = scores::Result{s.winner_name, s.winner_score, s.winner_days, s.winner_money};
    }
    // The result is handed over once, whatever becomes of the file.
    s.score_pending = false;
    // Waiting for another game to finish saving keeps the windows painted.
    DesktopInterface& desktop = g.services().desktop;
    scores::HighScoreView view = scores::open_high_scores(
        g.services().data_dir / "Scores", result,
        [&desktop](std::chrono::milliseconds time) { desktop.pause(time); });
    w.grid.cells = std::move(view.cells);
    w.grid.red_rows = std::move(view.red_rows);
    if (!view.error.empty()) {
        g.message_box("Swoonery", std::move(view.error), true, AfterBox::Nothing);
    }
}

void scores_ok(Game& g) {
    g.reenable_main_window();
    g.unload(Window::HighScores);
}

void scores_play_again(Game& g) {
    // The set-up form comes up over the table; confirming it only brings the
    // main window back, and the new name and ratings count from Play Again.
    g.show(Window::Setup);
    activate_setup_form(g);
}

constexpr std::array<ClickRoute, 2> kClicks = {{
    {Control::Ok, scores_ok},
    {Control::PlayAgain, scores_play_again},
}};

const WindowRoutes kRoutes{
    .clicks = kClicks,
    .on_load = load_high_scores,
    .on_close = scores_ok,
};

} // namespace

const WindowRoutes& scores_routes() {
    return kRoutes;
}

} // namespace swoonery
