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

// The titles by which the action button tells the categories apart.
namespace category {
inline constexpr std::string_view kGifts = "Things to Get";
inline constexpr std::string_view kTalk = "Things to Talk about";
inline constexpr std::string_view kPlaces = "Places to Go";
inline constexpr std::string_view kJobs = "Job Noticeboard";
inline constexpr std::string_view kShopping = "Things to Buy";
} // namespace category

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
    InputResult click(WindowId window, ControlId control);
    InputResult select(WindowId window, ControlId control, int row);
    InputResult type(WindowId window, ControlId control, std::string_view text);
    InputResult slide(WindowId window, ControlId control, int value);
    InputResult close(WindowId window);
    InputResult resize(WindowId window);

    // ---- The model ------------------------------------------------------------
    bool started() const { return started_; }
    bool running() const { return running_; }
    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    Forms& forms() { return forms_; }
    const Forms& forms() const { return forms_; }
    // Loaded windows, in the order they were loaded (a message box included).
    const std::vector<WindowId>& load_order() const { return forms_.load_order(); }
    Window* window(WindowId id) const { return forms_.window(id); }
    MainWindow* form1() const { return forms_.main_window(); }
    SetupWindow* form2() const { return forms_.setup_form(); }
    const Services& services() const { return svc_; }
    const Rules& rules() const { return rules_; }

    // ---- Procedures the rules share ---------------------------------------
    void Restart(bool new_girl);
    void display_heart(int16 value);
    void change_cash(long long delta);
    void ChangeFace();
    void next_day(int16 days);
    void complain(std::string_view kind);
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
    void play(Sound sound) { play_chosen([sound] { return sound; }); }
    void play_to_end(Sound sound) { play_chosen([sound] { return sound; }, true); }

    // ---- Windows as the rules open them -------------------------------------
    // Loads a fresh window and runs what its loading does.
    Window& load(WindowId id);
    Window* ensure_loaded(WindowId id);
    // Loads the window when needed and makes it visible.
    void show(WindowId id);
    void message_box(std::string title, std::string text, bool warning, AfterBox after);
    // Her remarks and the game's own, in Form11 over the main window.
    void show_message(std::string text);
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
