// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/names.h"

#include <array>
#include <string>
#include <utility>

namespace swoonery {

namespace {

using W = Window;
using C = Control;

constexpr std::array<std::string_view, kWindowCount> kWindowNames = {
    "Form1", "Form2", "Form3",  "Form4",  "Form5",  "Form6",  "Form7",
    "Form8", "Form9", "Form10", "Form11", "Form12", "Form13", "MsgBox"};

constexpr ControlName kControlNames[] = {
    // The main window.
    {W::Main, C::BuyGift, "Command1"},
    {W::Main, C::CallHer, "Command2"},
    {W::Main, C::TakeHerOut, "Command3"},
    {W::Main, C::GoToWork, "Command4"},
    {W::Main, C::GoShopping, "Command5"},
    {W::Main, C::ButtonPanel, "Frame2"},
    {W::Main, C::HelpAddress, "txtUrl"},
    {W::Main, C::DayCount, "days_lbl"},
    {W::Main, C::CashCount, "money_lbl"},
    {W::Main, C::Face, "Picture7"},
    {W::Main, C::HeartBar, "Picture1"},
    {W::Main, C::Hearts, "heart"},
    {W::Main, C::HeartValue, "heart_rate"},
    {W::Main, C::Dialogue, "Talk"},
    {W::Main, C::CategoryFrame, "Frame1"},
    {W::Main, C::ActionList, "Do_List"},
    {W::Main, C::ActionButton, "cmd_ok"},
    {W::Main, C::FileMenu, "ngame"},
    {W::Main, C::NewGame, "newgame"},
    {W::Main, C::PlayAgain, "rstart"},
    {W::Main, C::Exit, "exit"},
    {W::Main, C::TopPlayers, "hscores"},
    {W::Main, C::SoundsMenu, "snds"},
    {W::Main, C::SoundEnabled, "sndenable"},
    {W::Main, C::HelpMenu, "help"},
    {W::Main, C::OnlineHelp, "onlinehelp"},
    {W::Main, C::About, "about"},
    // The set-up form.
    {W::Setup, C::Banner, "Picture1"},
    {W::Setup, C::NameFrame, "Frame1"},
    {W::Setup, C::Name, "name_txt"},
    {W::Setup, C::RatingsFrame, "Frame2"},
    {W::Setup, C::Looks, "looks_sld"},
    {W::Setup, C::Smart, "smart_sld"},
    {W::Setup, C::Luck, "luck_sld"},
    {W::Setup, C::LooksQuestion, "Label1"},
    {W::Setup, C::SmartQuestion, "Label2"},
    {W::Setup, C::LuckQuestion, "Label3"},
    {W::Setup, C::PointsLeft, "points"},
    {W::Setup, C::Ok, "Command1"},
    {W::Setup, C::Exit, "Command2"},
    // The win window.
    {W::Win, C::Declaration, "Label2"},
    {W::Win, C::Praise, "Label1"},
    {W::Win, C::Score, "score"},
    {W::Win, C::TotalDays, "days"},
    {W::Win, C::MoneySpent, "money"},
    {W::Win, C::Ok, "Command1"},
    // The table.
    {W::HighScores, C::ScoreGrid, "Score_list"},
    {W::HighScores, C::PlayAgain, "Command2"},
    {W::HighScores, C::Ok, "Command1"},
    // Events, losses, complaints, messages.
    {W::Cat, C::Picture, "Picture1"},
    {W::Cat, C::Message, "Label1"},
    {W::Cat, C::Ok, "Command1"},
    {W::FoundMoney, C::Picture, "Picture1"},
    {W::FoundMoney, C::Message, "Label1"},
    {W::FoundMoney, C::Ok, "Command1"},
    {W::Speeding, C::Picture, "Picture1"},
    {W::Speeding, C::Message, "Label1"},
    {W::Speeding, C::Ok, "Command1"},
    {W::Lost, C::Message, "Label1"},
    {W::Lost, C::Ok, "Command1"},
    {W::Ignored, C::Message, "Label1"},
    {W::Ignored, C::Ok, "Command1"},
    {W::Bored, C::Message, "Label1"},
    {W::Bored, C::Ok, "Command1"},
    {W::Message, C::Message, "Label1"},
    {W::Message, C::Ok, "Command1"},
    // The game-over window.
    {W::GameOver, C::Banner, "Picture1"},
    {W::GameOver, C::PlayAgain, "Command2"},
    {W::GameOver, C::Ok, "Command1"},
    // The about window.
    {W::About, C::Banner, "Picture1"},
    {W::About, C::Logo, "Picture2"},
    {W::About, C::Credits, "Label2"},
    {W::About, C::Rights, "Label1"},
    {W::About, C::HomeLink, "Label3"},
    {W::About, C::HomeAddress, "txtUrl"},
    {W::About, C::Ok, "Command1"},
    // A message box.
    {W::MessageBox, C::Ok, "OK"},
};

constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Ok) + 1;

// Each window's controls' names, looked up at once.
constexpr auto kNameByControl = [] {
    std::array<std::array<std::string_view, kControlCount>, kWindowCount> table{};
    for (const ControlName& n : kControlNames) {
        table[static_cast<std::size_t>(n.window)][static_cast<std::size_t>(n.control)] = n.name;
    }
    return table;
}();

// Where each window's rows stand in the table, which lists a window's rows
// together: [first, last).
constexpr auto kRowsOfWindow = [] {
    std::array<std::pair<std::size_t, std::size_t>, kWindowCount> rows{};
    for (std::size_t i = std::size(kControlNames); i-- > 0;) {
        auto& [first, last] = rows[static_cast<std::size_t>(kControlNames[i].window)];
        if (last == 0) {
            last = i + 1;
        }
        first = i;
    }
    return rows;
}();

// The table must list each window's rows together for the lookup above.
constexpr bool rows_together() {
    for (std::size_t i = 0; i < std::size(kControlNames); ++i) {
        const auto [first, last] = kRowsOfWindow[static_cast<std::size_t>(kControlNames[i].window)];
        if (i < first || i >= last) {
            return false;
        }
        for (std::size_t j = first; j < last; ++j) {
            if (kControlNames[j].window != kControlNames[i].window) {
                return false;
            }
        }
    }
    return true;
}
static_assert(rows_together(), "a window's rows stand together in the table");

} // namespace

std::span<const ControlName> control_names() {
    return kControlNames;
}

std::string_view window_name(Window window) {
    return kWindowNames[static_cast<std::size_t>(window)];
}

std::optional<Window> window_by_name(std::string_view name) {
    for (std::size_t i = 0; i < kWindowNames.size(); ++i) {
        if (kWindowNames[i] == name) {
            return static_cast<Window>(i);
        }
    }
    return std::nullopt;
}

std::string_view control_name(Window window, Control control) {
    return kNameByControl[static_cast<std::size_t>(window)][static_cast<std::size_t>(control)];
}

std::optional<Control> control_by_name(Window window, std::string_view name) {
    const auto [first, last] = kRowsOfWindow[static_cast<std::size_t>(window)];
    for (std::size_t i = first; i < last; ++i) {
        if (kControlNames[i].name == name) {
            return kControlNames[i].control;
        }
    }
    return std::nullopt;
}

std::string_view decoration_name(Decoration decoration) {
    constexpr std::array<std::string_view, 3> kNames = {"Shape1", "Shape2", "Line1"};
    return kNames[static_cast<std::size_t>(decoration)];
}

std::string control_path(Window window, Control control) {
    std::string path(window_name(window));
    path += '.';
    path += control_name(window, control);
    return path;
}

} // namespace swoonery
