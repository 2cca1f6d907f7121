// The main window as a whole: loading and closing it, its menu bar, the
// desktop check, and the web pages it opens.
#include "core/game.h"

namespace swoonery {

void Game::load_main_window() {
    // A fresh main window starts a fresh main-window part of the state.
    s_.discard_main_window_part();
    Restart(true);
}

void Game::show_main_window() {
    const bool first = form1() == nullptr;
    show(WindowId::Form1);
    if (first && running_) {
        desktop_check(); // showing the window raises its resize event
    }
}

void Game::close_main_window(bool end_when_alone) {
    unload(WindowId::Form1);
    unload(WindowId::Form2);
    s_.discard_main_window_part();
    if (end_when_alone && load_order_.empty()) {
        end_program();
    }
}

void Game::desktop_check() {
    if (desktop_too_small()) {
        message_box("Swoonery",
                    "The desktop size has to be at least 800x600 for Swoonery to work properly",
                    false, AfterBox::EndProgram);
    }
}

void Game::main_menu(ControlId control) {
    MainWindow& f = *form1();
    if (control == ControlId::newgame) {
        close_main_window(false);
        load(WindowId::Form2);
        if (running_ && window(WindowId::MsgBox) == nullptr) {
            show(WindowId::Form2);
            activate_setup_form();
        }
    } else if (control == ControlId::rstart) {
        Restart(false);
    } else if (control == ControlId::exit) {
        end_program();
    } else if (control == ControlId::hscores) {
        disable_main_window();
        show(WindowId::Form5);
    } else if (control == ControlId::sndenable) {
        f.sndenable.checked = !f.sndenable.checked;
        s_.sound_on = f.sndenable.checked;
    } else if (control == ControlId::onlinehelp) {
        open_web_page(f.txtUrl.text);
    } else if (control == ControlId::about) {
        disable_main_window();
        show(WindowId::Form13);
    }
    // "&File", "&Sounds" and "&Help" only open their submenus.
}

void Game::open_web_page(const std::string& url) {
    switch (svc_.browser.open(url)) {
    case BrowserResult::Opened:
        break;
    case BrowserResult::NotFound:
        message_box("Browser Not Found", "Could not your Browser", true, AfterBox::Nothing);
        break;
    case BrowserResult::NotOpened:
        message_box("URL Failed", "Web Page not Opened", true, AfterBox::Nothing);
        break;
    }
}

} // namespace swoonery
