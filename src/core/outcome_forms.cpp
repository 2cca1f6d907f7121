// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The outcome, event, message and about windows: what each says as it
// loads, what its buttons cost, and when the main window takes input again.
#include "core/game.h"
#include "core/handlers.h"

#include <array>

namespace swoonery {

namespace {

void outcome_ok(Game& g, WindowId id) {
    GameState& s = g.state();
    switch (id) {
    case WindowId::Form3:
        s.score_pending = true;
        g.show(WindowId::Form5);
        g.forms().unload(WindowId::Form3);
        break; // the high-score window enables the main window
    case WindowId::Form4:
        if (g.forms().alone()) {
            g.forms().reenable_main_window();
        }
        s.heart_value = sat16(s.heart_value - 5);
        g.display_heart(s.heart_value);
        g.forms().unload(id);
        break;
    case WindowId::Form9:
        if (g.forms().alone()) {
            g.forms().reenable_main_window();
        }
        s.heart_value = sat16(s.heart_value - 10);
        g.display_heart(s.heart_value);
        g.forms().unload(id);
        break;
    case WindowId::Form10:
        s.heart_value = sat16(s.heart_value - 10);
        g.display_heart(s.heart_value);
        if (g.forms().alone()) {
            g.forms().reenable_main_window();
        }
        g.forms().unload(id);
        break;
    case WindowId::Form11:
        g.forms().unload(id);
        g.forms().reenable_main_window();
        break;
    case WindowId::Form12:
    case WindowId::Form13:
        g.forms().reenable_main_window();
        g.forms().unload(id);
        break;
    case WindowId::Form6:
    case WindowId::Form7:
    case WindowId::Form8:
        if (g.forms().alone()) {
            g.forms().reenable_main_window();
        }
        g.forms().unload(id);
        break;
    default:
        break;
    }
}

void game_over_play_again(Game& g) {
    if (MainWindow* f = g.form1()) {
        f->enabled = true;
    }
    g.Restart(false);
    show_main_window(g);
    g.forms().unload(WindowId::Form12);
}

template <WindowId Id> void ok(Game& g) { outcome_ok(g, Id); }

void load_win(Game& g) {
    g.forms().get<WinWindow>(WindowId::Form3).Label2.text =
        "OHH ... " + g.state().player_name + " I Love you!!!";
    g.play(Sound::Kiss);
}

void load_ignored(Game& g) {
    g.forms().get<MessageWindow>(WindowId::Form9).Label1.text =
        g.state().Gname + ":" + " You are IGNORING me!! you only care about work..work...work..";
}

void load_bored(Game& g) {
    g.forms().get<MessageWindow>(WindowId::Form10).Label1.text =
        g.state().Gname + ":" + " You are getting a bit BORING!! we do the samething alot";
}

// OK is the only button; the close box does what OK does.
template <WindowId Id>
constexpr std::array<ClickRoute, 1> kOkClicks = {{{ControlId::Command1, ok<Id>}}};
template <WindowId Id>
const WindowRoutes kOkRoutes{.clicks = kOkClicks<Id>, .on_load = nullptr, .on_close = ok<Id>};

const WindowRoutes kWinRoutes{
    .clicks = kOkClicks<WindowId::Form3>, .on_load = load_win, .on_close = ok<WindowId::Form3>};
const WindowRoutes kLostRoutes{.clicks = kOkClicks<WindowId::Form8>,
                               .on_load = [](Game& g) { g.play(Sound::SighMale); },
                               .on_close = ok<WindowId::Form8>};
const WindowRoutes kIgnoredRoutes{
    .clicks = kOkClicks<WindowId::Form9>, .on_load = load_ignored, .on_close = ok<WindowId::Form9>};
const WindowRoutes kBoredRoutes{.clicks = kOkClicks<WindowId::Form10>,
                                .on_load = load_bored,
                                .on_close = ok<WindowId::Form10>};

constexpr std::array<ClickRoute, 2> kGameOverClicks = {{
    {ControlId::Command2, game_over_play_again},
    {ControlId::Command1, ok<WindowId::Form12>},
}};
const WindowRoutes kGameOverRoutes{.clicks = kGameOverClicks, .on_close = ok<WindowId::Form12>};

constexpr std::array<ClickRoute, 2> kAboutClicks = {{
    {ControlId::Label3,
     [](Game& g) {
         open_web_page(g, g.forms().get<AboutWindow>(WindowId::Form13).txtUrl.text);
     }},
    {ControlId::Command1, ok<WindowId::Form13>},
}};
const WindowRoutes kAboutRoutes{.clicks = kAboutClicks, .on_close = ok<WindowId::Form13>};

} // namespace

const WindowRoutes& outcome_routes(WindowId id) {
    switch (id) {
    case WindowId::Form3:
        return kWinRoutes;
    case WindowId::Form4:
        return kOkRoutes<WindowId::Form4>;
    case WindowId::Form6:
        return kOkRoutes<WindowId::Form6>;
    case WindowId::Form7:
        return kOkRoutes<WindowId::Form7>;
    case WindowId::Form8:
        return kLostRoutes;
    case WindowId::Form9:
        return kIgnoredRoutes;
    case WindowId::Form10:
        return kBoredRoutes;
    case WindowId::Form12:
        return kGameOverRoutes;
    case WindowId::Form13:
        return kAboutRoutes;
    default:
        return kOkRoutes<WindowId::Form11>;
    }
}

} // namespace swoonery
