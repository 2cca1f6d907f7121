// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game: its state, its windows and the procedures the rules share, driven
// by the player's input. It knows nothing of Qt; sound, browser, desktop and
// chance come in through the services it is given. Each window's handlers
// live in that window's own file.
#pragma once

#include "core/forms.h"
#include "core/game_state.h"
#include "core/input.h"
#include "core/services.h"
#include "core/window_model.h"

#include <memory>

#include <string>
#include <string_view>
#include <vector>

namespace swoonery {

struct InputResult {
    enum class Kind { Done, Ignored, Error };
    Kind kind = Kind::Done;
    std::string reason;

    static InputResult done() { return {}; }
    static InputResult ignored(std::string why) { return {Kind::Ignored, std::move(why)}; }
    static InputResult error(std::string why) { return {Kind::Error, std::move(why)}; }
    bool ok() const { return kind == Kind::Done; }
};

class Game;

// What the layer above the game lends it: the action button's resolution,
// which reads the open category and runs one of the resolvers. Handing it
// down keeps this layer from calling up into that one.
struct Rules {
    void (*press_action_button)(Game&) = nullptr;
};

class Game {
public:
    // `rules` must be complete: a game without its resolvers cannot be played.
    Game(Services services, Rules rules);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // ---- The player's input -------------------------------------------------
    // Starts the program: the set-up form loads and shows.
    InputResult start();
    InputResult apply(const Input& input);
    InputResult click(Window window, Control control);
    InputResult select(Window window, Control control, int row);
    InputResult type(Window window, Control control, std::string_view text);
    InputResult slide(Window window, Control control, int value);
    InputResult close(Window window);
    InputResult resize(Window window);

    // ---- The model ------------------------------------------------------------
    bool started() const { return started_; }
    bool running() const { return running_; }
    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    // Loaded windows, in the order they were loaded (a message box included).
    const std::vector<Window>& load_order() const { return forms_.load_order(); }
    // The window's model while it is loaded, else null.
    WindowModel* window(Window id) const { return forms_.window(id); }
    MainWindow* main_window() const { return forms_.main_window(); }
    SetupWindow* setup_form() const { return forms_.setup_form(); }
    // A loaded window as what it is.
    template <class W> W& window_as(Window id) const { return forms_.get<W>(id); }
    // What will follow the open message box.
    AfterBox after_box() const { return forms_.after_box(); }
    // A fresh window as it would load, not loaded.
    std::unique_ptr<WindowModel> make_window(Window id) const { return forms_.make(id); }
    const Services& services() const { return svc_; }
    const Rules& rules() const { return rules_; }

    // ---- Procedures the rules share ---------------------------------------
    // A new game: every field back to where it starts, the player as the
    // set-up form describes him, and with `new_girl` a new girl and face.
    void restart(bool new_girl);
    void display_heart(int16 value);
    // The heart value becomes `value`, and the gauge shows it.
    void set_heart(int16 value) {
        s_.heart_value = value;
        display_heart(value);
    }
    void change_cash(long long delta);
    // He pays `dollars`, which count as money spent on her.
    void spend(int dollars) {
        change_cash(-dollars);
        s_.money_spent = sat16(s_.money_spent + dollars);
    }
    // One more of the actions the score counts.
    void count_action() { s_.action_count = sat16(s_.action_count + 1); }
    void change_face();
    void next_day(int16 days);
    void complain(Complaint complaint);
    void speeding_event();
    void found_money_event();
    void cat_event();
    void buy_off_check();

    // Sounds are heard only while sound is on. A sound chosen by a draw is
    // chosen only then, so the draw is taken only when the sound is heard.
    template <class Choose> void play_chosen(Choose choose, bool to_end = false) {
        if (s_.sound_on) {
            to_end ? svc_.sound.play_to_end(choose()) : svc_.sound.play(choose());
        }
    }
    void play(Sound sound) {
        play_chosen([sound] { return sound; });
    }
    void play_to_end(Sound sound) {
        play_chosen([sound] { return sound; }, true);
    }

    // ---- Windows as the rules open them -------------------------------------
    // Loads a fresh window and runs what its loading does.
    WindowModel& load(Window id);
    WindowModel* ensure_loaded(Window id);
    // Loads the window when needed and makes it visible.
    void show(Window id);
    // Shows the window over the main window, which waits for it.
    void show_over_main_window(Window id);
    void unload(Window id) { forms_.unload(id); }
    // True when at most this window, the main window and the hidden set-up
    // form are loaded: the last window closing gives the main window back.
    bool alone() const { return forms_.alone(); }
    void disable_main_window() { forms_.disable_main_window(); }
    // Enables the main window and brings it back to the front, unless a win
    // is still waiting in its window, whose OK carries the result on.
    void reenable_main_window() { forms_.reenable_main_window(); }
    void message_box(std::string title, std::string text, bool warning, AfterBox after);
    // Closes the open message box and does what was to follow it.
    void close_message_box();
    // Her remarks and the game's own, in the message window over the main window.
    void show_message(std::string text);
    // The main window's dialogue box says `text`.
    void say(std::string text);
    void end_program();

private:
    Services svc_;
    Rules rules_;
    GameState s_;
    Forms forms_;
    bool started_ = false;
    bool running_ = true;
};

} // namespace swoonery
