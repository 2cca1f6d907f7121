// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/forms.h"

#include <algorithm>

namespace swoonery {

Forms::Forms(std::string help_url, std::string home_url)
    : help_url_(std::move(help_url)), home_url_(std::move(home_url)) {}

std::unique_ptr<Window> Forms::make(WindowId id) const {
    switch (id) {
    case WindowId::Form1:
        return std::make_unique<MainWindow>(help_url_);
    case WindowId::Form2:
        return std::make_unique<SetupWindow>();
    case WindowId::Form3:
        return std::make_unique<WinWindow>();
    case WindowId::Form4:
        return std::make_unique<EventWindow>(id, std::string(pictures::kCat),
                                             "OOPS!! You Stepped on her precious FELIX");
    case WindowId::Form5:
        return std::make_unique<ScoresWindow>();
    case WindowId::Form6:
        return std::make_unique<EventWindow>(id, std::string(pictures::kBill),
                                             "You find a hundred dollar bill on the floor");
    case WindowId::Form7:
        return std::make_unique<EventWindow>(
            id, std::string(pictures::kPolice),
            "You got pulled over for speeding.You got a $60 fine!!!");
    case WindowId::Form8:
        return std::make_unique<MessageWindow>(
            id, "SWOONERY", "Sorry Buddy !!! I guess you aren't much of a ladies man after all.");
    case WindowId::Form9:
    case WindowId::Form10:
    case WindowId::Form11:
        return std::make_unique<MessageWindow>(id, "Swoonery", "");
    case WindowId::Form12:
        return std::make_unique<GameOverWindow>();
    case WindowId::Form13:
        return std::make_unique<AboutWindow>(home_url_);
    case WindowId::MsgBox:
        return std::make_unique<MessageBoxWindow>("", "", false);
    }
    return nullptr;
}

Window& Forms::load(WindowId id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    slot = make(id);
    load_order_.push_back(id);
    return *slot;
}

void Forms::unload(WindowId id) {
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
                                     [](WindowId id) { return id != WindowId::MsgBox; });
    return forms <= 3;
}

void Forms::open_message_box(std::string title, std::string text, bool warning, AfterBox after) {
    unload(WindowId::MsgBox);
    windows_[static_cast<std::size_t>(WindowId::MsgBox)] =
        std::make_unique<MessageBoxWindow>(std::move(title), std::move(text), warning);
    load_order_.push_back(WindowId::MsgBox);
    window(WindowId::MsgBox)->visible = true;
    after_box_ = after;
}

AfterBox Forms::close_message_box() {
    const AfterBox after = after_box_;
    after_box_ = AfterBox::Nothing;
    unload(WindowId::MsgBox);
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
    if (window(WindowId::Form3) != nullptr) {
        return;
    }
    if (MainWindow* f = main_window()) {
        f->enabled = true;
        f->visible = true;
    }
}

} // namespace swoonery
