// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's input: checked as the windows would check it, then routed to
// the handlers of the window it was given to.
#include "core/game.h"

#include "base/text.h"
#include "core/handlers.h"
#include "core/names.h"

#include <algorithm>
#include <stdexcept>

namespace swoonery {

namespace {

// The message box has no handlers: OK and its close box both close it.
const WindowRoutes kNoRoutes{};

const WindowRoutes& routes(Window id) {
    switch (id) {
    case Window::Main:
        return main_window_routes();
    case Window::Setup:
        return setup_form_routes();
    case Window::HighScores:
        return scores_routes();
    case Window::MessageBox:
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

WindowModel& Game::load(Window id) {
    WindowModel& w = forms_.load(id);
    if (const Handler on_load = routes(id).on_load) {
        on_load(*this);
    }
    return w;
}

WindowModel* Game::ensure_loaded(Window id) {
    if (window(id) == nullptr) {
        load(id);
    }
    return window(id);
}

void Game::show(Window id) {
    WindowModel* w = ensure_loaded(id);
    if (w != nullptr && running_) {
        w->visible = true;
    }
}

void Game::show_over_main_window(Window id) {
    forms_.disable_main_window();
    show(id);
}

void Game::message_box(std::string title, std::string text, bool warning, AfterBox after) {
    forms_.open_message_box(std::move(title), std::move(text), warning, after);
}

void Game::show_message(std::string text) {
    auto* f = static_cast<MessageWindow*>(ensure_loaded(Window::Message));
    f->message.text = std::move(text);
    show_over_main_window(Window::Message);
}

void Game::say(std::string text) {
    main_window()->dialogue.text = std::move(text);
}

void Game::close_message_box() {
    const AfterBox after = forms_.close_message_box();
    if (after == AfterBox::EndProgram) {
        end_program();
    } else if (after == AfterBox::FocusName) {
        if (SetupWindow* f = setup_form()) {
            f->focus(Control::Name);
        }
    }
}

void Game::end_program() {
    running_ = false;
    forms_.unload_all();
}

// ---- Input ----------------------------------------------------------------------

namespace {

std::string target(Window id, std::optional<Control> control) {
    return control ? control_path(id, *control) : std::string(window_name(id));
}

// Whether the window (and the control) would take input from the player now.
InputResult check_input(const Game& g, Window id, std::optional<Control> control,
                        const ControlEntry*& c) {
    if (!g.running()) {
        return InputResult::error("the program has ended");
    }
    const std::string window_name_(window_name(id));
    const WindowModel* w = g.window(id);
    if (w == nullptr) {
        // Tell a control this window does not have from a window that is merely closed.
        if (control && g.make_window(id)->find(*control) == nullptr) {
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
    if (id != Window::MessageBox && g.window(Window::MessageBox) != nullptr) {
        return InputResult::ignored("a message box is open");
    }
    if (!w->visible) {
        return InputResult::ignored(window_name_ + " is not visible");
    }
    if (!w->enabled) {
        return InputResult::ignored(window_name_ + " is disabled");
    }
    if (c != nullptr && (!c->model->visible || !c->model->enabled)) {
        return InputResult::ignored(target(id, control) +
                                    (c->model->visible ? " is disabled" : " is not visible"));
    }
    return InputResult::done();
}

} // namespace

InputResult Game::start() {
    if (started_) {
        return InputResult::error("the program has already been started");
    }
    started_ = true;
    load(Window::Setup);
    if (running_ && window(Window::MessageBox) == nullptr) {
        show(Window::Setup);
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

InputResult Game::click(Window id, Control control) {
    const ControlEntry* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind == ControlKind::Slider || c->kind == ControlKind::TextBox ||
        c->kind == ControlKind::ListBox || c->kind == ControlKind::Grid) {
        return InputResult::error(target(id, control) + " is not clickable");
    }
    if (id == Window::MessageBox) {
        close_message_box();
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

InputResult Game::select(Window id, Control control, int row) {
    const ControlEntry* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind != ControlKind::ListBox) {
        return InputResult::error(std::string(control_name(id, control)) + " is not a list");
    }
    auto& list = c->as<ListBox>();
    if (row < 0 || row >= static_cast<int>(list.items.size())) {
        return InputResult::error("row " + plain_decimal(static_cast<long long>(row)) +
                                  " is out of range");
    }
    list.selected = row;
    if (const auto on_select = routes(id).on_select) {
        on_select(*this, control);
    }
    return InputResult::done();
}

InputResult Game::type(Window id, Control control, std::string_view text) {
    const ControlEntry* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind != ControlKind::TextBox) {
        return InputResult::error(std::string(control_name(id, control)) + " is not a text box");
    }
    auto& box = c->as<TextBox>();
    if (box.read_only) {
        return InputResult::ignored(std::string(control_name(id, control)) + " is read-only");
    }
    std::string clean = sanitize_utf8(text);
    if (box.max_length > 0) {
        clean = utf8_truncate(clean, static_cast<std::size_t>(box.max_length));
    }
    box.text = std::move(clean);
    box.sel_start = static_cast<int>(utf8_length(box.text));
    box.sel_length = 0;
    return InputResult::done();
}

InputResult Game::slide(Window id, Control control, int value) {
    const ControlEntry* c = nullptr;
    InputResult r = check_input(*this, id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind != ControlKind::Slider) {
        return InputResult::error(std::string(control_name(id, control)) + " is not a slider");
    }
    if (value < 0 || value > 100) {
        return InputResult::error("slider value " + plain_decimal(static_cast<long long>(value)) +
                                  " is out of range 0 to 100");
    }
    c->as<Slider>().value = value;
    if (const auto on_slide = routes(id).on_slide) {
        on_slide(*this, control);
    }
    return InputResult::done();
}

InputResult Game::close(Window id) {
    const ControlEntry* c = nullptr;
    InputResult r = check_input(*this, id, std::nullopt, c);
    if (!r.ok()) {
        return r;
    }
    if (id == Window::MessageBox) {
        close_message_box();
    } else if (const Handler on_close = routes(id).on_close) {
        on_close(*this);
    }
    return InputResult::done();
}

InputResult Game::resize(Window id) {
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
