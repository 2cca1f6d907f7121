// The five category buttons of the main window and the action list.
#include "core/game.h"
#include "base/text.h"

namespace swoonery {

bool Game::game_over_opening() {
    if (!s_.game_over) {
        return false;
    }
    disable_main_window();
    show(WindowId::Form12);
    return true;
}

void Game::fill_list(const std::vector<Row>& rows, std::string_view tabs) {
    Control& list = form1()->Do_List;
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

void Game::buy_a_gift() {
    if (game_over_opening()) {
        return;
    }
    MainWindow& f = *form1();
    f.Do_List.tooltip = "Available gifts you can buy her";
    s_.action_count = sat16(s_.action_count + 1);
    f.Frame1.text = category::kGifts;
    f.cmd_ok.text = "BUY";
    f.Talk.text.clear();
    fill_list(s_.gift_catalogue, "\t");
    found_money_event();
}

void Game::call_her() {
    if (game_over_opening()) {
        return;
    }
    MainWindow& f = *form1();
    f.Do_List.tooltip = "Topics you can talk about";
    s_.work_streak = 0;
    s_.action_count = sat16(s_.action_count + 1);
    if (s_.cash < 5) {
        show_message("Were you thinking of calling REVERSE charge!!");
        return;
    }
    change_cash(-5);
    s_.money_spent = sat16(s_.money_spent + 5);
    play(Sound::PhoneCall);
    f.cmd_ok.text = "TALK";
    f.Frame1.text = category::kTalk;
    f.Talk.text = s_.Gname + ":" + " Hello?" + "\r\n" + s_.player_name + ":" + " Hi " + s_.Gname +
                  " this is " + s_.player_name + "\r\n" + s_.Gname + ":" +
                  "Ohh .... How are you???";
    Control& list = f.Do_List;
    list.items.resize(s_.interest_table.size());
    for (std::size_t i = 0; i < s_.interest_table.size(); ++i) {
        list.items[i] = s_.interest_table[i].name;
    }
    list.selected = -1;
}

void Game::take_her_out() {
    if (game_over_opening()) {
        return;
    }
    MainWindow& f = *form1();
    f.Do_List.tooltip = "Places you can take her";
    s_.action_count = sat16(s_.action_count + 1);
    play(Sound::Doorbell);
    f.Frame1.text = category::kPlaces;
    f.cmd_ok.text = "GO";
    f.Talk.text = s_.Gname + ":" + " I'm coming...";
    fill_list(s_.place_catalogue, "\t\t\t");
    found_money_event();
    cat_event();
}

void Game::go_to_work() {
    if (game_over_opening()) {
        return;
    }
    MainWindow& f = *form1();
    f.Do_List.tooltip = "List of jobs";
    s_.action_count = sat16(s_.action_count + 1);
    s_.work_streak = sat16(s_.work_streak + 1);
    play(Sound::Car);
    f.cmd_ok.text = "WORK";
    f.Frame1.text = category::kJobs;
    f.Talk.text.clear();
    Control& list = f.Do_List;
    list.items.resize(s_.job_catalogue.size());
    for (std::size_t i = 0; i < s_.job_catalogue.size(); ++i) {
        const long long r = draw(svc_.rng, s_.luck + 11LL);
        const bool available = r >= 11;
        if (i < s_.job_available.size()) {
            s_.job_available[i] = available;
        }
        std::string& item = list.items[i];
        item.assign(s_.job_catalogue[i].name);
        item.append("\t$");
        item.append(s_.job_catalogue[i].price);
        item.append(available ? "\tavailable" : "\tNOT available");
    }
    list.selected = -1;
    if (s_.work_streak > 3) {
        complain("w");
        s_.work_streak = 1;
    }
    next_day(1);
    found_money_event();
    speeding_event();
}

void Game::go_shopping() {
    if (game_over_opening()) {
        return;
    }
    MainWindow& f = *form1();
    f.Do_List.tooltip = "Items you can buy for your self";
    s_.action_count = sat16(s_.action_count + 1);
    f.Frame1.text = category::kShopping;
    f.cmd_ok.text = "BUY";
    f.Talk.text.clear();
    fill_list(s_.self_item_catalogue, "\t\t");
    found_money_event();
    speeding_event();
}

void Game::list_clicked() {
    MainWindow& f = *form1();
    f.Talk.text.clear();
    f.cmd_ok.visible = true;
}

} // namespace swoonery
