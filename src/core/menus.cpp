// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The five category buttons of the main window and the action list.
#include "core/game.h"
#include "core/handlers.h"

#include "base/text.h"

namespace swoonery {

bool game_over_opening(Game& g) {
    if (!g.state().game_over) {
        return false;
    }
    g.forms().disable_main_window();
    g.show(WindowId::Form12);
    return true;
}

namespace {

void fill_list(Game& g, const std::vector<Row>& rows, std::string_view tabs) {
    Control& list = g.form1()->Do_List;
    list.items.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string& item = list.items[i];
        item.assign(rows[i].name);
        item.append(tabs);
        item.append("$");
        item.append(rows[i].price);
    }
    list.selected = -1;
}

} // namespace

void buy_a_gift(Game& g) {
    GameState& s = g.state();
    if (game_over_opening(g)) {
        return;
    }
    MainWindow& f = *g.form1();
    f.Do_List.tooltip = "Available gifts you can buy her";
    s.action_count = sat16(s.action_count + 1);
    f.Frame1.text = category::kGifts;
    f.cmd_ok.text = "BUY";
    f.Talk.text.clear();
    fill_list(g, s.gift_catalogue, "\t");
    g.found_money_event();
}

void call_her(Game& g) {
    GameState& s = g.state();
    if (game_over_opening(g)) {
        return;
    }
    MainWindow& f = *g.form1();
    f.Do_List.tooltip = "Topics you can talk about";
    s.work_streak = 0;
    s.action_count = sat16(s.action_count + 1);
    if (s.cash < 5) {
        g.show_message("Were you thinking of calling REVERSE charge!!");
        return;
    }
    g.change_cash(-5);
    s.money_spent = sat16(s.money_spent + 5);
    g.play(Sound::PhoneCall);
    f.cmd_ok.text = "TALK";
    f.Frame1.text = category::kTalk;
    f.Talk.text = s.Gname + ":" + " Hello?" + "\r\n" + s.player_name + ":" + " Hi " + s.Gname +
                  " this is " + s.player_name + "\r\n" + s.Gname + ":" + "Ohh .... How are you???";
    Control& list = f.Do_List;
    list.items.resize(s.interest_table.size());
    for (std::size_t i = 0; i < s.interest_table.size(); ++i) {
        list.items[i] = s.interest_table[i].name;
    }
    list.selected = -1;
}

void take_her_out(Game& g) {
    GameState& s = g.state();
    if (game_over_opening(g)) {
        return;
    }
    MainWindow& f = *g.form1();
    f.Do_List.tooltip = "Places you can take her";
    s.action_count = sat16(s.action_count + 1);
    g.play(Sound::Doorbell);
    f.Frame1.text = category::kPlaces;
    f.cmd_ok.text = "GO";
    f.Talk.text = s.Gname + ":" + " I'm coming...";
    fill_list(g, s.place_catalogue, "\t\t\t");
    g.found_money_event();
    g.cat_event();
}

void go_to_work(Game& g) {
    GameState& s = g.state();
    if (game_over_opening(g)) {
        return;
    }
    MainWindow& f = *g.form1();
    f.Do_List.tooltip = "List of jobs";
    s.action_count = sat16(s.action_count + 1);
    s.work_streak = sat16(s.work_streak + 1);
    g.play(Sound::Car);
    f.cmd_ok.text = "WORK";
    f.Frame1.text = category::kJobs;
    f.Talk.text.clear();
    Control& list = f.Do_List;
    list.items.resize(s.job_catalogue.size());
    for (std::size_t i = 0; i < s.job_catalogue.size(); ++i) {
        const long long r = draw(g.services().rng, s.luck + 11LL);
        const bool available = r >= 11;
        if (i < s.job_available.size()) {
            s.job_available[i] = available;
        }
        std::string& item = list.items[i];
        item.assign(s.job_catalogue[i].name);
        item.append("\t$");
        item.append(s.job_catalogue[i].price);
        item.append(available ? "\tavailable" : "\tNOT available");
    }
    list.selected = -1;
    if (s.work_streak > 3) {
        g.complain("w");
        s.work_streak = 1;
    }
    g.next_day(1);
    g.found_money_event();
    g.speeding_event();
}

void go_shopping(Game& g) {
    GameState& s = g.state();
    if (game_over_opening(g)) {
        return;
    }
    MainWindow& f = *g.form1();
    f.Do_List.tooltip = "Items you can buy for your self";
    s.action_count = sat16(s.action_count + 1);
    f.Frame1.text = category::kShopping;
    f.cmd_ok.text = "BUY";
    f.Talk.text.clear();
    fill_list(g, s.self_item_catalogue, "\t\t");
    g.found_money_event();
    g.speeding_event();
}

void list_clicked(Game& g) {
    MainWindow& f = *g.form1();
    f.Talk.text.clear();
    f.cmd_ok.visible = true;
}

} // namespace swoonery
