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
    g.Restart(true);
}

void close_main_window(Game& g, bool end_when_alone) {
    g.forms().unload(WindowId::Form1);
    g.forms().unload(WindowId::Form2);
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
    g.load(WindowId::Form2);
    if (g.running() && g.window(WindowId::MsgBox) == nullptr) {
        g.show(WindowId::Form2);
        activate_setup_form(g);
    }
}

void toggle_sound(Game& g) {
    MainWindow& f = *g.form1();
    f.sndenable.checked = !f.sndenable.checked;
    g.state().sound_on = f.sndenable.checked;
}

// A window over the main window, which waits for it.
template <WindowId Id> void open_over_main_window(Game& g) {
    g.forms().disable_main_window();
    g.show(Id);
}

// "&File", "&Sounds" and "&Help" only open their submenus.
constexpr std::array<ClickRoute, 13> kClicks = {{
    {ControlId::Command1, buy_a_gift},
    {ControlId::Command2, call_her},
    {ControlId::Command3, take_her_out},
    {ControlId::Command4, go_to_work},
    {ControlId::Command5, go_shopping},
    {ControlId::cmd_ok, [](Game& g) { g.rules().press_action_button(g); }},
    {ControlId::newgame, start_new_game},
    {ControlId::rstart, [](Game& g) { g.Restart(false); }},
    {ControlId::exit, [](Game& g) { g.end_program(); }},
    {ControlId::hscores, open_over_main_window<WindowId::Form5>},
    {ControlId::sndenable, toggle_sound},
    {ControlId::onlinehelp, [](Game& g) { open_web_page(g, g.form1()->txtUrl.text); }},
    {ControlId::about, open_over_main_window<WindowId::Form13>},
}};

const WindowRoutes kRoutes{
    .clicks = kClicks,
    .on_load = load_main_window,
    .on_close = [](Game& g) { close_main_window(g, true); },
    .on_select =
        [](Game& g, ControlId list) {
            if (list == ControlId::Do_List) {
                list_clicked(g);
            }
        },
    .on_resize = desktop_check,
};

} // namespace

const WindowRoutes& main_window_routes() { return kRoutes; }

void show_main_window(Game& g) {
    const bool first = g.form1() == nullptr;
    g.show(WindowId::Form1);
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
