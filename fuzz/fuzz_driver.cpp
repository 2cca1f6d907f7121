// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the scenario driver with the input as a script, in a private folder
// emptied before each run (the game reads and writes Scores and last there).
//
// The script is run twice: whole, as the driver program runs it, and line by
// line, so that each line's output can be held against the line.

#include "fuzz_support.h"
#include "json_check.h"

#include "driver/script.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery::fuzz {
namespace {

using Kind = JsonValue::Kind;

std::vector<std::string> lines_of(std::string_view text) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

bool has(const JsonValue& v, std::string_view key, Kind kind) {
    const JsonValue* m = v.member(key);
    return m != nullptr && m->kind == kind;
}

// A dump is one object with running, state, windows, sounds and browser, in
// that order; every window has its name, flags, caption and controls, every
// control its text, flags and tooltip.
void check_dump(const JsonValue& v, const std::string& line) {
    const char* keys[] = {"running", "state", "windows", "sounds", "browser"};
    FUZZ_CHECK(v.keys.size() == 5, "a dump does not have its five parts: " + escaped(line));
    for (std::size_t k = 0; k < 5; ++k) {
        FUZZ_CHECK(v.keys[k] == keys[k], "a dump's parts are out of order: " + escaped(line));
    }
    FUZZ_CHECK(has(v, "running", Kind::Bool) && has(v, "state", Kind::Object) &&
                   has(v, "windows", Kind::Array) && has(v, "sounds", Kind::Array) &&
                   has(v, "browser", Kind::Array),
               "a dump's part has the wrong type");
    const JsonValue& state = *v.member("state");
    for (const char* field : {"heart_value", "cash", "day", "score_pending", "winner_name"}) {
        FUZZ_CHECK(state.member(field) != nullptr, std::string("the state lacks ") + field);
    }
    for (const JsonValue& w : v.member("windows")->items) {
        FUZZ_CHECK(w.kind == Kind::Object && has(w, "name", Kind::String) &&
                       has(w, "visible", Kind::Bool) && has(w, "enabled", Kind::Bool) &&
                       has(w, "caption", Kind::String) && has(w, "controls", Kind::Object),
                   "a window in a dump lacks a part");
        const JsonValue& controls = *w.member("controls");
        for (std::size_t k = 0; k < controls.keys.size(); ++k) {
            const JsonValue& c = controls.items[k];
            FUZZ_CHECK(c.kind == Kind::Object && has(c, "text", Kind::String) &&
                           has(c, "visible", Kind::Bool) && has(c, "enabled", Kind::Bool) &&
                           has(c, "tooltip", Kind::String),
                       "control " + controls.keys[k] + " in a dump lacks a part");
        }
    }
    for (const JsonValue& s : v.member("sounds")->items) {
        FUZZ_CHECK(s.kind == Kind::String, "a sound in a dump is not a file name");
    }
}

enum class Line { Error, Ignored, Dump };

// Every output line is one JSON object: an error or an ignored input with
// its reason, or a dump.
Line classify(const std::string& line) {
    std::string why;
    const auto v = parse_json(line, why);
    FUZZ_CHECK(v.has_value(), "output is not JSON (" + why + "): " + escaped(line));
    FUZZ_CHECK(v->kind == Kind::Object, "output is not a JSON object: " + escaped(line));
    if (v->keys.size() == 1 && v->keys[0] == "error") {
        FUZZ_CHECK(v->items[0].kind == Kind::String, "an error without a reason");
        return Line::Error;
    }
    if (v->keys.size() == 1 && v->keys[0] == "ignored") {
        FUZZ_CHECK(v->items[0].kind == Kind::String, "an ignored input without a reason");
        return Line::Ignored;
    }
    check_dump(*v, line);
    return Line::Dump;
}

// The whole script: exit status 0, or 2 exactly when some line was an error.
std::string check_whole(const std::string& script) {
    empty_dir(scratch_dir());
    driver::ScriptRunner runner(scratch_dir());
    std::istringstream in(script);
    std::ostringstream out;
    const int status = runner.run(in, out);
    FUZZ_CHECK(status == 0 || status == 2, "exit status " + std::to_string(status));
    bool any_error = false;
    for (const std::string& line : lines_of(out.str())) {
        any_error = classify(line) == Line::Error || any_error;
    }
    FUZZ_CHECK((status == 2) == any_error, "the exit status does not match the errors printed");
    return out.str();
}

// Line by line: blank and comment lines print nothing; `dump` prints a dump;
// another line prints at most one line, an error exactly when it fails; once
// the program has ended it stays ended and refuses every command but dump.
// The output is the same as the whole script's.
void check_lines(const std::string& script, const std::string& whole_output) {
    empty_dir(scratch_dir());
    driver::ScriptRunner runner(scratch_dir());
    std::string all;
    bool ended = false;
    for (const std::string& raw : lines_of(script)) {
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        std::ostringstream out;
        const bool ok = runner.run_line(raw, out);
        const std::string text = out.str();
        all += text;
        if (line.empty() || line.front() == '#') {
            FUZZ_CHECK(ok && text.empty(),
                       "a blank or comment line did something: " + escaped(raw));
            continue;
        }
        const std::vector<std::string> printed = lines_of(text);
        FUZZ_CHECK(printed.size() <= 1 && (text.empty() || text.back() == '\n'),
                   "a line printed more than one line: " + escaped(raw));
        const bool is_dump = line == "dump";
        if (is_dump) {
            FUZZ_CHECK(printed.size() == 1 && classify(printed[0]) == Line::Dump,
                       "dump printed no dump");
        } else if (printed.empty()) {
            FUZZ_CHECK(ok, "a failed line printed nothing: " + escaped(raw));
        } else {
            FUZZ_CHECK((classify(printed[0]) == Line::Error) == !ok,
                       "a line's failure and its output disagree: " + escaped(raw));
        }
        const bool dump_word = line.substr(0, line.find(' ')) == "dump";
        if (ended && !dump_word) {
            FUZZ_CHECK(text == "{\"error\":\"the program has ended\"}\n",
                       "input after the end was not refused: " + escaped(raw) + " -> " +
                           escaped(text));
        }
        const bool running = runner.game().running();
        FUZZ_CHECK(!(ended && running), "the program ran again after it ended");
        ended = runner.game().started() && !running;
    }
    FUZZ_CHECK(all == whole_output, "line by line the output differs from the whole script's");
}

} // namespace
} // namespace swoonery::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    const std::string output = swoonery::fuzz::check_whole(script);
    swoonery::fuzz::check_lines(script, output);
    return 0;
}
