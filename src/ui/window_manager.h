// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on screen as a whole: the manager feeds the player's input to
// the game, one input at a time, and afterwards walks the game's loaded
// windows, creating, syncing and destroying one adapter per window.
#pragma once

#include "core/game.h"
#include "core/window_model.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QWidget;

namespace swoonery::ui {

class Pictures;
class WindowAdapter;

class WindowManager : public QObject {
    Q_OBJECT
public:
    WindowManager(Game& game, Pictures& pictures);
    ~WindowManager() override;

    // Starts the program: the set-up form comes up.
    InputResult start();

    // The player's input, from the widgets. While the game is still handling
    // an input (a sound played to its end runs a local event loop) further
    // input is refused; a resize report is kept and handled afterwards.
    InputResult click(Window window, Control control);
    InputResult select(Window window, Control control, int row);
    InputResult type(Window window, Control control, const QString& text);
    InputResult slide(Window window, Control control, int value);
    InputResult close(Window window);
    InputResult resize(Window window);

    // Brings every window in line with the model (after a change made to the
    // game directly, as tests do to set up a case).
    void refresh();

    Game& game() const { return game_; }
    Pictures& pictures() const { return pictures_; }
    bool busy() const { return busy_; }
    // The top-level widget of a window while the game has it loaded.
    QWidget* window_widget(Window window) const;

Q_SIGNALS:
    // The program has ended: every window is gone.
    void program_ended();

private:
    template <class Step>
    InputResult feed(Window window, std::optional<Control> control, Step step);
    void sync_all();
    void retire(Window window);
    bool on_screen(Window window) const;
    // Makes a window about to be shown stand over the window it belongs to.
    void stand_over_owner(WindowAdapter& adapter);
    // Raises the secondary windows still open over the main window again.
    void keep_secondary_windows_above();

    Game& game_;
    Pictures& pictures_;
    std::array<std::unique_ptr<WindowAdapter>, kWindowCount> adapters_;
    std::vector<QPointer<QWidget>> retired_;
    // The windows on screen, in the order they were last shown.
    std::vector<Window> shown_order_;
    bool busy_ = false;
    bool resize_pending_ = false;
    bool ended_ = false;
};

} // namespace swoonery::ui
