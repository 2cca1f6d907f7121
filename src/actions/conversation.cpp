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
    if (topic.mark == mark::kLiked) {
        s.talks_today = sat16(s.talks_today + 1);
        topic.mark = mark::kDiscussed;
        set_talk(g, asks + " So are you into" + topic.name + "?" + "\r\n" + s.Gname + ":" +
                 " Yah!!! what a coincedence ..me too!!");
        s.heart_value = round16((s.heart_value + 10) + s.looks * 5 / 100);
        g.display_heart(s.heart_value);
    } else if (topic.mark == mark::kNotLiked) {
        topic.mark = mark::kDiscussed;
        set_talk(g, asks + " So are you into " + topic.name + "?" + "\r\n" + s.Gname + ":" +
                 " Not realy.... ");
        s.heart_value = sat16(s.heart_value - 2);
        g.display_heart(s.heart_value);
        s.talks_today = sat16(s.talks_today + 1);
    } else if (topic.mark == mark::kDiscussed) {
        set_talk(g, asks + " So are you into " + topic.name + "?" + "\r\n" + s.Gname + ":" +
                 " You already asked me this!! Can't you remember!!");
        s.heart_value = sat16(s.heart_value - 5);
        g.display_heart(s.heart_value);
        s.talks_today = sat16(s.talks_today + 1);
    }
    if (s.talks_today >= 2) {
        g.next_day(1);
        s.talks_today = 0;
        MainWindow& f = *g.form1();
        f.Talk.text += "\r\n" + s.Gname + ":" + " I got go now BYE!!";
        g.play(Sound::PhoneDown);
        f.Do_List.items.clear();
        f.Do_List.selected = -1;
    }
}

} // namespace swoonery
