// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows that are loaded: each window of the game exists while it is
// loaded, in the order of loading, and at most one message box is open, with
// what is to follow once it is closed. Only bookkeeping: what loading a
// window does to the game is the game's own.
#pragma once

#include "core/window_model.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace swoonery {

// What follows when the open message box is closed.
enum class AfterBox { Nothing, EndProgram, FocusName };

class Forms {
public:
    Forms(std::string help_url, std::string home_url);

    WindowModel* window(Window id) const { return windows_[static_cast<std::size_t>(id)].get(); }
    template <class W> W& get(Window id) const { return static_cast<W&>(*window(id)); }
    MainWindow* main_window() const { return static_cast<MainWindow*>(window(Window::Main)); }
    SetupWindow* setup_form() const { return static_cast<SetupWindow*>(window(Window::Setup)); }
    // Loaded windows, in the order they were loaded (a message box included).
    const std::vector<Window>& load_order() const { return load_order_; }

    // A fresh window as it would load, not loaded: to tell which controls a
    // window has while it is closed.
    std::unique_ptr<WindowModel> make(Window id) const;
    // Loads a fresh window; it comes last in the load order.
    WindowModel& load(Window id);
    void unload(Window id);
    void unload_all();

    // True when at most this window, the main window and the hidden set-up
    // form are loaded: the last window closing gives the main window back.
    bool alone() const;

    void open_message_box(std::string title, std::string text, bool warning, AfterBox after);
    // What will follow the open message box.
    AfterBox after_box() const { return after_box_; }
    // Closes the message box and says what is to follow.
    AfterBox close_message_box();

    void disable_main_window();
    // Enables the main window and brings it back to the front, unless a win
    // is still waiting in its window, whose OK carries the result on.
    void reenable_main_window();

private:
    std::string help_url_;
    std::string home_url_;
    std::array<std::unique_ptr<WindowModel>, kWindowCount> windows_;
    std::vector<Window> load_order_;
    AfterBox after_box_ = AfterBox::Nothing;
};

} // namespace swoonery
