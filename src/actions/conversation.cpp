// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Talking on the phone: a liked topic pleases her once, the second question
// of a call ends it.
#include "actions/resolvers.h"

#include "core/game.h"

namespace swoonery {

void resolve_talk(Game& g, int topic_row) {
    GameState& s = g.state();
    if (topic_row < 1 || topic_row > static_cast<int>(s.interest_table.size())) {
        return;
    }
    Topic& topic = s.interest_table[static_cast<std::size_t>(topic_row - 1)];
    const std::string asks = s.player_name + ":";
    if (topic.mark == Mark::Liked) {
        s.talks_today = sat16(s.talks_today + 1);
        topic.mark = Mark::Discussed;
        g.say(asks + " So are you into" + topic.name + "?" + "\r\n" + s.Gname + ":" +
              " Yah!!! what a coincedence ..me too!!");
        g.set_heart(round16((s.heart_value + 10) + s.looks * 5 / 100));
    } else if (topic.mark == Mark::NotLiked) {
        topic.mark = Mark::Discussed;
        g.say(asks + " So are you into " + topic.name + "?" + "\r\n" + s.Gname + ":" +
              " Not realy.... ");
        g.set_heart(sat16(s.heart_value - 2));
        s.talks_today = sat16(s.talks_today + 1);
    } else if (topic.mark == Mark::Discussed) {
        g.say(asks + " So are you into " + topic.name + "?" + "\r\n" + s.Gname + ":" +
              " You already asked me this!! Can't you remember!!");
        g.set_heart(sat16(s.heart_value - 5));
        s.talks_today = sat16(s.talks_today + 1);
    }
    if (s.talks_today >= 2) {
        g.next_day(1);
        s.talks_today = 0;
        MainWindow& f = *g.main_window();
        f.dialogue.text += "\r\n" + s.Gname + ":" + " I got go now BYE!!";
        g.play(Sound::PhoneDown);
        f.action_list.clear();
    }
}

} // namespace swoonery
