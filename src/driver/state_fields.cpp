// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver/state_fields.h"

#include "base/text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace swoonery::driver {

namespace {

// A topic's mark as the dump and `set` write it.
constexpr std::array<std::string_view, 4> kMarkLetters = {"", "T", "F", "A"}; // by Mark

std::string_view mark_letter(Mark mark) {
    return kMarkLetters[static_cast<std::size_t>(mark)];
}

std::optional<Mark> mark_by_letter(std::string_view letter) {
    for (std::size_t i = 1; i < kMarkLetters.size(); ++i) { // none cannot be set
        if (kMarkLetters[i] == letter) {
            return static_cast<Mark>(i);
        }
    }
    return std::nullopt;
}

// Field values may carry a '+'.
bool parse_int(std::string_view t, long long& v) {
    return parse_whole_number(t, v, true);
}

bool parse_double(std::string_view t, double& v) {
    if (t.empty()) {
        return false;
    }
    const char* end = t.data() + t.size();
    const auto res = std::from_chars(t.data() + (t.front() == '+' ? 1 : 0), end, v);
    return res.ec == std::errc() && res.ptr == end && std::isfinite(v);
}

bool parse_bool(std::string_view t, bool& v) {
    if (t == "true" || t == "True") {
        v = true;
        return true;
    }
    if (t == "false" || t == "False") {
        v = false;
        return true;
    }
    return false;
}

std::string set16(int16& field, std::string_view t) {
    long long v = 0;
    if (!parse_int(t, v)) {
        return "not a whole number: " + std::string(t);
    }
    if (v < -32768 || v > 32767) {
        return "out of the 16-bit range: " + std::string(t);
    }
    field = static_cast<int16>(v);
    return {};
}

std::string set_bool(bool& field, std::string_view t) {
    return parse_bool(t, field) ? std::string() : "not true or false: " + std::string(t);
}

std::string set_real(double& field, std::string_view t) {
    return parse_double(t, field) ? std::string() : "not a number: " + std::string(t);
}

// Splits "N VALUE" of a numbered field; VALUE is the rest of the line.
bool split_entry(std::string_view args, std::size_t size, std::size_t& index,
                 std::string_view& rest, std::string& error) {
    const auto blank = args.find(' ');
    long long n = 0;
    if (blank == std::string_view::npos || !parse_int(args.substr(0, blank), n)) {
        error = "a numbered field takes its entry number first";
        return false;
    }
    if (n < 1 || n > static_cast<long long>(size)) {
        error = "entry " + std::string(args.substr(0, blank)) + " is out of range 1 to " +
                std::to_string(size);
        return false;
    }
    index = static_cast<std::size_t>(n - 1);
    rest = args.substr(blank + 1);
    return true;
}

template <class T, std::size_t N>
void dump_list(Json& out, std::string_view name, const std::array<T, N>& a) {
    out.key(name).begin_array();
    for (const T& v : a) {
        if constexpr (std::is_same_v<T, bool>) {
            out.value(v);
        } else {
            out.value(static_cast<long long>(v));
        }
    }
    out.end_array();
}

} // namespace

void dump_state(const GameState& s, Json& out) {
    out.begin_object();
    out.key("player_name").value(s.player_name);
    out.key("Gname").value(s.Gname);
    out.key("heart_value").value(static_cast<long long>(s.heart_value));
    out.key("sound_on").value(s.sound_on);
    out.key("game_over").value(s.game_over);
    out.key("score_pending").value(s.score_pending);
    out.key("winner_name").value(s.winner_name);
    out.key("winner_score").value(s.winner_score);
    out.key("winner_days").value(static_cast<long long>(s.winner_days));
    out.key("winner_money").value(s.winner_money.to_dollars());
    out.key("cash").value(static_cast<long long>(s.cash));
    out.key("day").value(static_cast<long long>(s.day));
    out.key("money_spent").value(static_cast<long long>(s.money_spent));
    out.key("action_count").value(static_cast<long long>(s.action_count));
    out.key("looks").value(s.looks);
    out.key("smart").value(s.smart);
    out.key("luck").value(static_cast<long long>(s.luck));
    out.key("interest_table").begin_array();
    for (const Topic& t : s.interest_table) {
        out.begin_array().value(t.name).value(mark_letter(t.mark)).end_array();
    }
    out.end_array();
    dump_list(out, "liked_topics", s.liked_topics);
    out.key("talks_today").value(static_cast<long long>(s.talks_today));
    out.key("work_streak").value(static_cast<long long>(s.work_streak));
    dump_list(out, "last_visit_day", s.last_visit_day);
    out.key("repeat_window").value(static_cast<long long>(s.repeat_window));
    out.key("gift_spending").value(static_cast<long long>(s.gift_spending));
    dump_list(out, "job_available", s.job_available);
    out.key("face").value(static_cast<long long>(s.face));
    out.end_object();
}

std::string set_field(GameState& s, std::string_view name, std::string_view args) {
    // Text fields take the rest of the line as it stands.
    if (name == "player_name") {
        s.player_name = std::string(args);
        return {};
    }
    if (name == "Gname") {
        s.Gname = std::string(args);
        return {};
    }
    if (name == "winner_name") {
        s.winner_name = std::string(args);
        return {};
    }
    const std::vector<std::pair<std::string_view, int16*>> ints = {
        {"heart_value", &s.heart_value},
        {"winner_days", &s.winner_days},
        {"cash", &s.cash},
        {"day", &s.day},
        {"money_spent", &s.money_spent},
        {"action_count", &s.action_count},
        {"luck", &s.luck},
        {"talks_today", &s.talks_today},
        {"work_streak", &s.work_streak},
        {"repeat_window", &s.repeat_window},
        {"gift_spending", &s.gift_spending}};
    for (const auto& [n, field] : ints) {
        if (n == name) {
            return set16(*field, args);
        }
    }
    if (name == "sound_on") {
        return set_bool(s.sound_on, args);
    }
    if (name == "game_over") {
        return set_bool(s.game_over, args);
    }
    if (name == "score_pending") {
        return set_bool(s.score_pending, args);
    }
    if (name == "looks") {
        return set_real(s.looks, args);
    }
    if (name == "smart") {
        return set_real(s.smart, args);
    }
    if (name == "winner_score") {
        return set_real(s.winner_score, args);
    }
    if (name == "winner_money") {
        double dollars = 0;
        if (!parse_double(args, dollars) || std::fabs(dollars) > 9.2e14) {
            return "not an amount of money: " + std::string(args);
        }
        s.winner_money.units = static_cast<std::int64_t>(std::llround(dollars * 10000.0));
        return {};
    }
    std::size_t i = 0;
    std::string_view rest;
    std::string error;
    if (name == "last_visit_day") {
        return split_entry(args, s.last_visit_day.size(), i, rest, error)
                   ? set16(s.last_visit_day[i], rest)
                   : error;
    }
    if (name == "liked_topics") {
        return split_entry(args, s.liked_topics.size(), i, rest, error)
                   ? set16(s.liked_topics[i], rest)
                   : error;
    }
    if (name == "job_available") {
        return split_entry(args, s.job_available.size(), i, rest, error)
                   ? [&] {
                         bool b = false;
                         std::string e = set_bool(b, rest);
                         if (e.empty()) {
                             s.job_available[i] = b;
                         }
                         return e;
                     }()
                   : error;
    }
    if (name == "interest_table") {
        if (!split_entry(args, s.interest_table.size(), i, rest, error)) {
            return error;
        }
        const std::optional<Mark> mark = mark_by_letter(rest);
        if (!mark) {
            return "a topic's mark is T, F or A, not " + std::string(rest);
        }
        s.interest_table[i].mark = *mark;
        return {};
    }
    return "unknown field " + std::string(name);
}

} // namespace swoonery::driver
