// Window bookkeeping and the routing of the player's input to the handlers.
#include "core/game.h"

#include "base/text.h"

#include <algorithm>

namespace swoonery {

Game::Game(Services services) : svc_(std::move(services)) {}

Game::~Game() = default;

MainWindow* Game::form1() const { return static_cast<MainWindow*>(window(WindowId::Form1)); }

SetupWindow* Game::form2() const { return static_cast<SetupWindow*>(window(WindowId::Form2)); }

// ---- Windows ------------------------------------------------------------------

namespace {

std::unique_ptr<Window> make_window(WindowId id, const Services& svc) {
    switch (id) {
    case WindowId::Form1:
        return std::make_unique<MainWindow>(svc.help_url);
    case WindowId::Form2:
        return std::make_unique<SetupWindow>();
    case WindowId::Form3:
        return std::make_unique<WinWindow>();
    case WindowId::Form4:
        return std::make_unique<EventWindow>(id, std::string(pictures::kCat),
                                             "OOPS!! You Stepped on her precious FELIX");
    case WindowId::Form5:
        return std::make_unique<ScoresWindow>();
    case WindowId::Form6:
        return std::make_unique<EventWindow>(id, std::string(pictures::kBill),
                                             "You find a hundred dollar bill on the floor");
    case WindowId::Form7:
        return std::make_unique<EventWindow>(
            id, std::string(pictures::kPolice),
            "You got pulled over for speeding.You got a $60 fine!!!");
    case WindowId::Form8:
        return std::make_unique<MessageWindow>(
            id, "SWOONERY",
            "Sorry Buddy !!! I guess you aren't much of a ladies man after all.");
    case WindowId::Form9:
    case WindowId::Form10:
    case WindowId::Form11:
        return std::make_unique<MessageWindow>(id, "Swoonery", "");
    case WindowId::Form12:
        return std::make_unique<GameOverWindow>();
    case WindowId::Form13:
        return std::make_unique<AboutWindow>(svc.home_url);
    case WindowId::MsgBox:
        return std::make_unique<MessageBoxWindow>("", "", false);
    }
    return nullptr;
}

} // namespace

Window& Game::load(WindowId id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    slot = make_window(id, svc_);
    load_order_.push_back(id);
    Window& w = *slot;
    // Load behaviour of the windows that have one.
    switch (id) {
    case WindowId::Form1:
        load_main_window();
        break;
    case WindowId::Form2:
        load_setup_form();
        break;
    case WindowId::Form3:
        win<WinWindow>(id).Label2.text = "OHH ... " + s_.player_name + " I Love you!!!";
        play(Sound::Kiss);
        break;
    case WindowId::Form8:
        play(Sound::SighMale);
        break;
    case WindowId::Form9:
        win<MessageWindow>(id).Label1.text =
            s_.Gname + ":" + " You are IGNORING me!! you only care about work..work...work..";
        break;
    case WindowId::Form10:
        win<MessageWindow>(id).Label1.text =
            s_.Gname + ":" + " You are getting a bit BORING!! we do the samething alot";
        break;
    case WindowId::Form5:
        load_high_scores();
        break;
    default:
        break;
    }
    return w;
}

Window* Game::ensure_loaded(WindowId id) {
    if (window(id) == nullptr) {
        load(id);
    }
    return window(id);
}

void Game::unload(WindowId id) {
    auto& slot = windows_[static_cast<std::size_t>(id)];
    if (!slot) {
        return;
    }
    slot.reset();
    load_order_.erase(std::remove(load_order_.begin(), load_order_.end(), id), load_order_.end());
}

void Game::show(WindowId id) {
    Window* w = ensure_loaded(id);
    if (w != nullptr && running_) {
        w->visible = true;
    }
}

void Game::disable_main_window() {
    if (MainWindow* f = form1()) {
        f->enabled = false;
    }
}

void Game::reenable_main_window() {
    // Enables the main window and brings it back to the front.
    if (MainWindow* f = form1()) {
        f->enabled = true;
        f->visible = true;
    }
}

bool Game::alone() const {
    // At most this window, the main window and the hidden set-up form.
    const auto forms = std::count_if(load_order_.begin(), load_order_.end(),
                                     [](WindowId id) { return id != WindowId::MsgBox; });
    return forms <= 3;
}

void Game::message_box(std::string title, std::string text, bool warning, AfterBox after) {
    unload(WindowId::MsgBox);
    windows_[static_cast<std::size_t>(WindowId::MsgBox)] =
        std::make_unique<MessageBoxWindow>(std::move(title), std::move(text), warning);
    load_order_.push_back(WindowId::MsgBox);
    window(WindowId::MsgBox)->visible = true;
    after_box_ = after;
}

void Game::show_message(std::string text) {
    auto* f = static_cast<MessageWindow*>(ensure_loaded(WindowId::Form11));
    f->Label1.text = std::move(text);
    show(WindowId::Form11);
    disable_main_window();
}

void Game::end_program() {
    running_ = false;
    for (auto& w : windows_) {
        w.reset();
    }
    load_order_.clear();
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

} // namespace

InputResult Game::check_input(WindowId id, std::optional<ControlId> control, Control*& c) const {
    if (!running_) {
        return InputResult::error("the program has ended");
    }
    const std::string window_name_(window_name(id));
    const Window* w = window(id);
    if (w == nullptr) {
        // Tell a control this window does not have from a window that is merely closed.
        if (control && make_window(id, svc_)->find(*control) == nullptr) {
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
    if (id != WindowId::MsgBox && window(WindowId::MsgBox) != nullptr) {
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

InputResult Game::start() {
    if (started_) {
        return InputResult::error("the program has already been started");
    }
    started_ = true;
    load(WindowId::Form2);
    if (running_ && window(WindowId::MsgBox) == nullptr) {
        show(WindowId::Form2);
        activate_setup_form();
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
    InputResult r = check_input(id, control, c);
    if (!r.ok()) {
        return r;
    }
    if (c->kind == ControlKind::Slider || c->kind == ControlKind::TextBox ||
        c->kind == ControlKind::ListBox || c->kind == ControlKind::Grid) {
        return InputResult::error(target(id, control) + " is not clickable");
    }
    on_click(id, control);
    return InputResult::done();
}

InputResult Game::select(WindowId id, ControlId control, int row) {
    Control* c = nullptr;
    InputResult r = check_input(id, control, c);
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
    if (id == WindowId::Form1 && control == ControlId::Do_List) {
        list_clicked();
    }
    return InputResult::done();
}

InputResult Game::type(WindowId id, ControlId control, std::string_view text) {
    Control* c = nullptr;
    InputResult r = check_input(id, control, c);
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
    InputResult r = check_input(id, control, c);
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
    if (id == WindowId::Form2) {
        setup_slider_moved(control);
    }
    return InputResult::done();
}

InputResult Game::close(WindowId id) {
    Control* c = nullptr;
    InputResult r = check_input(id, std::nullopt, c);
    if (!r.ok()) {
        return r;
    }
    on_close(id);
    return InputResult::done();
}

InputResult Game::resize(WindowId id) {
    if (!running_) {
        return InputResult::error("the program has ended");
    }
    if (window(id) == nullptr) {
        return InputResult::ignored(std::string(window_name(id)) + " is not open");
    }
    if (id == WindowId::Form1) {
        desktop_check();
    }
    return InputResult::done();
}

void Game::on_click(WindowId id, ControlId control) {
    switch (id) {
    case WindowId::Form1:
        if (control == ControlId::Command1) {
            buy_a_gift();
        } else if (control == ControlId::Command2) {
            call_her();
        } else if (control == ControlId::Command3) {
            take_her_out();
        } else if (control == ControlId::Command4) {
            go_to_work();
        } else if (control == ControlId::Command5) {
            go_shopping();
        } else if (control == ControlId::cmd_ok) {
            action_button();
        } else {
            main_menu(control);
        }
        break;
    case WindowId::Form2:
        if (control == ControlId::Command1) {
            setup_ok();
        } else if (control == ControlId::Command2) {
            end_program();
        }
        break;
    case WindowId::Form5:
        if (control == ControlId::Command1) {
            scores_ok();
        } else if (control == ControlId::Command2) {
            scores_play_again();
        }
        break;
    case WindowId::Form12:
        if (control == ControlId::Command2) {
            game_over_play_again();
        } else if (control == ControlId::Command1) {
            outcome_ok(id);
        }
        break;
    case WindowId::Form13:
        if (control == ControlId::Label3) {
            open_web_page(static_cast<AboutWindow*>(window(id))->txtUrl.text);
        } else if (control == ControlId::Command1) {
            outcome_ok(id);
        }
        break;
    case WindowId::MsgBox:
        on_close(id);
        break;
    default:
        if (control == ControlId::Command1) {
            outcome_ok(id);
        }
        break;
    }
}

void Game::on_close(WindowId id) {
    switch (id) {
    case WindowId::Form1:
        close_main_window(true);
        break;
    case WindowId::Form2:
        unload(WindowId::Form2);
        if (load_order_.empty()) {
            end_program();
        }
        break;
    case WindowId::Form5:
        scores_ok();
        break;
    case WindowId::MsgBox: {
        const AfterBox after = after_box_;
        after_box_ = AfterBox::Nothing;
        unload(WindowId::MsgBox);
        if (after == AfterBox::EndProgram) {
            end_program();
        } else if (after == AfterBox::FocusName) {
            if (SetupWindow* f = form2()) {
                f->focus_control = ControlId::name_txt;
                ++f->focus_serial;
            }
        }
        break;
    }
    default:
        // Every other window's close box runs the steps of its OK.
        outcome_ok(id);
        break;
    }
}

} // namespace swoonery
