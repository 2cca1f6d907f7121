// The high-score window: the table is read, entered, sorted, shown and saved
// by the scores module; this is the window around it.
#include "core/game.h"
#include "scores/high_scores.h"

namespace swoonery {

void Game::load_high_scores() {
    auto& w = win<ScoresWindow>(WindowId::Form5);
    std::optional<scores::Result> result;
    if (s_.score_pending) {
        result = scores::Result{s_.winner_name, s_.winner_score, s_.winner_days, s_.winner_money};
    }
    // The result is handed over once, whatever becomes of the file.
    s_.score_pending = false;
    scores::HighScoreView view = scores::open_high_scores(svc_.data_dir / "Scores", result);
    w.Score_list.cells = std::move(view.cells);
    w.Score_list.red_rows = std::move(view.red_rows);
    if (!view.error.empty()) {
        message_box("Swoonery", std::move(view.error), true, AfterBox::Nothing);
    }
}

void Game::scores_ok() {
    reenable_main_window();
    unload(WindowId::Form5);
}

void Game::scores_play_again() {
    // The set-up form comes up over the table; confirming it only brings the
    // main window back, and the new name and ratings count from Play Again.
    show(WindowId::Form2);
    activate_setup_form();
}

} // namespace swoonery
