// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking her out: pay, a day passes, the place's sound, the repetition
// complaint, and her reaction by a roll that luck narrows.
#include "actions/resolvers.h"

#include "core/game.h"

#include <array>
#include <cmath>
#include <optional>

namespace swoonery {

namespace {

struct Outcome {
    int gain;
    std::string_view reply;
};

struct Reaction {
    std::optional<Sound> sound;
    std::string_view question;
    std::array<Outcome, 4> outcomes; // rolls 1, 2, 3, and above 3
};

// Place 2, the movie, has its own rules (movie_reaction); its texts are here too.
constexpr std::array<Reaction, 11> kReactions = {{
    {Sound::Dinner,
     " Did you enjoy the dinner?",
     {{{5, " Yah it was Good...."},
       {8, " Yah it was Great...."},
       {12, " Yah it was Fabulous ...."},
       {3, " Yah it was OK...."}}}},
    {std::nullopt,
     " Did you like the movie?",
     {{{-3, " I didn't like it too much"},
       {5, " I think it was OK"},
       {8, " I loved it!!!!"},
       {-8, " That movie is Bad!! I dont know why i watched it"}}}},
    {Sound::Birds,
     " Did you have fun today?",
     {{{2, " Yah it was Fun...."},
       {4, " Yah it was Great Fun...."},
       {6, " Yah I never had so much Fun ...."},
       {1, " Yah it was OK...."}}}},
    {Sound::Beach,
     " Did you have fun today?",
     {{{2, " Yah I did...."},
       {4, " Yah it was great fun...."},
       {6, " Yah it was so wonderful...."},
       {1, " Yah it was ok...."}}}},
    {std::nullopt,
     " How was that?",
     {{{2, " Yah, it was good...."},
       {4, " Yah it was really Good...."},
       {6, " hey had 'the' best PIZZA!!  ...."},
       {1, " Yah it was OK...."}}}},
    {Sound::Bowling,
     " Did you enjoy that?",
     {{{4, " Yah it was Fun...."},
       {6, " Yah it was Great Fun...."},
       {8, " Yah I never had so much Fun ...."},
       {2, " Yah it was OK...."}}}},
    {Sound::Rock,
     " Did you like the Concert?",
     {{{8, " Yah it was Good...."},
       {10, " Yah it was Great...."},
       {14, " Yah it was Great, I really enjoyed it  ...."},
       {6, " Yah it was OK...."}}}},
    {Sound::Play,
     " Did you like the Drama?",
     {{{3, " Yah it was Good...."},
       {5, " Yah it was Great...."},
       {8, " Yah it was beautiful ...."},
       {2, " Yah it was OK...."}}}},
    {Sound::Carnival,
     " Did you have fun?",
     {{{4, " Yah it was Fun...."},
       {6, " Yah it was Great Fun...."},
       {8, " Yah I never had so much Fun ...."},
       {2, " Yah it was OK...."}}}},
    {Sound::Club,
     " Did you like the Club?",
     {{{4, " Yah it was Good...."},
       {7, " Yah it was Great...."},
       {9, " Yah it was MAD ...."},
       {2, " Yah it was OK...."}}}},
    {Sound::Pub,
     " Did you like the Pub?",
     {{{2, " Yah it was Good...."},
       {4, " Yah it was Great...."},
       {6, " Yah it was Great, I got wasted ...."},
       {1, " Yah it was OK...."}}}},
}};

// The movie, the second place, has its own rules.
constexpr std::size_t kMovie = 1;

// A date at a place visited within the repeat window bores her; either way the
// visit is recorded.
bool repeated(GameState& s, std::size_t at) {
    int16& last = s.last_visit_day[at];
    const bool boring = s.day - s.repeat_window < last;
    last = s.day;
    return boring;
}

// Her heart gains, and more the better he looks.
int16 with_gain(const GameState& s, int gain) {
    const int16 sum = sat16(s.heart_value + gain);
    return round16(sum + s.looks * (gain / 100.0));
}

void place_reaction(Game& g, std::size_t at) {
    GameState& s = g.state();
    const Reaction& rec = kReactions[at];
    if (rec.sound) {
        g.play(*rec.sound);
    }
    if (repeated(s, at)) {
        g.complain(Complaint::Bored);
    }
    const auto n = static_cast<long long>(std::floor(sat16(100 - s.luck) / 10.0)) + 3;
    const long long r = draw(g.services().rng, n);
    const Outcome& out =
        (r >= 1 && r <= 3) ? rec.outcomes[static_cast<std::size_t>(r - 1)] : rec.outcomes[3];
    g.set_heart(with_gain(s, out.gain));
    g.say(s.player_name + ":" + std::string(rec.question) + "\r\n" + s.Gname + ":" +
          std::string(out.reply));
}

void movie_reaction(Game& g) {
    GameState& s = g.state();
    const Reaction& rec = kReactions[kMovie];
    if (repeated(s, kMovie)) {
        g.complain(Complaint::Bored);
    }
    g.play_chosen([&g] { return movie_sound(draw(g.services().rng, 7)); });
    const long long r = draw(g.services().rng, 4);
    const std::size_t k = static_cast<std::size_t>(r >= 1 && r <= 4 ? r - 1 : 3);
    const Outcome& out = rec.outcomes[k];
    // Only a gain grows with his looks.
    g.set_heart(out.gain > 0 ? with_gain(s, out.gain) : sat16(s.heart_value + out.gain));
    g.say(s.player_name + ":" + std::string(rec.question) + "\r\n" + s.Gname + ":" +
          std::string(out.reply));
}

} // namespace

void resolve_date(Game& g, int place) {
    GameState& s = g.state();
    g.speeding_event();
    s.work_streak = 0;
    if (place >= 1 && place <= static_cast<int>(s.place_catalogue.size())) {
        const auto at = static_cast<std::size_t>(place - 1);
        const int price = s.place_catalogue[at].price;
        if (price > s.cash) {
            g.show_message("Hey...BUDDY are you expecting her to pay for this !!!!");
        } else {
            g.spend(price);
            g.next_day(1);
            if (at == kMovie) {
                movie_reaction(g);
            } else {
                place_reaction(g, at);
            }
        }
    }
    g.main_window()->action_list.clear();
}

} // namespace swoonery
