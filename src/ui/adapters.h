// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The adapters of the game's windows, one maker per kind of window.
#pragma once

#include "core/window_model.h"

#include <memory>

namespace swoonery::ui {

class WindowAdapter;
class WindowManager;

std::unique_ptr<WindowAdapter> make_main_window(WindowManager& manager);   // Form1
std::unique_ptr<WindowAdapter> make_setup_window(WindowManager& manager);  // Form2
std::unique_ptr<WindowAdapter> make_scores_window(WindowManager& manager); // Form5
std::unique_ptr<WindowAdapter> make_message_box(WindowManager& manager);   // MsgBox
// Form3, Form4, Form6 to Form13: the outcome, message and about windows.
std::unique_ptr<WindowAdapter> make_small_window(WindowManager& manager, WindowId id);

} // namespace swoonery::ui
