// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's input: checked as the windows would check it, then routed to
// the handlers of the window it was given to.
#include "core/game.h"

#include "base/text.h"
#include "core/handlers.h"

#include <algorithm>
#include <stdexcept>

namespace swoonery {

namespace {

// The message box has no handlers: OK and its close box both close it.
const WindowRoutes kNoRoutes{};

const WindowRoutes& routes(WindowId id) {
    switch (id) {
    case WindowId::Form1:
        return main_window_routes();
    case WindowId::Form2:
        return setup_form_routes();
    case WindowId::Form5:
        return scores_routes();
    case WindowId::MsgBox:
        return kNoRoutes;
    default:
        return outcome_routes(id);
    }
}

} // namespace

Game::Game(Services services, Rules rules)
    : svc_(std::move(services)), rules_(rules), forms_(svc_.help_url, svc_.home_url) {
    if (rules_.press_action_button == nullptr) {
        throw std::invalid_argument("a game needs the action button's rules");
    }
}

Game::~Game() = default;

// ---- Windows ------------------------------------------------------------------

Window& Game::load(WindowId id) {
    Window& w = forms_.load(id);
    if (const Handler on_load = routes(id).on_load) {
        on_load(*this);
    }
    return w;
}

Window* Game::ensure_loaded(WindowId id) {
    if (window(id) == nullptr) {
        load(id);
    }
    return window(id);
}

void Game::show(WindowId id) {
    Window* w = ensure_loaded(id);
    if (w != nullptr && running_) {
        w->visible = true;
    }
}

void Game::message_box(std::string title, std::string text, bool warning, AfterBox after) {
    forms_.open_message_box(std::move(title), std::move(text), warning, after);
}

void Game::show_message(std::string text) {
    auto* f = static_cast<MessageWindow*>(ensure_loaded(WindowId::Form11));
    f->Label1.text = std::move(text);
    show(WindowId::Form11);
    forms_.disable_main_window();
}

void Game::end_program() {
    running_ = false;
    forms_.unload_all();
}


// ---- Input ----------------------------------------------------------------------

namespace {

std::string target(WindowId id, std::optional<ControlId> control) {
    std::string t(window_name(id));
    if (control) {
        t += '.';
        t += control_name(*control);
    }
    return t;
}

// Whether the window (and the control) would take input from the player now.
InputResult check_input(const Game& g, WindowId id, std::optional<ControlId> control,
                        Control*& c) {
    if (!g.running()) {
        return InputResult::error("the program has ended");
    }
    const std::string window_name_(window_name(id));
    const Window* w = g.window(id);
    if (w == nullptr) {
        // Tell a control this window does not have from a window that is merely closed.
        if (control && g.forms().make(id)->find(*control) == nullptr) {
            return InputResult::error("unknown control " + target(id, control));
        }
        return InputResult::ignored(window_name_ + " is not open");
    }
    c = nullptr;
    if (control) {
        c = w->find(*control);
        if (c == nullptr) {
            return InputResult::error("unknown control " + target(id, control));
        }
    }
    if (id != WindowId::MsgBox && g.window(WindowId::MsgBox) != nullptr) {
        return InputResult::ignored("a message box is open");
    }
    if (!w->visible) {
        return InputResult::ignored(window_name_ + " is not visible");
    }
    if (!w->enabled) {
        return InputResult::ignored(window_name_ + " is disabled");
    }
    if (c != nullptr && (!c->visible || !c->enabled)) {
        return InputResult::ignored(target(id, control) +
                                    (c->visible ? " is disabled" : " is not visible"));
    }
    return InputResult::done();
}

void close_message_box(Game& g) {
    const AfterBox after = g.forms().close_message_box();
    if (after == AfterBox::EndProgram) {
        g.end_program();
    } else if (after == AfterBox::FocusName) {
        if (SetupWindow* f = g.form2()) {
            f->focus_control = ControlId::name_txt;
            ++f->focus_serial;
        }
    }
}

} // namespace


InputResult Game::start() {
    if (started_) {
        return InputResult::error("the program has already been started");
    }
    started_ = true;
    load(WindowId::Form2);
    if (running_ && window(WindowId::MsgBox) == nullptr) {
        show(WindowId::Form2);
        activate_setup_form(*this);
    }
    return InputResult::done();
}

InputResult Game::apply(const Input& input) {
    switch (input.kind) {
    case Input::Kind::Click:
        return click(input.window, input.control);
    case Input::Kind::Select:
        return select(input.window, input.control, input.value);
    case Input::Kind::Type:
        return type(input.window, input.control, input.text);
    case Input::Kind::Slide:
        return slide(input.window, input.control, input.value);
    case Input::Kind::Close:
        return close(input.window);
    case Input::Kind::Resize:
        return resize(input.window);
    }
    return InputResult::error("unknown input");
}

InputResult Game::click(WindowId id, ControlId control) {
    Control* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind == ControlKind::Slider || c->kind == ControlKind::TextBox ||
        c->kind == ControlKind::ListBox || c->kind == ControlKind::Grid) {
        return InputResult::error(target(id, control) + " is not clickable");
    }
    if (id == WindowId::MsgBox) {
        close_message_box(*this);
        return InputResult::done();
    }
    for (const ClickRoute& route : routes(id).clicks) {
        if (route.control == control) {
            route.handle(*this);
            break;
        }
    }
    return InputResult::done();
}

InputResult Game::select(WindowId id, ControlId control, int row) {
    Control* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind != ControlKind::ListBox) {
        return InputResult::error(std::string(control_name(control)) + " is not a list");
    }
    if (row < 0 || row >= static_cast<int>(c->items.size())) {
        return InputResult::error("row " + plain_decimal(static_cast<long long>(row)) +
                                  " is out of range");
    }
    c->selected = row;
    if (const auto on_select = routes(id).on_select) {
        on_select(*this, control);
    }
    return InputResult::done();
}

InputResult Game::type(WindowId id, ControlId control, std::string_view text) {
    Control* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind != ControlKind::TextBox) {
        return InputResult::error(std::string(control_name(control)) + " is not a text box");
    }
    if (c->read_only) {
        return InputResult::ignored(std::string(control_name(control)) + " is read-only");
    }
    std::string clean = sanitize_utf8(text);
    if (c->max_length > 0) {
        clean = utf8_truncate(clean, static_cast<std::size_t>(c->max_length));
    }
    c->text = std::move(clean);
    c->sel_start = static_cast<int>(utf8_length(c->text));
    c->sel_length = 0;
    return InputResult::done();
}

InputResult Game::slide(WindowId id, ControlId control, int value) {
    Control* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind != ControlKind::Slider) {
        return InputResult::error(std::string(control_name(control)) + " is not a slider");
    }
    if (value < 0 || value > 100) {
        return InputResult::error("slider value " + plain_decimal(static_cast<long long>(value)) +
                                  " is out of range 0 to 100");
    }
    c->value = value;
    if (const auto on_slide = routes(id).on_slide) {
        on_slide(*this, control);
    }
    return InputResult::done();
}

InputResult Game::close(WindowId id) {
    Control* c = nullptr;
    InputResult r = check_input(*this, id, std::nullopt, c);
    if (!r.ok()) {
        return r;
    }
    if (id == WindowId::MsgBox) {
        close_message_box(*this);
    } else if (const Handler on_close = routes(id).on_close) {
        on_close(*this);
    }
    return InputResult::done();
}

InputResult Game::resize(WindowId id) {
    if (!running_) {
        return InputResult::error("the program has ended");
    }
    if (window(id) == nullptr) {
        return InputResult::ignored(std::string(window_name(id)) + " is not open");
    }
    if (const Handler on_resize = routes(id).on_resize) {
        on_resize(*this);
    }
    return InputResult::done();
}

} // namespace swoonery
