// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The five category buttons of the main window and the action list.
#include "core/game.h"
#include "core/handlers.h"

#include <array>
#include <charconv>

namespace swoonery {

namespace {

// How the list looks with each category open: its frame's caption, the
// action button's caption, the list's tool tip, and the tabs between a
// row's name and its price.
struct CategoryLook {
    Category category;
    std::string_view title;
    std::string_view button;
    std::string_view tooltip;
    std::string_view tabs;
};

constexpr std::array<CategoryLook, 5> kLooks = {{
    {Category::Gifts, "Things to Get", "BUY", "Available gifts you can buy her", "\t"},
    {Category::Talk, "Things to Talk about", "TALK", "Topics you can talk about", ""},
    {Category::Places, "Places to Go", "GO", "Places you can take her", "\t\t\t"},
    {Category::Jobs, "Job Noticeboard", "WORK", "List of jobs", "\t"},
    {Category::Shopping, "Things to Buy", "BUY", "Items you can buy for your self", "\t\t"},
}};

constexpr bool looks_in_order() {
    for (std::size_t i = 0; i < kLooks.size(); ++i) {
        if (kLooks[i].category != static_cast<Category>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(looks_in_order(), "each category's look stands at its own place");

const CategoryLook& look(Category c) {
    return kLooks[static_cast<std::size_t>(c)];
}

// What every category button does first: once the game is over it leads to
// the game-over window instead (null); else the list's tool tip tells what
// the list is for, and the press counts as an action.
MainWindow* press_category_button(Game& g, Category c) {
    if (game_over_opening(g)) {
        return nullptr;
    }
    MainWindow& f = *g.main_window();
    f.action_list.tooltip = look(c).tooltip;
    g.count_action();
    return &f;
}

// The frame names the category and the action button says what it does.
void open_category(MainWindow& f, Category c) {
    f.category = c;
    f.category_frame.text = look(c).title;
    f.action_button.text = look(c).button;
}

// A list row: the name, the tabs, and the price in dollars. The row's text
// is written over the old one, whose room it reuses.
void write_priced(std::string& item, const Row& row, std::string_view tabs) {
    item.assign(row.name);
    item += tabs;
    item += '$';
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, row.price).ptr;
    item.append(digits, end);
}

void fill_list(MainWindow& f, const std::vector<Row>& rows, Category c) {
    ListBox& list = f.action_list;
    list.items.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        write_priced(list.items[i], rows[i], look(c).tabs);
    }
    list.selected = -1;
}

} // namespace

bool game_over_opening(Game& g) {
    if (!g.state().game_over) {
        return false;
    }
    g.show_over_main_window(Window::GameOver);
    return true;
}

void buy_a_gift(Game& g) {
    MainWindow* f = press_category_button(g, Category::Gifts);
    if (f == nullptr) {
        return;
    }
    open_category(*f, Category::Gifts);
    f->dialogue.text.clear();
    fill_list(*f, g.state().gift_catalogue, Category::Gifts);
    g.found_money_event();
}

void call_her(Game& g) {
    MainWindow* f = press_category_button(g, Category::Talk);
    if (f == nullptr) {
        return;
    }
    GameState& s = g.state();
    s.work_streak = 0;
    if (s.cash < 5) {
        g.show_message("Were you thinking of calling REVERSE charge!!");
        return;
    }
    g.spend(5);
    g.play(Sound::PhoneCall);
    open_category(*f, Category::Talk);
    f->dialogue.text = s.Gname + ":" + " Hello?" + "\r\n" + s.player_name + ":" + " Hi " + s.Gname +
                       " this is " + s.player_name + "\r\n" + s.Gname + ":" +
                       "Ohh .... How are you???";
    ListBox& list = f->action_list;
    list.items.resize(s.interest_table.size());
    for (std::size_t i = 0; i < s.interest_table.size(); ++i) {
        list.items[i] = s.interest_table[i].name;
    }
    list.selected = -1;
}

void take_her_out(Game& g) {
    MainWindow* f = press_category_button(g, Category::Places);
    if (f == nullptr) {
        return;
    }
    const GameState& s = g.state();
    g.play(Sound::Doorbell);
    open_category(*f, Category::Places);
    f->dialogue.text = s.Gname + ":" + " I'm coming...";
    fill_list(*f, s.place_catalogue, Category::Places);
    g.found_money_event();
    g.cat_event();
}

void go_to_work(Game& g) {
    MainWindow* f = press_category_button(g, Category::Jobs);
    if (f == nullptr) {
        return;
    }
    GameState& s = g.state();
    s.work_streak = sat16(s.work_streak + 1);
    g.play(Sound::Car);
    open_category(*f, Category::Jobs);
    f->dialogue.text.clear();
    // Each job is on today's noticeboard by a draw that luck improves.
    ListBox& list = f->action_list;
    list.items.resize(s.job_catalogue.size());
    for (std::size_t i = 0; i < s.job_catalogue.size(); ++i) {
        const long long r = draw(g.services().rng, s.luck + 11LL);
        const bool available = r >= 11;
        if (i < s.job_available.size()) {
            s.job_available[i] = available;
        }
        write_priced(list.items[i], s.job_catalogue[i], look(Category::Jobs).tabs);
        list.items[i] += available ? "\tavailable" : "\tNOT available";
    }
    list.selected = -1;
    if (s.work_streak > 3) {
        g.complain(Complaint::Ignored);
        s.work_streak = 1;
    }
    g.next_day(1);
    g.found_money_event();
    g.speeding_event();
}

void go_shopping(Game& g) {
    MainWindow* f = press_category_button(g, Category::Shopping);
    if (f == nullptr) {
        return;
    }
    open_category(*f, Category::Shopping);
    f->dialogue.text.clear();
    fill_list(*f, g.state().self_item_catalogue, Category::Shopping);
    g.found_money_event();
    g.speeding_event();
}

void list_clicked(Game& g) {
    MainWindow& f = *g.main_window();
    f.dialogue.text.clear();
    f.action_button.visible = true;
}

} // namespace swoonery
