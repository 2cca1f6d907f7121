// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The names by which the world outside the rules knows the windows and their
// controls: the scenario driver's scripts and dumps, and the object names of
// the Qt widgets. They are the game's original names ("Form1", "Command2",
// "Do_List"), kept so that every script and transcript stays valid; this is
// the only place that spells them.
#pragma once

#include "core/window_model.h"

#include <optional>
#include <span>
#include <string_view>

namespace swoonery {

struct ControlName {
    Window window;
    Control control;
    std::string_view name;
};

// Every control of every window with its name, window by window.
std::span<const ControlName> control_names();

std::string_view window_name(Window window);
std::optional<Window> window_by_name(std::string_view name);

// The control's name in `window`; "" when the window has no such control.
std::string_view control_name(Window window, Control control);
std::optional<Control> control_by_name(Window window, std::string_view name);

// "Form1.Command2": a control as scripts write it.
std::string control_path(Window window, Control control);

// What only decorates the main window: the rules never see these, but the
// widgets carry their names too.
enum class Decoration {
    DayPanel,  // the coloured panel behind the day
    CashPanel, // the one behind the cash
    GaugeLine, // the line between the heart value and the hearts
};
std::string_view decoration_name(Decoration decoration);

} // namespace swoonery
