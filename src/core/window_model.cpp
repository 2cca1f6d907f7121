// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/window_model.h"

namespace swoonery {

const ControlEntry* WindowModel::find(Control control) const {
    for (const ControlEntry& c : controls_) {
        if (c.id == control) {
            return &c;
        }
    }
    return nullptr;
}

MainWindow::MainWindow(std::string help_url) : WindowModel(Window::Main, "Swoonery") {
    using C = Control;
    add(C::CallHer, call_her, "Call Her", "Call Her and smooth talk her").picture =
        pictures::kPhone;
    add(C::BuyGift, buy_gift, "Buy A Gift", "Get her a Gift").picture = pictures::kGift;
    add(C::TakeHerOut, take_her_out, "Take Her Out", "Take her out on a date").picture =
        pictures::kDate;
    add(C::GoToWork, go_to_work, "Go to Work", "Go to the employment agency to look for Work")
        .picture = pictures::kWork;
    add(C::GoShopping, go_shopping, "Go Shopping",
        "Go Shopping for stuff. The things you buy will improve your LOOKS, BRAINS  OR LUCK")
        .picture = pictures::kShop;
    add(C::ButtonPanel, button_panel);
    add(C::HelpAddress, help_address, std::move(help_url)).visible = false;
    add(C::DayCount, day_count, "Day 1", "Total number of days");
    add(C::CashCount, cash_count, "Cash  $50", "Amount of money you have");
    add(C::Face, face).picture = pictures::kStartFace;
    add(C::HeartBar, heart_bar, {}, "Heart Bar");
    add(C::Hearts, hearts).picture = pictures::kHeart;
    add(C::HeartValue, heart_value);
    add(C::Dialogue, dialogue, {}, "Dialog window").read_only = true;
    add(C::CategoryFrame, category_frame);
    add(C::ActionList, action_list);
    add(C::ActionButton, action_button, "GO").visible = false;
    add(C::FileMenu, file_menu, "&File");
    add(C::NewGame, new_game, "Start &New Game");
    add(C::PlayAgain, play_again, "&Play Again");
    add(C::Exit, exit, "&Exit");
    add(C::TopPlayers, top_players, "&Top 20 Players");
    add(C::SoundsMenu, sounds_menu, "&Sounds");
    MenuEntry& s = add(C::SoundEnabled, sound_enabled, "Enabled");
    s.checkable = true;
    s.checked = true;
    add(C::HelpMenu, help_menu, "&Help");
    add(C::OnlineHelp, online_help, "Online Help");
    add(C::About, about, "About");
}

SetupWindow::SetupWindow() : WindowModel(Window::Setup, "Swoonery") {
    using C = Control;
    add(C::Banner, banner).picture = pictures::kBanner;
    add(C::NameFrame, name_frame, "Please enter your name");
    add(C::Name, name).max_length = 20;
    add(C::RatingsFrame, ratings_frame, "How would you rate your self");
    add(C::Looks, looks, {}, "Rate how good looking you think you are from 1 to 100").value = 50;
    add(C::Smart, smart, {}, "Rate how smart you think you are from 1 to 100").value = 50;
    add(C::Luck, luck, {}, "Rate how lucky you think you are from 1 to 100").value = 50;
    add(C::LooksQuestion, looks_question, "How good looking are you?");
    add(C::SmartQuestion, smart_question, "How smart are you?");
    add(C::LuckQuestion, luck_question, "How lucky are you?");
    add(C::PointsLeft, points, "Points Left :0", "Points left for allocation");
    add(C::Ok, ok, "OK");
    add(C::Exit, exit, "Exit");
}

WinWindow::WinWindow() : WindowModel(Window::Win, "SWOONERY") {
    using C = Control;
    add(C::Declaration, declaration);
    add(C::Praise, praise, "Well done! Looks like you landed a BABE. BUT are you 'THE' player !!!");
    add(C::Score, score, "Your Score : 0");
    add(C::TotalDays, total_days, "Total Days ");
    add(C::MoneySpent, money_spent, "Total Money Spent $0");
    add(C::Ok, ok, "OK");
}

ScoresWindow::ScoresWindow() : WindowModel(Window::HighScores, "SWOONERY - Top 20 PLAYERS") {
    add(Control::ScoreGrid, grid);
    add(Control::PlayAgain, play_again, "Play Again");
    add(Control::Ok, ok, "OK");
}

EventWindow::EventWindow(Window id, std::string picture_file, std::string message_text)
    : WindowModel(id, "SWOONERY") {
    add(Control::Picture, picture).picture = std::move(picture_file);
    add(Control::Message, message, std::move(message_text));
    add(Control::Ok, ok, "OK");
}

MessageWindow::MessageWindow(Window id, std::string caption_text, std::string message_text)
    : WindowModel(id, std::move(caption_text)) {
    add(Control::Message, message, std::move(message_text));
    add(Control::Ok, ok, "OK");
}

GameOverWindow::GameOverWindow() : WindowModel(Window::GameOver, "Swoonery") {
    add(Control::Banner, banner).picture = pictures::kBanner;
    add(Control::PlayAgain, play_again, "Play Again");
    add(Control::Ok, ok, "OK");
}

AboutWindow::AboutWindow(std::string home_url) : WindowModel(Window::About, "Swoonery") {
    using C = Control;
    add(C::Banner, banner).picture = pictures::kBanner;
    add(C::Logo, logo).picture = pictures::kLogo;
    add(C::Credits, credits, "Swoonery is made and owned by the Swoonery team.");
    add(C::Rights, rights, "All rights reserved. Free to play and to share.");
    add(C::HomeLink, home_link, home_url);
    add(C::HomeAddress, home_address, std::move(home_url)).visible = false;
    add(C::Ok, ok, "OK");
}

MessageBoxWindow::MessageBoxWindow(std::string title, std::string message_text, bool warning_)
    : WindowModel(Window::MessageBox, std::move(title)), text(std::move(message_text)),
      warning(warning_) {
    add(Control::Ok, ok, "OK");
}

} // namespace swoonery
