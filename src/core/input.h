// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// One input of the player's, as the windows, the driver and the random player
// all give it to the game.
#pragma once

#include "core/window_model.h"

#include <string>

namespace swoonery {

struct Input {
    enum class Kind { Click, Select, Type, Slide, Close, Resize };
    Kind kind = Kind::Click;
    Window window = Window::Main;
    Control control = Control::Ok; // not used by Close and Resize
    int value = 0;                 // the row selected, the slider's place
    std::string text;              // what is typed
};

} // namespace swoonery
