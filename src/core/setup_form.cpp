// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The set-up form: the player's name, remembered in the file `last`, and
// three ratings shared out of a pool of 150 points.
#include "base/text.h"
#include "core/game.h"
#include "core/handlers.h"
#include "core/last_file.h"

#include <algorithm>
#include <array>

namespace swoonery {

namespace {

// The name box's text for a record: zero bytes count as blanks, trailing
// blanks go.
std::string name_of_record(std::string bytes) {
    for (char& c : bytes) {
        if (c == '\0') {
            c = ' ';
        }
    }
    return cp1252_to_utf8(bytes);
}

void select_all(TextBox& box) {
    box.sel_start = 0;
    box.sel_length = static_cast<int>(utf8_length(box.text));
}

void load_setup_form(Game& g) {
    SetupWindow& f = *g.setup_form();
    f.points_left = 0;
    if (desktop_too_small(g)) {
        g.message_box("Swoonery",
                      "The desktop size has to be at least 800x600 for Swoonery to work properly",
                      false, AfterBox::EndProgram);
        return;
    }
    f.saved_record = read_last_record(g.services().data_dir / "last");
    f.saved_name = name_of_record(f.saved_record);
    f.name.text = trim_trailing_blanks(f.saved_name);
    select_all(f.name);
}

void setup_slider_moved(Game& g, Control control) {
    SetupWindow& f = *g.setup_form();
    const int total = f.looks.value + f.smart.value + f.luck.value;
    if (total > 150) {
        // The pool is overdrawn: take half the excess from each of the other
        // two. The player's own movement never raises their handlers. No
        // slider goes below 0; what a slider at 0 cannot give, the other one
        // gives, so the pool is never overdrawn by more than the rounding's
        // one point.
        const int cut = round16((total - 150) / 2.0);
        Slider* first = &f.smart;
        Slider* second = &f.luck;
        if (control == Control::Smart) {
            first = &f.looks;
        } else if (control == Control::Luck) {
            second = &f.looks;
        }
        const int first_short = std::max(0, cut - first->value);
        const int second_short = std::max(0, cut - second->value);
        first->value = std::max(0, first->value - cut - second_short);
        second->value = std::max(0, second->value - cut - first_short);
    }
    // The label always tells what the sliders leave, even the rounding's one
    // point over.
    f.points_left = sat16(150 - (f.looks.value + f.smart.value + f.luck.value));
    f.points.text = "Points Left:" + plain_decimal(static_cast<long long>(f.points_left));
}

void setup_ok(Game& g) {
    SetupWindow& f = *g.setup_form();
    if (f.name.text.empty()) {
        g.message_box("Swoonery", "Please Enter Your Name !!", false, AfterBox::FocusName);
        return;
    }
    const std::string name = trim_blanks(f.name.text);
    f.visible = false;
    show_main_window(g);
    if (g.after_box() == AfterBox::EndProgram) {
        return; // the main window failed the desktop check: the program ends
    }
    std::string record = utf8_to_cp1252(name);
    record.resize(kLastRecordBytes, ' ');
    SetupWindow* still = g.setup_form();
    if (still == nullptr) {
        write_last_record(g.services().data_dir / "last", record);
        return;
    }
    still->saved_name = utf8_truncate(name, kLastRecordBytes);
    still->saved_name.append(kLastRecordBytes - utf8_length(still->saved_name), ' ');
    if (still->saved_record != record) { // the same name again leaves the file alone
        write_last_record(g.services().data_dir / "last", record);
        still->saved_record = std::move(record);
    }
}

void close_setup_form(Game& g) {
    g.unload(Window::Setup);
    if (g.load_order().empty()) {
        g.end_program();
    }
}

constexpr std::array<ClickRoute, 2> kClicks = {{
    {Control::Ok, setup_ok},
    {Control::Exit, [](Game& g) { g.end_program(); }},
}};

const WindowRoutes kRoutes{
    .clicks = kClicks,
    .on_load = load_setup_form,
    .on_close = close_setup_form,
    .on_slide = setup_slider_moved,
};

} // namespace

const WindowRoutes& setup_form_routes() {
    return kRoutes;
}

bool desktop_too_small(Game& g) {
    const DesktopSize d = g.services().desktop.size();
    return d.width < 800 || d.height < 600;
}

void activate_setup_form(Game& g) {
    SetupWindow* f = g.setup_form();
    if (f == nullptr) {
        return;
    }
    f->name.text = trim_trailing_blanks(f->saved_name);
    select_all(f->name);
    f->focus(Control::Name);
}

} // namespace swoonery
