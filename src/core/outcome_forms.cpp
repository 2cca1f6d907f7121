// The buttons of the outcome and message windows: what each costs, and when
// the main window takes input again.
#include "core/game.h"

namespace swoonery {

void Game::outcome_ok(WindowId id) {
    switch (id) {
    case WindowId::Form3:
        s_.score_pending = true;
        show(WindowId::Form5);
        unload(WindowId::Form3);
        break; // the high-score window enables the main window
    case WindowId::Form4:
        if (alone()) {
            reenable_main_window();
        }
        s_.heart_value = sat16(s_.heart_value - 5);
        display_heart(s_.heart_value);
        unload(id);
        break;
    case WindowId::Form9:
        if (alone()) {
            reenable_main_window();
        }
        s_.heart_value = sat16(s_.heart_value - 10);
        display_heart(s_.heart_value);
        unload(id);
        break;
    case WindowId::Form10:
        s_.heart_value = sat16(s_.heart_value - 10);
        display_heart(s_.heart_value);
        if (alone()) {
            reenable_main_window();
        }
        unload(id);
        break;
    case WindowId::Form11:
        unload(id);
        reenable_main_window();
        break;
    case WindowId::Form12:
    case WindowId::Form13:
        reenable_main_window();
        unload(id);
        break;
    case WindowId::Form6:
    case WindowId::Form7:
    case WindowId::Form8:
        if (alone()) {
            reenable_main_window();
        }
        unload(id);
        break;
    default:
        break;
    }
}

void Game::game_over_play_again() {
    if (MainWindow* f = form1()) {
        f->enabled = true;
    }
    Restart(false);
    show_main_window();
    unload(WindowId::Form12);
}

} // namespace swoonery
