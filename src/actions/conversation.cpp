// Talking on the phone: a liked topic pleases her once, the second question
// of a call ends it.
#include "core/game.h"

namespace swoonery {

void Game::resolve_talk() {
    const int i = selected_row() + 1;
    if (i < 1 || i > static_cast<int>(s_.interest_table.size())) {
        return;
    }
    Topic& topic = s_.interest_table[static_cast<std::size_t>(i - 1)];
    const std::string asks = s_.player_name + ":";
    if (topic.mark == mark::kLiked) {
        s_.talks_today = sat16(s_.talks_today + 1);
        topic.mark = mark::kDiscussed;
        set_talk(asks + " So are you into" + topic.name + "?" + "\r\n" + s_.Gname + ":" +
                 " Yah!!! what a coincedence ..me too!!");
        s_.heart_value = round16((s_.heart_value + 10) + s_.looks * 5 / 100);
        display_heart(s_.heart_value);
    } else if (topic.mark == mark::kNotLiked) {
        topic.mark = mark::kDiscussed;
        set_talk(asks + " So are you into " + topic.name + "?" + "\r\n" + s_.Gname + ":" +
                 " Not realy.... ");
        s_.heart_value = sat16(s_.heart_value - 2);
        display_heart(s_.heart_value);
        s_.talks_today = sat16(s_.talks_today + 1);
    } else if (topic.mark == mark::kDiscussed) {
        set_talk(asks + " So are you into " + topic.name + "?" + "\r\n" + s_.Gname + ":" +
                 " You already asked me this!! Can't you remember!!");
        s_.heart_value = sat16(s_.heart_value - 5);
        display_heart(s_.heart_value);
        s_.talks_today = sat16(s_.talks_today + 1);
    }
    if (s_.talks_today >= 2) {
        next_day(1);
        s_.talks_today = 0;
        MainWindow& f = *form1();
        f.Talk.text += "\r\n" + s_.Gname + ":" + " I got go now BYE!!";
        play(Sound::PhoneDown);
        f.Do_List.items.clear();
        f.Do_List.selected = -1;
    }
}

} // namespace swoonery
