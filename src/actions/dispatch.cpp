// The action button: it resolves the chosen entry of the open category.
#include "core/game.h"

namespace swoonery {

int Game::selected_row() const { return form1()->Do_List.selected; }

void Game::set_talk(std::string text) { form1()->Talk.text = std::move(text); }

void Game::action_button() {
    MainWindow& f = *form1();
    f.cmd_ok.visible = false;
    // The button can still be visible after a category button refilled the
    // list; with nothing chosen there is nothing to resolve or to count.
    if (selected_row() < 0) {
        return;
    }
    s_.action_count = sat16(s_.action_count + 1);
    const std::string& title = f.Frame1.text;
    if (title == category::kPlaces) {
        resolve_date();
    }
    if (title == category::kJobs) {
        resolve_job();
    }
    if (title == category::kTalk) {
        resolve_talk();
    }
    if (title == category::kShopping) {
        resolve_purchase();
    }
    if (title == category::kGifts) {
        resolve_gift();
    }
}

} // namespace swoonery
