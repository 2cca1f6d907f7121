// The game: its state, its windows and every rule, driven by the player's
// input. It knows nothing of Qt; sound, browser, desktop and chance come in
// through the services it is given.
#pragma once

#include "core/game_state.h"
#include "core/input.h"
#include "core/services.h"
#include "base/random.h"
#include "core/window_model.h"

#include <array>
#include <filesystem>
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

// The titles by which the action button tells the categories apart.
namespace category {
inline constexpr std::string_view kGifts = "Things to Get";
inline constexpr std::string_view kTalk = "Things to Talk about";
inline constexpr std::string_view kPlaces = "Places to Go";
inline constexpr std::string_view kJobs = "Job Noticeboard";
inline constexpr std::string_view kShopping = "Things to Buy";
} // namespace category

class Game {
public:
    explicit Game(Services services);
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
    // Loaded windows, in the order they were loaded (a message box included).
    const std::vector<WindowId>& load_order() const { return load_order_; }
    Window* window(WindowId id) const { return windows_[static_cast<std::size_t>(id)].get(); }
    MainWindow* form1() const;
    SetupWindow* form2() const;
    const Services& services() const { return svc_; }

    // ---- Procedures of the main window --------------------------------------
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

private:
    enum class AfterBox { Nothing, EndProgram, FocusName };

    // Windows
    Window& load(WindowId id);
    Window* ensure_loaded(WindowId id);
    void unload(WindowId id);
    void show(WindowId id);
    void show_main_window();
    void reenable_main_window();
    void disable_main_window();
    bool alone() const;
    void message_box(std::string title, std::string text, bool warning, AfterBox after);
    void show_message(std::string text); // Form11
    void end_program();
    template <class W> W& win(WindowId id) const { return static_cast<W&>(*window(id)); }

    // Input routing
    InputResult check_input(WindowId id, std::optional<ControlId> control, Control*& c) const;
    void on_click(WindowId id, ControlId control);
    void on_close(WindowId id);

    // Set-up form
    void load_setup_form();
    void activate_setup_form();
    void setup_slider_moved(ControlId control);
    void setup_ok();
    bool desktop_too_small();

    // Main window
    void load_main_window();
    void close_main_window(bool end_when_alone);
    void main_menu(ControlId control);
    void desktop_check();
    void open_web_page(const std::string& url);

    // Category buttons and the list
    bool game_over_opening();
    void buy_a_gift();
    void call_her();
    void take_her_out();
    void go_to_work();
    void go_shopping();
    void list_clicked();
    void fill_list(const std::vector<Row>& rows, std::string_view tabs);

    // The action button and its resolvers
    void action_button();
    int selected_row() const;
    void resolve_date();
    void place_reaction(int place);
    void movie_reaction();
    void apply_gain(int gain);
    void resolve_job();
    void resolve_talk();
    void resolve_purchase();
    void resolve_gift();
    void set_talk(std::string text);

    // Outcome and message windows
    void outcome_ok(WindowId id);
    void game_over_play_again();
    void load_high_scores();
    void scores_ok();
    void scores_play_again();

    Services svc_;
    GameState s_;
    std::array<std::unique_ptr<Window>, kWindowCount> windows_;
    std::vector<WindowId> load_order_;
    AfterBox after_box_ = AfterBox::Nothing;
    bool started_ = false;
    bool running_ = true;
};

} // namespace swoonery
