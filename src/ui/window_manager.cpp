// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_manager.h"

#include "ui/accessibility.h"
#include "ui/adapters.h"
#include "ui/window_adapter.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace swoonery::ui {

namespace {

std::size_t slot(Window id) {
    return static_cast<std::size_t>(id);
}

std::unique_ptr<WindowAdapter> make_adapter(Window id, WindowManager& manager) {
    switch (id) {
    case Window::Main:
        return make_main_window(manager);
    case Window::Setup:
        return make_setup_window(manager);
    case Window::HighScores:
        return make_scores_window(manager);
    case Window::MessageBox:
        return make_message_box(manager);
    default:
        return make_small_window(manager, id);
    }
}

} // namespace

WindowManager::WindowManager(Game& game, Pictures& pictures) : game_(game), pictures_(pictures) {
    install_accessibility();
}

WindowManager::~WindowManager() {
    for (auto& adapter : adapters_) {
        adapter.reset();
    }
    for (const QPointer<QWidget>& w : retired_) {
        delete w.data();
    }
}

QWidget* WindowManager::window_widget(Window window) const {
    const auto& adapter = adapters_[slot(window)];
    return adapter ? adapter->widget() : nullptr;
}

template <class Step>
InputResult WindowManager::feed(Window window, std::optional<Control> control, Step step) {
    if (control) {
        if (const auto& adapter = adapters_[slot(window)]) {
            adapter->touch(*control);
        }
    }
    if (busy_) {
        return InputResult::ignored("the game is still busy with the last input");
    }
    busy_ = true;
    const InputResult result = step();
    busy_ = false;
    refresh();
    return result;
}

InputResult WindowManager::start() {
    return feed(Window::Setup, std::nullopt, [this] { return game_.start(); });
}

InputResult WindowManager::click(Window window, Control control) {
    return feed(window, control, [this, window, control] { return game_.click(window, control); });
}

InputResult WindowManager::select(Window window, Control control, int row) {
    return feed(window, control,
                [this, window, control, row] { return game_.select(window, control, row); });
}

InputResult WindowManager::type(Window window, Control control, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return feed(window, control, [this, window, control, &utf8] {
        return game_.type(
            window, control,
            std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    });
}

InputResult WindowManager::slide(Window window, Control control, int value) {
    // A drag reports its position twice (as a move and as an action); only
    // a change of position is a movement of the slider.
    if (const WindowModel* w = game_.window(window)) {
        if (const ControlEntry* c = w->find(control);
            c != nullptr && c->kind == ControlKind::Slider && c->as<Slider>().value == value) {
            if (const auto& adapter = adapters_[slot(window)]) {
                adapter->touch(control);
            }
            return InputResult::ignored("the slider is already there");
        }
    }
    return feed(window, control,
                [this, window, control, value] { return game_.slide(window, control, value); });
}

InputResult WindowManager::close(Window window) {
    return feed(window, std::nullopt, [this, window] { return game_.close(window); });
}

InputResult WindowManager::resize(Window window) {
    if (busy_) {
        // Showing the main window resizes it while the windows are synced;
        // the game hears of it as soon as that is done.
        resize_pending_ = resize_pending_ || window == Window::Main;
        return InputResult::ignored("kept for later");
    }
    return feed(window, std::nullopt, [this, window] { return game_.resize(window); });
}

void WindowManager::refresh() {
    if (busy_) {
        return;
    }
    sync_all();
    while (resize_pending_ && game_.running()) {
        resize_pending_ = false;
        busy_ = true;
        game_.resize(Window::Main);
        busy_ = false;
        sync_all();
    }
    resize_pending_ = false;
    if (game_.started() && !game_.running() && !ended_) {
        ended_ = true;
        Q_EMIT program_ended();
    }
}

void WindowManager::retire(Window window) {
    auto& adapter = adapters_[slot(window)];
    if (!adapter) {
        return;
    }
    retired_.erase(std::remove_if(retired_.begin(), retired_.end(),
                                  [](const QPointer<QWidget>& w) { return w.isNull(); }),
                   retired_.end());
    retired_.emplace_back(adapter->widget());
    adapter->retire();
    adapter.reset();
}

void WindowManager::sync_all() {
    busy_ = true;
    const std::vector<Window> order = game_.load_order();
    WindowAdapter* front = nullptr;
    for (const Window id : order) {
        const WindowModel* model = game_.window(id);
        if (model == nullptr) {
            continue;
        }
        auto& adapter = adapters_[slot(id)];
        if (!adapter) {
            adapter = make_adapter(id, *this);
        }
        const bool was_hidden = adapter->widget() == nullptr || adapter->widget()->isHidden();
        if (was_hidden && model->visible) {
            stand_over_owner(*adapter);
        }
        if (adapter->sync(*model)) {
            front = adapter.get();
        }
        if (was_hidden && adapter->widget() != nullptr && !adapter->widget()->isHidden()) {
            shown_order_.erase(std::remove(shown_order_.begin(), shown_order_.end(), id),
                               shown_order_.end());
            shown_order_.push_back(id);
        }
    }
    for (int i = 0; i < kWindowCount; ++i) {
        const auto id = static_cast<Window>(i);
        if (adapters_[slot(id)] && game_.window(id) == nullptr) {
            retire(id);
        }
    }
    shown_order_.erase(std::remove_if(shown_order_.begin(), shown_order_.end(),
                                      [this](Window id) { return !on_screen(id); }),
                       shown_order_.end());
    if (front == nullptr) {
        // The window the player was in may have gone: the keyboard goes to
        // the last window that still takes input.
        const QWidget* active = QApplication::activeWindow();
        const bool active_ok =
            std::any_of(adapters_.begin(), adapters_.end(), [active](const auto& a) {
                return a && a->widget() == active && a->takes_input();
            });
        if (!active_ok) {
            for (auto it = shown_order_.rbegin(); it != shown_order_.rend(); ++it) {
                const auto& adapter = adapters_[slot(*it)];
                if (adapter && adapter->takes_input()) {
                    front = adapter.get();
                    break;
                }
            }
        }
    }
    if (front != nullptr) {
        front->bring_to_front();
        if (front->id() == Window::Main) {
            keep_secondary_windows_above();
        }
        // A window that was just hidden has the keyboard handed to the window
        // it stood over a moment later, after this: without a window manager
        // a fast machine then left the main window with it. The window in
        // front asks for it again once that is done.
        const Window wanted = front->id();
        QTimer::singleShot(100, this, [this, wanted] {
            if (wanted == Window::Main) {
                keep_secondary_windows_above();
                return;
            }
            const auto& adapter = adapters_[slot(wanted)];
            if (adapter && adapter->takes_input() && on_screen(wanted)) {
                adapter->bring_to_front();
            }
        });
    }
    busy_ = false;
}

bool WindowManager::on_screen(Window id) const {
    const auto& adapter = adapters_[slot(id)];
    return adapter && adapter->widget() != nullptr && !adapter->widget()->isHidden();
}

void WindowManager::stand_over_owner(WindowAdapter& adapter) {
    if (adapter.id() == Window::Main || adapter.widget() == nullptr) {
        return;
    }
    // The owner is the main window while it is on screen; before it is (the
    // set-up form's own message boxes), the window shown last.
    QWidget* owner = nullptr;
    if (on_screen(Window::Main)) {
        owner = adapters_[slot(Window::Main)]->widget();
    } else {
        for (auto it = shown_order_.rbegin(); it != shown_order_.rend() && owner == nullptr; ++it) {
            if (*it != adapter.id() && on_screen(*it)) {
                owner = adapters_[slot(*it)]->widget();
            }
        }
    }
    // Owned at the window system's level only: a Qt parent would take the
    // window down with the main window's disabling.
    adapter.widget()->winId();
    if (QWindow* handle = adapter.widget()->windowHandle()) {
        if (owner != nullptr) {
            owner->winId();
        }
        handle->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
    }
}

void WindowManager::keep_secondary_windows_above() {
    // Without a window manager nothing keeps an owned window above its
    // owner: the windows still open are raised again, the one shown last
    // on top and with the keyboard, so that none is lost behind the main
    // window.
    WindowAdapter* last = nullptr;
    for (const Window id : shown_order_) {
        if (id == Window::Main || !on_screen(id)) {
            continue;
        }
        const auto& adapter = adapters_[slot(id)];
        adapter->widget()->raise();
        if (adapter->takes_input()) {
            last = adapter.get();
        }
    }
    if (last != nullptr) {
        last->bring_to_front();
    }
}

} // namespace swoonery::ui
