// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/window_model.h"

#include <array>

namespace swoonery {

namespace {
constexpr std::array<std::string_view, kWindowCount> kNames = {
    "Form1", "Form2", "Form3",  "Form4",  "Form5",  "Form6",  "Form7",
    "Form8", "Form9", "Form10", "Form11", "Form12", "Form13", "MsgBox"};
constexpr std::array kControlNames = {
#define SWOONERY_CONTROL_NAME(name) std::string_view(#name),
    SWOONERY_CONTROLS(SWOONERY_CONTROL_NAME)
#undef SWOONERY_CONTROL_NAME
};
} // namespace

std::string_view control_name(ControlId id) { return kControlNames[static_cast<std::size_t>(id)]; }

std::optional<ControlId> control_by_name(std::string_view name) {
    for (std::size_t i = 0; i < kControlNames.size(); ++i) {
        if (kControlNames[i] == name) {
            return static_cast<ControlId>(i);
        }
    }
    return std::nullopt;
}

std::string_view window_name(WindowId id) { return kNames[static_cast<std::size_t>(id)]; }

bool window_by_name(std::string_view name, WindowId& out) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            out = static_cast<WindowId>(i);
            return true;
        }
    }
    return false;
}

Control* Window::find(ControlId control) const {
    for (const auto& c : controls_) {
        if (c.id == control) {
            return c.control;
        }
    }
    return nullptr;
}

Control* Window::find(std::string_view control) const {
    const auto id = control_by_name(control);
    return id ? find(*id) : nullptr;
}

Control& Window::add(ControlId id, Control& c, ControlKind kind, std::string text,
                     std::string tooltip) {
    c.kind = kind;
    c.text = std::move(text);
    c.tooltip = std::move(tooltip);
    controls_.push_back({id, &c});
    return c;
}

MainWindow::MainWindow(std::string help_url) : Window(WindowId::Form1, "Swoonery") {
    using K = ControlKind;
    add(ControlId::Command2, Command2, K::Button, "Call Her", "Call Her and smooth talk her")
        .picture = pictures::kPhone;
    add(ControlId::Command1, Command1, K::Button, "Buy A Gift", "Get her a Gift").picture =
        pictures::kGift;
    add(ControlId::Command3, Command3, K::Button, "Take Her Out", "Take her out on a date")
        .picture = pictures::kDate;
    add(ControlId::Command4, Command4, K::Button, "Go to Work",
        "Go to the employment agency to look for Work")
        .picture = pictures::kWork;
    add(ControlId::Command5, Command5, K::Button, "Go Shopping",
        "Go Shopping for stuff. The things you buy will improve your LOOKS, BRAINS  OR LUCK")
        .picture = pictures::kShop;
    add(ControlId::Frame2, Frame2, K::Frame);
    add(ControlId::txtUrl, txtUrl, K::TextBox, std::move(help_url)).visible = false;
    add(ControlId::days_lbl, days_lbl, K::Label, "Day 1", "Total number of days");
    add(ControlId::money_lbl, money_lbl, K::Label, "Cash  $50", "Amount of money you have");
    add(ControlId::Picture7, Picture7, K::Picture).picture = pictures::kStartFace;
    add(ControlId::Picture1, Picture1, K::Picture, {}, "Heart Bar");
    add(ControlId::heart, heart, K::Hearts).picture = pictures::kHeart;
    add(ControlId::heart_rate, heart_rate, K::Label);
    add(ControlId::Talk, Talk, K::TextBox, {}, "Dialog window").read_only = true;
    add(ControlId::Frame1, Frame1, K::Frame);
    add(ControlId::Do_List, Do_List, K::ListBox);
    add(ControlId::cmd_ok, cmd_ok, K::Button, "GO").visible = false;
    add(ControlId::ngame, ngame, K::Menu, "&File");
    add(ControlId::newgame, newgame, K::Menu, "Start &New Game");
    add(ControlId::rstart, rstart, K::Menu, "&Play Again");
    add(ControlId::exit, exit, K::Menu, "&Exit");
    add(ControlId::hscores, hscores, K::Menu, "&Top 20 Players");
    add(ControlId::snds, snds, K::Menu, "&Sounds");
    Control& s = add(ControlId::sndenable, sndenable, K::Menu, "Enabled");
    s.checkable = true;
    s.checked = true;
    add(ControlId::help, help, K::Menu, "&Help");
    add(ControlId::onlinehelp, onlinehelp, K::Menu, "Online Help");
    add(ControlId::about, about, K::Menu, "About");
}

SetupWindow::SetupWindow() : Window(WindowId::Form2, "Swoonery") {
    using K = ControlKind;
    add(ControlId::Picture1, Picture1, K::Picture).picture = pictures::kBanner;
    add(ControlId::Frame1, Frame1, K::Frame, "Please enter your name");
    add(ControlId::name_txt, name_txt, K::TextBox).max_length = 20;
    add(ControlId::Frame2, Frame2, K::Frame, "How would you rate your self");
    add(ControlId::looks_sld, looks_sld, K::Slider, {},
        "Rate how good looking you think you are from 1 to 100")
        .value = 50;
    add(ControlId::smart_sld, smart_sld, K::Slider, {},
        "Rate how smart you think you are from 1 to 100")
        .value = 50;
    add(ControlId::luck_sld, luck_sld, K::Slider, {},
        "Rate how lucky you think you are from 1 to 100")
        .value = 50;
    add(ControlId::Label1, Label1, K::Label, "How good looking are you?");
    add(ControlId::Label2, Label2, K::Label, "How smart are you?");
    add(ControlId::Label3, Label3, K::Label, "How lucky are you?");
    add(ControlId::points, points, K::Label, "Points Left :0", "Points left for allocation");
    add(ControlId::Command1, Command1, K::Button, "OK");
    add(ControlId::Command2, Command2, K::Button, "Exit");
}

WinWindow::WinWindow() : Window(WindowId::Form3, "SWOONERY") {
    using K = ControlKind;
    add(ControlId::Label2, Label2, K::Label);
    add(ControlId::Label1, Label1, K::Label,
        "Well done! Looks like you landed a BABE. BUT are you 'THE' player !!!");
    add(ControlId::score, score, K::Label, "Your Score : 0");
    add(ControlId::days, days, K::Label, "Total Days ");
    add(ControlId::money, money, K::Label, "Total Money Spent $0");
    add(ControlId::Command1, Command1, K::Button, "OK");
}

ScoresWindow::ScoresWindow() : Window(WindowId::Form5, "SWOONERY - Top 20 PLAYERS") {
    using K = ControlKind;
    add(ControlId::Score_list, Score_list, K::Grid);
    add(ControlId::Command2, Command2, K::Button, "Play Again");
    add(ControlId::Command1, Command1, K::Button, "OK");
}

EventWindow::EventWindow(WindowId id, std::string picture, std::string text)
    : Window(id, "SWOONERY") {
    using K = ControlKind;
    add(ControlId::Picture1, Picture1, K::Picture).picture = std::move(picture);
    add(ControlId::Label1, Label1, K::Label, std::move(text));
    add(ControlId::Command1, Command1, K::Button, "OK");
}

MessageWindow::MessageWindow(WindowId id, std::string caption_text, std::string text)
    : Window(id, std::move(caption_text)) {
    add(ControlId::Label1, Label1, ControlKind::Label, std::move(text));
    add(ControlId::Command1, Command1, ControlKind::Button, "OK");
}

GameOverWindow::GameOverWindow() : Window(WindowId::Form12, "Swoonery") {
    using K = ControlKind;
    add(ControlId::Picture1, Picture1, K::Picture).picture = pictures::kBanner;
    add(ControlId::Command2, Command2, K::Button, "Play Again");
    add(ControlId::Command1, Command1, K::Button, "OK");
}

AboutWindow::AboutWindow(std::string home_url) : Window(WindowId::Form13, "Swoonery") {
    using K = ControlKind;
    add(ControlId::Picture1, Picture1, K::Picture).picture = pictures::kBanner;
    add(ControlId::Picture2, Picture2, K::Picture).picture = pictures::kLogo;
    add(ControlId::Label2, Label2, K::Label, "Swoonery is made and owned by the Swoonery team.");
    add(ControlId::Label1, Label1, K::Label, "All rights reserved. Free to play and to share.");
    add(ControlId::Label3, Label3, K::Label, home_url);
    add(ControlId::txtUrl, txtUrl, K::TextBox, std::move(home_url)).visible = false;
    add(ControlId::Command1, Command1, K::Button, "OK");
}

MessageBoxWindow::MessageBoxWindow(std::string title, std::string text_, bool warning_)
    : Window(WindowId::MsgBox, std::move(title)), text(std::move(text_)), warning(warning_) {
    add(ControlId::OK, OK, ControlKind::Button, "OK");
}

} // namespace swoonery
