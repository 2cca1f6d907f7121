// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows of the game as plain state: what each window and each of its
// controls shows. The Qt layer mirrors this; the scenario driver dumps it.
// Windows and controls are named for what they are; the names scripts,
// dumps and widgets know them by are in names.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/asset_names.h"

namespace swoonery {

// Every window of the game.
enum class Window {
    Main,       // where the game is played
    Setup,      // the player describes himself
    Win,        // her heart is won
    Cat,        // he stepped on her cat
    HighScores, // the top-20 table
    FoundMoney, // a hundred-dollar bill on the floor
    Speeding,   // a fine for speeding
    Lost,       // her heart is lost, or the month is over
    Ignored,    // she complains that he only works
    Bored,      // she complains that their dates repeat
    Message,    // her remarks and the game's own
    GameOver,   // the game has ended; another one?
    About,
    MessageBox, // a plain message box
};
inline constexpr int kWindowCount = 14;

// Every control of every window, by what it is to the player. One control
// may stand in several windows (each small window has its Ok).
enum class Control {
    // the main window
    BuyGift,
    CallHer,
    TakeHerOut,
    GoToWork,
    GoShopping,
    ButtonPanel,
    HelpAddress,
    DayCount,
    CashCount,
    Face,
    HeartBar,
    Hearts,
    HeartValue,
    Dialogue,
    CategoryFrame,
    ActionList,
    ActionButton,
    FileMenu,
    NewGame,
    PlayAgain,
    Exit,
    TopPlayers,
    SoundsMenu,
    SoundEnabled,
    HelpMenu,
    OnlineHelp,
    About,
    // the set-up form
    Banner,
    NameFrame,
    Name,
    RatingsFrame,
    Looks,
    Smart,
    Luck,
    LooksQuestion,
    SmartQuestion,
    LuckQuestion,
    PointsLeft,
    // the win window
    Declaration,
    Praise,
    Score,
    TotalDays,
    MoneySpent,
    // the table
    ScoreGrid,
    // events and messages
    Picture,
    Message,
    // the about window
    Logo,
    Credits,
    Rights,
    HomeLink,
    HomeAddress,
    Ok,
};

enum class ControlKind {
    Button,
    Label,
    Frame,
    TextBox,
    ListBox,
    Slider,
    Picture,
    Menu,
    Hearts,
    Grid
};

// What every control has. Each kind adds only what it has of its own, so a
// rule cannot give a label a list or a button a grid.
struct ControlBase {
    std::string text; // caption or text
    std::string tooltip;
    bool visible = true;
    bool enabled = true;
    bool operator==(const ControlBase&) const = default;
};

struct Button : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Button;
    std::string picture; // "" for a plain button
    bool operator==(const Button&) const = default;
};

struct Label : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Label;
    bool operator==(const Label&) const = default;
};

struct Frame : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Frame;
    bool operator==(const Frame&) const = default;
};

struct TextBox : ControlBase {
    static constexpr ControlKind kKind = ControlKind::TextBox;
    int max_length = 0; // 0: no limit
    bool read_only = false;
    int sel_start = 0;
    int sel_length = 0;
    bool operator==(const TextBox&) const = default;
};

struct ListBox : ControlBase {
    static constexpr ControlKind kKind = ControlKind::ListBox;
    std::vector<std::string> items;
    int selected = -1;
    bool operator==(const ListBox&) const = default;

    // Empties the list; nothing is chosen.
    void clear() {
        items.clear();
        selected = -1;
    }
};

struct Slider : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Slider;
    int value = 0;
    bool operator==(const Slider&) const = default;
};

struct PictureBox : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Picture;
    std::string picture; // the file name loaded, "" for none
    bool operator==(const PictureBox&) const = default;
};

struct MenuEntry : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Menu;
    bool checkable = false;
    bool checked = false;
    bool operator==(const MenuEntry&) const = default;
};

struct HeartGauge : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Hearts;
    std::string picture;
    int shown = 0; // how many of its pictures are shown
    bool operator==(const HeartGauge&) const = default;
};

struct Grid : ControlBase {
    static constexpr ControlKind kKind = ControlKind::Grid;
    std::vector<std::vector<std::string>> cells;
    std::vector<int> red_rows;
    bool operator==(const Grid&) const = default;
};

// A control of a window as code that handles any kind sees it.
struct ControlEntry {
    Control id;
    ControlKind kind;
    ControlBase* model;

    template <class M> M& as() const { return static_cast<M&>(*model); }
};

class WindowModel {
public:
    WindowModel(Window id, std::string caption_text) : caption(std::move(caption_text)), id_(id) {}
    virtual ~WindowModel() = default;
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    Window id() const { return id_; }
    const std::vector<ControlEntry>& controls() const { return controls_; }
    const ControlEntry* find(Control control) const;

    std::string caption;
    bool visible = false;
    bool enabled = true;
    // Bumped whenever the game asks for the keyboard focus to go to focus_control.
    int focus_serial = 0;
    std::optional<Control> focus_control;

    // Asks for the keyboard focus to go to `control`.
    void focus(Control control) {
        focus_control = control;
        ++focus_serial;
    }

protected:
    template <class M> M& add(Control id, M& c, std::string text = {}, std::string tooltip = {}) {
        c.text = std::move(text);
        c.tooltip = std::move(tooltip);
        controls_.push_back({id, M::kKind, &c});
        return c;
    }

private:
    Window id_;
    std::vector<ControlEntry> controls_;
};

// The five categories of the main window's list, each opened by its button.
enum class Category { Gifts, Talk, Places, Jobs, Shopping };

class MainWindow final : public WindowModel {
public:
    explicit MainWindow(std::string help_url);
    Button buy_gift, call_her, take_her_out, go_to_work, go_shopping;
    Frame button_panel;
    TextBox help_address;
    Label day_count, cash_count;
    PictureBox face, heart_bar;
    HeartGauge hearts;
    Label heart_value;
    TextBox dialogue;
    Frame category_frame;
    ListBox action_list;
    Button action_button;
    MenuEntry file_menu, new_game, play_again, exit, top_players, sounds_menu, sound_enabled,
        help_menu, online_help, about;
    // The category the list shows, which the frame's caption names; none
    // before the first is opened.
    std::optional<Category> category;
};

class SetupWindow final : public WindowModel {
public:
    SetupWindow();
    PictureBox banner;
    Frame name_frame;
    TextBox name;
    Frame ratings_frame;
    Slider looks, smart, luck;
    Label looks_question, smart_question, luck_question, points;
    Button ok, exit;
    // Form state, lives as long as the form is loaded.
    int points_left = 0;
    std::string saved_name;   // 20 characters, as in the file
    std::string saved_record; // the file's bytes behind it
};

class WinWindow final : public WindowModel {
public:
    WinWindow();
    Label declaration, praise, score, total_days, money_spent;
    Button ok;
};

class ScoresWindow final : public WindowModel {
public:
    ScoresWindow();
    Grid grid;
    Button play_again, ok;
};

// The cat, the found money and the speeding fine: a picture and a text.
class EventWindow final : public WindowModel {
public:
    EventWindow(Window id, std::string picture_file, std::string message_text);
    PictureBox picture;
    Label message;
    Button ok;
};

// A loss, a complaint or a message: one label and Ok.
class MessageWindow final : public WindowModel {
public:
    MessageWindow(Window id, std::string caption, std::string message_text);
    Label message;
    Button ok;
};

class GameOverWindow final : public WindowModel {
public:
    GameOverWindow();
    PictureBox banner;
    Button play_again, ok;
};

class AboutWindow final : public WindowModel {
public:
    explicit AboutWindow(std::string home_url);
    PictureBox banner, logo;
    Label credits, rights, home_link;
    TextBox home_address;
    Button ok;
};

// A plain message box: title, text, warning icon or none, and Ok.
class MessageBoxWindow final : public WindowModel {
public:
    MessageBoxWindow(std::string title, std::string message_text, bool warning);
    std::string text;
    bool warning;
    Button ok;
};

} // namespace swoonery
