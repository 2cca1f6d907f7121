// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole state of one game. It has two lifetimes: the global part lives as
// long as the program, the main-window part only as long as the main window.
#pragma once

#include "base/currency.h"
#include "base/numeric.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace swoonery {

// The three ratings the player gives himself and the things he buys raise.
enum class Rating { Looks, Smart, Luck };

// One row of a catalogue: its name as the list shows it, blanks and all, and
// its price in dollars (a job's: its pay).
struct Row {
    std::string name;
    int price = 0;
    std::optional<Rating> raises; // what a thing he buys for himself raises
};

// A topic's mark: she likes it, she does not, or it has been discussed;
// none before the first game.
enum class Mark { None, Liked, NotLiked, Discussed };

struct Topic {
    std::string name;
    Mark mark = Mark::None;
};

// What she complains of.
enum class Complaint {
    Bored,  // their dates repeat
    Ignored // he only works
};

struct GlobalPart {
    std::string player_name;
    std::string Gname;
    int16 heart_value = 0;
    bool sound_on = false;
    bool game_over = false;
    bool score_pending = false;
    std::string winner_name;
    double winner_score = 0.0;
    int16 winner_days = 0;
    Currency winner_money;
};

struct MainWindowPart {
    int16 cash = 0;
    int16 day = 0;
    int16 money_spent = 0;
    int16 action_count = 0;
    double looks = 0.0;
    double smart = 0.0;
    int16 luck = 0;
    std::array<Topic, 20> interest_table{};
    std::array<int16, 5> liked_topics{};
    int16 talks_today = 0;
    int16 work_streak = 0;
    std::array<int16, 11> last_visit_day{};
    int16 repeat_window = 0;
    int16 gift_spending = 0;
    std::array<bool, 6> job_available{};
    std::array<std::string, 10> girl_names{};
    std::vector<Row> place_catalogue;
    std::vector<Row> gift_catalogue;
    std::vector<Row> job_catalogue;
    std::vector<Row> self_item_catalogue;
    int face = 0; // number of the face picture shown, 0 before the first
};

struct GameState : GlobalPart, MainWindowPart {
    // Discards the main-window part, as closing the main window does.
    void discard_main_window_part() { static_cast<MainWindowPart&>(*this) = MainWindowPart{}; }
};

} // namespace swoonery
