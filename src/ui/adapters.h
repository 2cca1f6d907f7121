// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The adapters of the game's windows, one maker per kind of window.
#pragma once

#include "core/window_model.h"

#include <memory>

namespace swoonery::ui {

class WindowAdapter;
class WindowManager;

std::unique_ptr<WindowAdapter> make_main_window(WindowManager& manager);
std::unique_ptr<WindowAdapter> make_setup_window(WindowManager& manager);
std::unique_ptr<WindowAdapter> make_scores_window(WindowManager& manager);
std::unique_ptr<WindowAdapter> make_message_box(WindowManager& manager);
// Every other window: the outcome, event, message and about windows.
std::unique_ptr<WindowAdapter> make_small_window(WindowManager& manager, Window id);

} // namespace swoonery::ui
