// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows of the game as plain state: what each window and each of its
// controls shows. The Qt layer mirrors this; the scenario driver dumps it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/asset_names.h"

namespace swoonery {

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

struct Control {
    ControlKind kind = ControlKind::Label;
    std::string text; // caption or text
    std::string tooltip;
    bool visible = true;
    bool enabled = true;
    // list box
    std::vector<std::string> items;
    int selected = -1;
    // slider
    int value = 0;
    // picture box: the file name loaded, "" for none
    std::string picture;
    // menu entry
    bool checked = false;
    bool checkable = false;
    // heart gauge: how many of its pictures are shown
    int shown = 0;
    // grid
    std::vector<std::vector<std::string>> cells;
    std::vector<int> red_rows;
    // text box
    int max_length = 0; // 0: no limit
    bool read_only = false;
    int sel_start = 0;
    int sel_length = 0;

    bool operator==(const Control&) const = default;
};

// The controls' names, each written once: the enum below and the names the
// driver and the Qt widgets use both come from this list.
// clang-format off
#define SWOONERY_CONTROLS(X)                                                                    \
    X(Command1) X(Command2) X(Command3) X(Command4) X(Command5) X(cmd_ok) X(OK)                 \
    X(Frame1) X(Frame2) X(Label1) X(Label2) X(Label3) X(Picture1) X(Picture2) X(Picture7)      \
    X(txtUrl) X(days_lbl) X(money_lbl) X(heart) X(heart_rate) X(Talk) X(Do_List)               \
    X(ngame) X(newgame) X(rstart) X(exit) X(hscores) X(snds) X(sndenable) X(help)              \
    X(onlinehelp) X(about)                                                                      \
    X(name_txt) X(looks_sld) X(smart_sld) X(luck_sld) X(points)                                \
    X(score) X(days) X(money) X(Score_list)
// clang-format on

enum class ControlId {
#define SWOONERY_CONTROL_ID(name) name,
    SWOONERY_CONTROLS(SWOONERY_CONTROL_ID)
#undef SWOONERY_CONTROL_ID
};

std::string_view control_name(ControlId id);
// Looks a control up by its name; nullopt when no window has one of that name.
std::optional<ControlId> control_by_name(std::string_view name);

enum class WindowId {
    Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13,
    MsgBox
};
inline constexpr int kWindowCount = 14;

std::string_view window_name(WindowId id);
// Looks a window up by its name; false when there is none of that name.
bool window_by_name(std::string_view name, WindowId& out);

struct NamedControl {
    ControlId id;
    Control* control;
    std::string_view name() const { return control_name(id); }
};

class Window {
public:
    Window(WindowId id, std::string caption_text) : caption(std::move(caption_text)), id_(id) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowId id() const { return id_; }
    std::string_view name() const { return window_name(id_); }
    const std::vector<NamedControl>& controls() const { return controls_; }
    Control* find(ControlId control) const;
    Control* find(std::string_view control) const;

    std::string caption;
    bool visible = false;
    bool enabled = true;
    // Bumped whenever the game asks for the keyboard focus to go to focus_control.
    int focus_serial = 0;
    std::optional<ControlId> focus_control;

protected:
    Control& add(ControlId id, Control& c, ControlKind kind, std::string text = {},
                 std::string tooltip = {});

private:
    WindowId id_;
    std::vector<NamedControl> controls_;
};

// Form1: the main window.
class MainWindow final : public Window {
public:
    explicit MainWindow(std::string help_url);
    Control Command1, Command2, Command3, Command4, Command5, Frame2, txtUrl, days_lbl, money_lbl,
        Picture7, Picture1, heart, heart_rate, Talk, Frame1, Do_List, cmd_ok;
    Control ngame, newgame, rstart, exit, hscores, snds, sndenable, help, onlinehelp, about;
};

// Form2: the player set-up form.
class SetupWindow final : public Window {
public:
    SetupWindow();
    Control Picture1, Frame1, name_txt, Frame2, looks_sld, smart_sld, luck_sld, Label1, Label2,
        Label3, points, Command1, Command2;
    // Form state, lives as long as the form is loaded.
    int points_left = 0;
    std::string saved_name;   // 20 characters, as in the file
    std::string saved_record; // the file's bytes behind it
};

// Form3: the game is won.
class WinWindow final : public Window {
public:
    WinWindow();
    Control Label2, Label1, score, days, money, Command1;
};

// Form5: the top-20 table.
class ScoresWindow final : public Window {
public:
    ScoresWindow();
    Control Score_list, Command2, Command1;
};

// Form4, Form6, Form7: a random event with its picture.
class EventWindow final : public Window {
public:
    EventWindow(WindowId id, std::string picture, std::string text);
    Control Picture1, Label1, Command1;
};

// Form8 to Form11: a loss, a complaint or a message; one label and OK.
class MessageWindow final : public Window {
public:
    MessageWindow(WindowId id, std::string caption, std::string text);
    Control Label1, Command1;
};

// Form12: the game is over.
class GameOverWindow final : public Window {
public:
    GameOverWindow();
    Control Picture1, Command2, Command1;
};

// Form13: the about window.
class AboutWindow final : public Window {
public:
    explicit AboutWindow(std::string home_url);
    Control Picture1, Picture2, Label2, Label1, Label3, txtUrl, Command1;
};

// A plain message box: title, text, warning icon or none, and OK.
class MessageBoxWindow final : public Window {
public:
    MessageBoxWindow(std::string title, std::string text, bool warning);
    std::string text;
    bool warning;
    Control OK;
};

} // namespace swoonery
