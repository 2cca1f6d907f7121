// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/forms.h"

#include <algorithm>

namespace swoonery {

Forms::Forms(std::string help_url, std::string home_url)
    : help_url_(std::move(help_url)), home_url_(std::move(home_url)) {}

std::unique_ptr<WindowModel> Forms::make(Window id) const {
    switch (id) {
    case Window::Main:
        return std::make_unique<MainWindow>(help_url_);
    case Window::Setup:
        return std::make_unique<SetupWindow>();
    case Window::Win:
        return std::make_unique<WinWindow>();
    case Window::Cat:
        return std::make_unique<EventWindow>(id, std::string(pictures::kCat),
                                             "OOPS!! You Stepped on her precious FELIX");
    case Window::HighScores:
        return std::make_unique<ScoresWindow>();
    case Window::FoundMoney:
        return std::make_unique<EventWindow>(id, std::string(pictures::kBill),
                                             "You find a hundred dollar bill on the floor");
    case Window::Speeding:
        return std::make_unique<EventWindow>(
            id, std::string(pictures::kPolice),
            "You got pulled over for speeding.You got a $60 fine!!!");
    case Window::Lost:
        return std::make_unique<MessageWindow>(
            id, "SWOONERY", "Sorry Buddy !!! I guess you aren't much of a ladies man after all.");
    case Window::Ignored:
    case Window::Bored:
    case Window::Message:
        return std::make_unique<MessageWindow>(id, "Swoonery", "");
    case Window::GameOver:
        return std::make_unique<GameOverWindow>();
    case Window::About:
        return std::make_unique<AboutWindow>(home_url_);
    case Window::MessageBox:
        return std::make_unique<MessageBoxWindow>("", "", false);
    }
    return nullptr;
}

WindowModel& Forms::load(Window id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    slot = make(id);
    load_order_.push_back(id);
    return *slot;
}

void Forms::unload(Window id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    if (!slot) {
        return;
    }
    slot.reset();
    load_order_.erase(std::remove(load_order_.begin(), load_order_.end(), id), load_order_.end());
}

void Forms::unload_all() {
    for (auto& w : windows_) {
        w.reset();
    }
    load_order_.clear();
}

bool Forms::alone() const {
    const auto forms = std::count_if(load_order_.begin(), load_order_.end(),
                                     [](Window id) { return id != Window::MessageBox; });
    return forms <= 3;
}

void Forms::open_message_box(std::string title, std::string text, bool warning, AfterBox after) {
    unload(Window::MessageBox);
    windows_[static_cast<std::size_t>(Window::MessageBox)] =
        std::make_unique<MessageBoxWindow>(std::move(title), std::move(text), warning);
    load_order_.push_back(Window::MessageBox);
    window(Window::MessageBox)->visible = true;
    after_box_ = after;
}

AfterBox Forms::close_message_box() {
    const AfterBox after = after_box_;
    after_box_ = AfterBox::Nothing;
    unload(Window::MessageBox);
    return after;
}

void Forms::disable_main_window() {
    if (MainWindow* f = main_window()) {
        f->enabled = false;
    }
}

void Forms::reenable_main_window() {
    // A win waiting in its window keeps the main window shut: a game started
    // from the menu meanwhile would throw the waiting result away.
    if (window(Window::Win) != nullptr) {
        return;
    }
    if (MainWindow* f = main_window()) {
        f->enabled = true;
        f->visible = true;
    }
}

} // namespace swoonery
