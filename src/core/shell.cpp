// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as a whole: loading and closing it, its menu bar, the
// desktop check, the web pages it opens, and where each of its controls'
// input goes.
#include "core/game.h"
#include "core/handlers.h"

#include <array>

namespace swoonery {

namespace {

void load_main_window(Game& g) {
    // A fresh main window starts a fresh main-window part of the state.
    g.state().discard_main_window_part();
    g.restart(true);
}

void close_main_window(Game& g, bool end_when_alone) {
    g.unload(Window::Main);
    g.unload(Window::Setup);
    g.state().discard_main_window_part();
    if (end_when_alone && g.load_order().empty()) {
        g.end_program();
    }
}

void desktop_check(Game& g) {
    if (desktop_too_small(g)) {
        g.message_box("Swoonery",
                      "The desktop size has to be at least 800x600 for Swoonery to work properly",
                      false, AfterBox::EndProgram);
    }
}

void start_new_game(Game& g) {
    close_main_window(g, false);
    g.load(Window::Setup);
    if (g.running() && g.window(Window::MessageBox) == nullptr) {
        g.show(Window::Setup);
        activate_setup_form(g);
    }
}

void toggle_sound(Game& g) {
    MenuEntry& entry = g.main_window()->sound_enabled;
    entry.checked = !entry.checked;
    g.state().sound_on = entry.checked;
}

template <Window Id> void open_over_main_window(Game& g) {
    g.show_over_main_window(Id);
}

// "&File", "&Sounds" and "&Help" only open their submenus.
constexpr std::array<ClickRoute, 13> kClicks = {{
    {Control::BuyGift, buy_a_gift},
    {Control::CallHer, call_her},
    {Control::TakeHerOut, take_her_out},
    {Control::GoToWork, go_to_work},
    {Control::GoShopping, go_shopping},
    {Control::ActionButton, [](Game& g) { g.rules().press_action_button(g); }},
    {Control::NewGame, start_new_game},
    {Control::PlayAgain, [](Game& g) { g.restart(false); }},
    {Control::Exit, [](Game& g) { g.end_program(); }},
    {Control::TopPlayers, open_over_main_window<Window::HighScores>},
    {Control::SoundEnabled, toggle_sound},
    {Control::OnlineHelp, [](Game& g) { open_web_page(g, g.main_window()->help_address.text); }},
    {Control::About, open_over_main_window<Window::About>},
}};

const WindowRoutes kRoutes{
    .clicks = kClicks,
    .on_load = load_main_window,
    .on_close = [](Game& g) { close_main_window(g, true); },
    .on_select =
        [](Game& g, Control list) {
            if (list == Control::ActionList) {
                list_clicked(g);
            }
        },
    .on_resize = desktop_check,
};

} // namespace

const WindowRoutes& main_window_routes() {
    return kRoutes;
}

void show_main_window(Game& g) {
    const bool first = g.main_window() == nullptr;
    g.show(Window::Main);
    if (first && g.running()) {
        desktop_check(g); // showing the window raises its resize event
    }
}

void open_web_page(Game& g, const std::string& url) {
    switch (g.services().browser.open(url)) {
    case BrowserResult::Opened:
        break;
    case BrowserResult::NotFound:
        g.message_box("Browser Not Found", "Could not your Browser", true, AfterBox::Nothing);
        break;
    case BrowserResult::NotOpened:
        g.message_box("URL Failed", "Web Page not Opened", true, AfterBox::Nothing);
        break;
    }
}

} // namespace swoonery
