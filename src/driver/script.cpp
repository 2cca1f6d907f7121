// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver/script.h"

#include "actions/rules.h"
#include "base/text.h"
#include "core/names.h"
#include "driver/json.h"
#include "driver/state_fields.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <vector>

namespace swoonery::driver {

namespace {

std::string message(std::string_view kind, std::string_view reason) {
    Json j;
    j.begin_object().key(kind).value(reason).end_object();
    return j.str();
}

// Splits "W.C" into its window and control.
bool split_target(std::string_view t, std::string_view& w, std::string_view& c) {
    const auto dot = t.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == t.size()) {
        return false;
    }
    w = t.substr(0, dot);
    c = t.substr(dot + 1);
    return true;
}

// The next blank-separated word of `rest`, which loses it and its blank.
std::string_view next_word(std::string_view& rest) {
    const auto blank = rest.find(' ');
    const std::string_view word = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    return word;
}

std::string_view browser_result(BrowserResult r) {
    switch (r) {
    case BrowserResult::Opened:
        return "opened";
    case BrowserResult::NotFound:
        return "not-found";
    case BrowserResult::NotOpened:
        return "not-opened";
    }
    return "";
}

void dump_control(Json& j, const ControlEntry& entry) {
    const ControlBase& c = *entry.model;
    j.begin_object();
    j.key("text").value(c.text);
    j.key("visible").value(c.visible);
    j.key("enabled").value(c.enabled);
    j.key("tooltip").value(c.tooltip);
    switch (entry.kind) {
    case ControlKind::ListBox: {
        const auto& list = entry.as<ListBox>();
        j.key("items").begin_array();
        for (const std::string& item : list.items) {
            j.value(item);
        }
        j.end_array();
        j.key("selected").value(list.selected);
        break;
    }
    case ControlKind::Slider:
        j.key("value").value(entry.as<Slider>().value);
        break;
    case ControlKind::Picture:
        j.key("picture").value(entry.as<PictureBox>().picture);
        break;
    case ControlKind::Menu:
        j.key("checked").value(entry.as<MenuEntry>().checked);
        break;
    case ControlKind::Hearts:
        j.key("shown").value(entry.as<HeartGauge>().shown);
        break;
    case ControlKind::Grid: {
        const auto& grid = entry.as<Grid>();
        j.key("cells").begin_array();
        for (const auto& row : grid.cells) {
            j.begin_array();
            for (const std::string& cell : row) {
                j.value(cell);
            }
            j.end_array();
        }
        j.end_array();
        j.key("red_rows").begin_array();
        for (const int r : grid.red_rows) {
            j.value(r);
        }
        j.end_array();
        break;
    }
    default:
        break;
    }
    j.end_object();
}

} // namespace

std::string command_text(const Input& input) {
    const std::string window(window_name(input.window));
    const std::string target = control_path(input.window, input.control);
    switch (input.kind) {
    case Input::Kind::Click:
        return "click " + target;
    case Input::Kind::Select:
        return "select " + target + " " + plain_decimal(static_cast<long long>(input.value));
    case Input::Kind::Slide:
        return "slide " + target + " " + plain_decimal(static_cast<long long>(input.value));
    case Input::Kind::Type:
        return "type " + target + " " + input.text;
    case Input::Kind::Close:
        return "close " + window;
    case Input::Kind::Resize:
        return "resize " + window;
    }
    return {};
}

ScriptRunner::ScriptRunner(std::filesystem::path data_dir) {
    Services svc{sound_, browser_, desktop_, rng_};
    svc.data_dir = std::move(data_dir);
    game_ = std::make_unique<Game>(std::move(svc), play_rules());
}

std::string ScriptRunner::dump() {
    Json j;
    j.begin_object();
    j.key("running").value(game_->running());
    j.key("state");
    dump_state(game_->state(), j);
    j.key("windows").begin_array();
    for (const Window id : game_->load_order()) {
        const WindowModel& w = *game_->window(id);
        j.begin_object();
        j.key("name").value(window_name(id));
        j.key("visible").value(w.visible);
        j.key("enabled").value(w.enabled);
        j.key("caption").value(w.caption);
        if (id == Window::MessageBox) {
            const auto& box = static_cast<const MessageBoxWindow&>(w);
            j.key("title").value(box.caption);
            j.key("text").value(box.text);
            j.key("icon").value(box.warning ? "warning" : "none");
        }
        j.key("controls").begin_object();
        for (const ControlEntry& entry : w.controls()) {
            j.key(control_name(id, entry.id));
            dump_control(j, entry);
        }
        j.end_object();
        j.end_object();
    }
    j.end_array();
    j.key("sounds").begin_array();
    for (const std::string& s : sound_.played) {
        j.value(s);
    }
    j.end_array();
    sound_.played.clear();
    j.key("browser").begin_array();
    for (const BrowserLaunch& b : browser_.launches) {
        j.begin_object().key("url").value(b.url).key("result").value(browser_result(b.result));
        j.end_object();
    }
    j.end_array();
    browser_.launches.clear();
    j.end_object();
    return j.str();
}

std::string ScriptRunner::execute(std::string_view line, bool& failed) {
    failed = false;
    auto error = [&failed](std::string_view why) {
        failed = true;
        return message("error", why);
    };
    auto outcome = [&](const InputResult& r) -> std::string {
        switch (r.kind) {
        case InputResult::Kind::Done:
            return {};
        case InputResult::Kind::Ignored:
            return message("ignored", r.reason);
        case InputResult::Kind::Error:
            return error(r.reason);
        }
        return {};
    };

    std::string_view rest = line;
    const std::string_view cmd = next_word(rest);

    if (cmd == "dump") {
        return rest.empty() ? dump() : error("dump takes no arguments");
    }
    if (game_->started() && !game_->running()) {
        return error("the program has ended");
    }
    if (cmd == "seed") {
        long long n = 0;
        if (!parse_whole_number(rest, n) || n < 0) {
            return error("seed takes a whole number");
        }
        rng_.reseed(static_cast<std::uint64_t>(n));
        return {};
    }
    if (cmd == "rng") {
        std::vector<double> values;
        while (!rest.empty()) {
            const std::string_view w = next_word(rest);
            double u = 0;
            const auto res = std::from_chars(w.data(), w.data() + w.size(), u);
            if (res.ec != std::errc() || res.ptr != w.data() + w.size() || !(u >= 0.0 && u < 1.0)) {
                return error("rng takes decimal numbers from 0 up to but not including 1, not '" +
                             std::string(w) + "'");
            }
            values.push_back(u);
        }
        if (values.empty()) {
            return error("rng takes at least one value");
        }
        rng_.push(values);
        return {};
    }
    if (cmd == "desktop") {
        long long w = 0;
        long long h = 0;
        if (!parse_whole_number(next_word(rest), w) || !parse_whole_number(rest, h) || w < 0 ||
            h < 0 || w > 100000 || h > 100000) {
            return error("desktop takes a width and a height in pixels");
        }
        desktop_.current = {static_cast<int>(w), static_cast<int>(h)};
        return {};
    }
    if (cmd == "browser") {
        if (rest == "found") {
            browser_.outcome = BrowserResult::Opened;
        } else if (rest == "missing") {
            browser_.outcome = BrowserResult::NotFound;
        } else if (rest == "fails") {
            browser_.outcome = BrowserResult::NotOpened;
        } else {
            return error("browser takes found, missing or fails");
        }
        return {};
    }
    if (cmd == "start") {
        return rest.empty() ? outcome(game_->start()) : error("start takes no arguments");
    }
    if (cmd == "click" || cmd == "select" || cmd == "type" || cmd == "slide") {
        std::string_view w;
        std::string_view c;
        if (!split_target(next_word(rest), w, c)) {
            return error(std::string(cmd) + " takes WINDOW.CONTROL");
        }
        Input input;
        if (cmd == "click") {
            if (!rest.empty()) {
                return error("click takes no value");
            }
            input.kind = Input::Kind::Click;
        } else if (cmd == "type") {
            input.kind = Input::Kind::Type;
            input.text = rest;
        } else {
            long long v = 0;
            if (!parse_whole_number(rest, v) || v < -1000000 || v > 1000000) {
                return error(std::string(cmd) + " takes a whole number");
            }
            input.kind = cmd == "select" ? Input::Kind::Select : Input::Kind::Slide;
            input.value = static_cast<int>(v);
        }
        const std::optional<Window> window = window_by_name(w);
        if (!window) {
            return error("unknown window " + std::string(w));
        }
        input.window = *window;
        const std::optional<Control> control = control_by_name(*window, c);
        if (!control) {
            return error("unknown control " + std::string(w) + "." + std::string(c));
        }
        input.control = *control;
        return outcome(game_->apply(input));
    }
    if (cmd == "close" || cmd == "resize") {
        if (rest.empty() || rest.find(' ') != std::string_view::npos) {
            return error(std::string(cmd) + " takes one window name");
        }
        Input input;
        input.kind = cmd == "close" ? Input::Kind::Close : Input::Kind::Resize;
        const std::optional<Window> window = window_by_name(rest);
        if (!window) {
            return error("unknown window " + std::string(rest));
        }
        input.window = *window;
        return outcome(game_->apply(input));
    }
    if (cmd == "set") {
        const std::string_view field = next_word(rest);
        if (field.empty()) {
            return error("set takes a field and a value");
        }
        const std::string why = set_field(game_->state(), field, rest);
        return why.empty() ? std::string() : error(why);
    }
    return error("unknown command " + std::string(cmd));
}

bool ScriptRunner::run_line(std::string_view line, std::ostream& out) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return true;
    }
    bool failed = false;
    const std::string text = execute(line, failed);
    if (!text.empty()) {
        out << text << '\n';
    }
    return !failed;
}

int ScriptRunner::run(std::istream& in, std::ostream& out) {
    bool any_error = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!run_line(line, out)) {
            any_error = true;
        }
    }
    if (in.bad()) {
        out << message("error", "the script could not be read to its end") << '\n';
        any_error = true;
    }
    out.flush();
    return any_error ? 2 : 0;
}

} // namespace swoonery::driver
