// Taking her out: pay, a day passes, the place's sound, the repetition
// complaint, and her reaction by a roll that luck narrows.
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

constexpr int kMovie = 2;

} // namespace

void Game::resolve_date() {
    speeding_event();
    s_.work_streak = 0;
    const int place = selected_row() + 1;
    if (place >= 1 && place <= static_cast<int>(s_.place_catalogue.size())) {
        const long long price = price_value(s_.place_catalogue[place - 1].price);
        if (price > s_.cash) {
            show_message("Hey...BUDDY are you expecting her to pay for this !!!!");
        } else {
            change_cash(-price);
            s_.money_spent = sat16(s_.money_spent + price);
            next_day(1);
            if (place == kMovie) {
                movie_reaction();
            } else {
                place_reaction(place);
            }
        }
    }
    Control& list = form1()->Do_List;
    list.items.clear();
    list.selected = -1;
}

namespace {

// A date at a place visited within the repeat window bores her; either way the
// visit is recorded.
bool repeated(GameState& s, int place) {
    int16& last = s.last_visit_day[static_cast<std::size_t>(place - 1)];
    const bool boring = s.day - s.repeat_window < last;
    last = s.day;
    return boring;
}

} // namespace

void Game::apply_gain(int gain) {
    const int16 sum = sat16(s_.heart_value + gain);
    s_.heart_value = round16(sum + s_.looks * (gain / 100.0));
}

void Game::place_reaction(int place) {
    const Reaction& rec = kReactions[static_cast<std::size_t>(place - 1)];
    if (rec.sound) {
        play(*rec.sound);
    }
    if (repeated(s_, place)) {
        complain("b");
    }
    const auto n = static_cast<long long>(std::floor(sat16(100 - s_.luck) / 10.0)) + 3;
    const long long r = draw(svc_.rng, n);
    const Outcome& out = (r >= 1 && r <= 3) ? rec.outcomes[static_cast<std::size_t>(r - 1)]
                                            : rec.outcomes[3];
    apply_gain(out.gain);
    display_heart(s_.heart_value);
    set_talk(s_.player_name + ":" + std::string(rec.question) + "\r\n" + s_.Gname + ":" +
             std::string(out.reply));
}

void Game::movie_reaction() {
    const Reaction& rec = kReactions[kMovie - 1];
    if (repeated(s_, kMovie)) {
        complain("b");
    }
    play_chosen([this] { return movie_sound(draw(svc_.rng, 7)); });
    const long long r = draw(svc_.rng, 4);
    const std::size_t k = static_cast<std::size_t>(r >= 1 && r <= 4 ? r - 1 : 3);
    const Outcome& out = rec.outcomes[k];
    if (out.gain > 0) {
        apply_gain(out.gain);
    } else {
        s_.heart_value = sat16(s_.heart_value + out.gain);
    }
    display_heart(s_.heart_value);
    set_talk(s_.player_name + ":" + std::string(rec.question) + "\r\n" + s_.Gname + ":" +
             std::string(out.reply));
}

} // namespace swoonery
