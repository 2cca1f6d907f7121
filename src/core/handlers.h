// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Inside the engine: how each window's input reaches its handlers, and the
// few handlers one window's file lends to another.
#pragma once

#include "core/window_model.h"

#include <span>
#include <string>

namespace swoonery {

class Game;

using Handler = void (*)(Game&);

// A click on a control of the window.
struct ClickRoute {
    Control control;
    Handler handle;
};

// Everything a window does with the player's input, and on loading. Each
// window's routes stand beside its handlers; a missing handler does nothing.
struct WindowRoutes {
    std::span<const ClickRoute> clicks;
    Handler on_load = nullptr;
    Handler on_close = nullptr;                  // its close box
    void (*on_select)(Game&, Control) = nullptr; // a row of a list chosen
    void (*on_slide)(Game&, Control) = nullptr;  // a slider moved
    Handler on_resize = nullptr;
};

const WindowRoutes& main_window_routes(); // shell.cpp
const WindowRoutes& setup_form_routes();  // setup_form.cpp
const WindowRoutes& scores_routes();      // high_scores_window.cpp
// The win, event, loss, complaint, message, game-over and about windows:
// outcome_forms.cpp.
const WindowRoutes& outcome_routes(Window id);

// The main window's category buttons, its list and its action button.
void buy_a_gift(Game& g);
void call_her(Game& g);
void take_her_out(Game& g);
void go_to_work(Game& g);
void go_shopping(Game& g);
void list_clicked(Game& g);
// Once the game is over, the way to the game-over window: true when it was
// opened instead of the button's action.
bool game_over_opening(Game& g);

// The main window comes up (and is checked against the desktop the first time).
void show_main_window(Game& g);
void open_web_page(Game& g, const std::string& url);

// The set-up form takes the keyboard with the remembered name selected.
void activate_setup_form(Game& g);
bool desktop_too_small(Game& g);

} // namespace swoonery
