// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The outcome, event, message and about windows: what each says as it
// loads, what its buttons cost, and when the main window takes input again.
#include "core/game.h"
#include "core/handlers.h"

#include <array>

namespace swoonery {

namespace {

// The main window takes input again only when no other window waits.
void reenable_when_alone(Game& g) {
    if (g.alone()) {
        g.reenable_main_window();
    }
}

void outcome_ok(Game& g, Window id) {
    const int16 heart = g.state().heart_value;
    switch (id) {
    case Window::Win:
        g.state().score_pending = true;
        g.show(Window::HighScores);
        g.unload(Window::Win);
        break; // the high-score window enables the main window
    case Window::Cat:
        reenable_when_alone(g);
        g.set_heart(sat16(heart - 5));
        g.unload(id);
        break;
    case Window::Ignored:
        reenable_when_alone(g);
        g.set_heart(sat16(heart - 10));
        g.unload(id);
        break;
    case Window::Bored:
        g.set_heart(sat16(heart - 10));
        reenable_when_alone(g);
        g.unload(id);
        break;
    case Window::Message:
        g.unload(id);
        g.reenable_main_window();
        break;
    case Window::GameOver:
    case Window::About:
        g.reenable_main_window();
        g.unload(id);
        break;
    case Window::FoundMoney:
    case Window::Speeding:
    case Window::Lost:
        reenable_when_alone(g);
        g.unload(id);
        break;
    default:
        break;
    }
}

void game_over_play_again(Game& g) {
    if (MainWindow* f = g.main_window()) {
        f->enabled = true;
    }
    g.restart(false);
    show_main_window(g);
    g.unload(Window::GameOver);
}

template <Window Id> void ok(Game& g) {
    outcome_ok(g, Id);
}

void load_win(Game& g) {
    g.window_as<WinWindow>(Window::Win).declaration.text =
        "OHH ... " + g.state().player_name + " I Love you!!!";
    g.play(Sound::Kiss);
}

void load_ignored(Game& g) {
    g.window_as<MessageWindow>(Window::Ignored).message.text =
        g.state().Gname + ":" + " You are IGNORING me!! you only care about work..work...work..";
}

void load_bored(Game& g) {
    g.window_as<MessageWindow>(Window::Bored).message.text =
        g.state().Gname + ":" + " You are getting a bit BORING!! we do the samething alot";
}

// OK is the only button; the close box does what OK does.
template <Window Id> constexpr std::array<ClickRoute, 1> kOkClicks = {{{Control::Ok, ok<Id>}}};
template <Window Id>
const WindowRoutes kOkRoutes{.clicks = kOkClicks<Id>, .on_load = nullptr, .on_close = ok<Id>};

const WindowRoutes kWinRoutes{
    .clicks = kOkClicks<Window::Win>, .on_load = load_win, .on_close = ok<Window::Win>};
const WindowRoutes kLostRoutes{.clicks = kOkClicks<Window::Lost>,
                               .on_load = [](Game& g) { g.play(Sound::SighMale); },
                               .on_close = ok<Window::Lost>};
const WindowRoutes kIgnoredRoutes{
    .clicks = kOkClicks<Window::Ignored>, .on_load = load_ignored, .on_close = ok<Window::Ignored>};
const WindowRoutes kBoredRoutes{
    .clicks = kOkClicks<Window::Bored>, .on_load = load_bored, .on_close = ok<Window::Bored>};

constexpr std::array<ClickRoute, 2> kGameOverClicks = {{
    {Control::PlayAgain, game_over_play_again},
    {Control::Ok, ok<Window::GameOver>},
}};
const WindowRoutes kGameOverRoutes{.clicks = kGameOverClicks, .on_close = ok<Window::GameOver>};

constexpr std::array<ClickRoute, 2> kAboutClicks = {{
    {Control::HomeLink,
     [](Game& g) { open_web_page(g, g.window_as<AboutWindow>(Window::About).home_address.text); }},
    {Control::Ok, ok<Window::About>},
}};
const WindowRoutes kAboutRoutes{.clicks = kAboutClicks, .on_close = ok<Window::About>};

} // namespace

const WindowRoutes& outcome_routes(Window id) {
    switch (id) {
    case Window::Win:
        return kWinRoutes;
    case Window::Cat:
        return kOkRoutes<Window::Cat>;
    case Window::FoundMoney:
        return kOkRoutes<Window::FoundMoney>;
    case Window::Speeding:
        return kOkRoutes<Window::Speeding>;
    case Window::Lost:
        return kLostRoutes;
    case Window::Ignored:
        return kIgnoredRoutes;
    case Window::Bored:
        return kBoredRoutes;
    case Window::GameOver:
        return kGameOverRoutes;
    case Window::About:
        return kAboutRoutes;
    default:
        return kOkRoutes<Window::Message>;
    }
}

} // namespace swoonery
