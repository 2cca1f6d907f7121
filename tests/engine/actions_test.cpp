// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

#include <fstream>

namespace swoonery::test {
namespace {

// A game as Bob with Samantha, the heart high enough for dates and luck 0,
// so that a date's roll runs over 13 numbers.
void date_ready(Harness& h, int heart = 40) {
    h.new_game();
    h.s().heart_value = static_cast<int16>(heart);
    h.s().luck = 0;
    h.s().looks = 0;
    h.s().cash = 1000;
    h.game().display_heart(h.s().heart_value);
}

// Opens the date menu with no event and goes to list row `row` with the
// given draw for her reaction (the police stop draws nothing that fires).
void go_on_date(Harness& h, int row, const std::string& reaction_draws) {
    h.run({"rng 0.5 0.5", click(Window::Main, Control::TakeHerOut),
           select(Window::Main, Control::ActionList, row), "rng 0.5 " + reaction_draws,
           click(Window::Main, Control::ActionButton)});
}

struct PlaceRecord {
    int place;
    const char* sound;
    const char* question;
    std::array<int, 4> gains;
    std::array<const char*, 4> replies;
};

const PlaceRecord kPlaces[] = {
    {1,
     "dinner.wav",
     " Did you enjoy the dinner?",
     {5, 8, 12, 3},
     {" Yah it was Good....", " Yah it was Great....", " Yah it was Fabulous ....",
      " Yah it was OK...."}},
    {3,
     "birds.wav",
     " Did you have fun today?",
     {2, 4, 6, 1},
     {" Yah it was Fun....", " Yah it was Great Fun....", " Yah I never had so much Fun ....",
      " Yah it was OK...."}},
    {4,
     "beach.wav",
     " Did you have fun today?",
     {2, 4, 6, 1},
     {" Yah I did....", " Yah it was great fun....", " Yah it was so wonderful....",
      " Yah it was ok...."}},
    {5,
     "",
     " How was that?",
     {2, 4, 6, 1},
     {" Yah, it was good....", " Yah it was really Good....", " hey had 'the' best PIZZA!!  ....",
      " Yah it was OK...."}},
    {6,
     "bowling.wav",
     " Did you enjoy that?",
     {4, 6, 8, 2},
     {" Yah it was Fun....", " Yah it was Great Fun....", " Yah I never had so much Fun ....",
      " Yah it was OK...."}},
    {7,
     "rock.wav",
     " Did you like the Concert?",
     {8, 10, 14, 6},
     {" Yah it was Good....", " Yah it was Great....",
      " Yah it was Great, I really enjoyed it  ....", " Yah it was OK...."}},
    {8,
     "play.wav",
     " Did you like the Drama?",
     {3, 5, 8, 2},
     {" Yah it was Good....", " Yah it was Great....", " Yah it was beautiful ....",
      " Yah it was OK...."}},
    {9,
     "carnival.wav",
     " Did you have fun?",
     {4, 6, 8, 2},
     {" Yah it was Fun....", " Yah it was Great Fun....", " Yah I never had so much Fun ....",
      " Yah it was OK...."}},
    {10,
     "club.wav",
     " Did you like the Club?",
     {4, 7, 9, 2},
     {" Yah it was Good....", " Yah it was Great....", " Yah it was MAD ....",
      " Yah it was OK...."}},
    {11,
     "pub.wav",
     " Did you like the Pub?",
     {2, 4, 6, 1},
     {" Yah it was Good....", " Yah it was Great....", " Yah it was Great, I got wasted ....",
      " Yah it was OK...."}},
};

class DateReaction : public ::testing::TestWithParam<std::tuple<PlaceRecord, int>> {};

// Each place pays, passes a day, plays its sound and answers the roll with its
// own gain and reply, word for word.
TEST_P(DateReaction, MatchesItsRecord) {
    const auto& [rec, outcome] = GetParam();
    // With 13 numbers: 0 rolls 1, 0.1 rolls 2, 0.2 rolls 3, 0.5 rolls 7.
    const char* draws[] = {"0", "0.1", "0.2", "0.5"};
    Harness h;
    date_ready(h);
    const int price = h.s().place_catalogue[static_cast<std::size_t>(rec.place - 1)].price;
    h.sounds();
    go_on_date(h, rec.place - 1, draws[outcome]);
    EXPECT_EQ(h.s().heart_value, 40 + rec.gains[static_cast<std::size_t>(outcome)]);
    EXPECT_EQ(h.s().cash, 1000 - price);
    EXPECT_EQ(h.s().money_spent, price);
    EXPECT_EQ(h.s().day, 2);
    EXPECT_EQ(h.s().last_visit_day[static_cast<std::size_t>(rec.place - 1)], 2);
    EXPECT_EQ(h.main().dialogue.text, std::string("Bob:") + rec.question + "\r\nSamantha:" +
                                          rec.replies[static_cast<std::size_t>(outcome)]);
    std::vector<std::string> expected{"doorbell.wav"};
    if (*rec.sound != '\0') {
        expected.emplace_back(rec.sound);
    }
    EXPECT_EQ(h.sounds(), expected);
    EXPECT_TRUE(h.main().action_list.items.empty());
    EXPECT_TRUE(h.runner.rng().queue.empty());
}

INSTANTIATE_TEST_SUITE_P(Records, DateReaction,
                         ::testing::Combine(::testing::ValuesIn(kPlaces),
                                            ::testing::Values(0, 1, 2, 3)));

struct MovieCase {
    double roll;
    int heart_after;
    const char* reply;
};

class MovieReaction : public ::testing::TestWithParam<MovieCase> {};

// The movie draws its sound, then a roll of 4 that ignores luck; only its gains use looks.
TEST_P(MovieReaction, HasItsOwnRoll) {
    Harness h;
    date_ready(h);
    h.s().looks = 50;
    h.sounds();
    go_on_date(h, 1, "0.45 " + num(GetParam().roll));
    EXPECT_EQ(h.s().heart_value, GetParam().heart_after);
    EXPECT_EQ(h.main().dialogue.text,
              std::string("Bob: Did you like the movie?\r\nSamantha:") + GetParam().reply);
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"doorbell.wav", "movie4.wav"}));
}

INSTANTIATE_TEST_SUITE_P(Rolls, MovieReaction,
                         ::testing::Values(MovieCase{0.1, 37, " I didn't like it too much"},
                                           MovieCase{0.3, 48, " I think it was OK"}, // 47.5
                                           MovieCase{0.6, 52, " I loved it!!!!"},
                                           MovieCase{0.9, 32,
                                                     " That movie is Bad!! I dont know why i "
                                                     "watched it"}));

// With sound off the movie takes no sound draw.
TEST(Dates, SilentMovieDrawsOnlyItsRoll) {
    Harness h;
    date_ready(h);
    h.run(click(Window::Main, Control::SoundEnabled));
    go_on_date(h, 1, "0.6");
    EXPECT_EQ(h.s().heart_value, 48);
    EXPECT_TRUE(h.runner.rng().queue.empty());
    EXPECT_TRUE(h.sounds().empty());
}

struct RollRange {
    int luck;
    int n;
};

class DateRollRange : public ::testing::TestWithParam<RollRange> {};

// Luck narrows the roll to floor((100 - luck) / 10) + 3 numbers.
TEST_P(DateRollRange, DependsOnLuck) {
    const int n = GetParam().n;
    for (const bool above : {false, true}) {
        Harness h;
        date_ready(h);
        h.s().luck = static_cast<int16>(GetParam().luck);
        const double u = 3.0 / n + (above ? 1e-6 : -1e-6);
        if (above && n == 3) {
            continue; // the top number is 3: the plain outcome never comes
        }
        go_on_date(h, 0, num(u)); // the restaurant: 5, 8, 12, plain 3
        EXPECT_EQ(h.s().heart_value, 40 + (above ? 3 : 12)) << "luck " << GetParam().luck;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DateRollRange,
                         ::testing::Values(RollRange{100, 3}, RollRange{91, 3}, RollRange{90, 4},
                                           RollRange{81, 4}, RollRange{80, 5}, RollRange{61, 6},
                                           RollRange{51, 7}, RollRange{50, 8}, RollRange{31, 9},
                                           RollRange{21, 10}, RollRange{11, 11}, RollRange{10, 12},
                                           RollRange{1, 12}, RollRange{0, 13}));

struct GainCase {
    int heart;
    double looks;
    int place; // 1: gains 5, 8, 12, 3
    double u;
    int after;
};

class GainFormula : public ::testing::TestWithParam<GainCase> {};

// Looks weigh every gain, and the total is rounded half to even.
TEST_P(GainFormula, RoundsHalfToEven) {
    Harness h;
    date_ready(h, GetParam().heart);
    h.s().looks = GetParam().looks;
    go_on_date(h, GetParam().place - 1, num(GetParam().u));
    EXPECT_EQ(h.s().heart_value, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Table, GainFormula,
                         ::testing::Values(GainCase{30, 50, 1, 0.0, 38},     // 30 + 5 + 2.5 = 37.5
                                           GainCase{31, 50, 1, 0.0, 38},     // 38.5
                                           GainCase{30, 50, 1, 0.5, 34},     // 30 + 3 + 1.5 = 34.5
                                           GainCase{30, 0, 7, 0.2, 44},      // 14, no looks
                                           GainCase{30, 100, 7, 0.2, 58},    // 14 + 14
                                           GainCase{30, 67.5, 1, 0.1, 43})); // 38 + 5.4

// A refused date costs nothing but the police stop's chance, the work streak and the list.
TEST(Dates, RefusedDateLeavesMoneyAndDay) {
    Harness h;
    date_ready(h);
    h.s().cash = 99;
    h.s().work_streak = 2;
    h.run({"rng 0.5 0.5", click(Window::Main, Control::TakeHerOut),
           select(Window::Main, Control::ActionList, 0), "rng 0.5",
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().cash, 99);
    EXPECT_EQ(h.s().day, 1);
    EXPECT_EQ(h.s().money_spent, 0);
    EXPECT_EQ(h.s().work_streak, 0);
    EXPECT_EQ(h.s().last_visit_day[0], -3);
    EXPECT_TRUE(h.main().action_list.items.empty());
    EXPECT_FALSE(h.main().action_button.visible);
    ASSERT_TRUE(h.open(Window::Message));
    EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text,
              "Hey...BUDDY are you expecting her to pay for this !!!!");
    EXPECT_FALSE(h.main().enabled);
}

// A price equal to the cash is paid and leaves nothing.
TEST(Dates, ExactPriceIsPaid) {
    Harness h;
    date_ready(h);
    h.s().cash = 100;
    go_on_date(h, 0, "0.5");
    EXPECT_EQ(h.s().cash, 0);
    EXPECT_EQ(h.main().cash_count.text, "Cash  $0");
}

// Back at a place within three days she complains; the date goes on.
TEST(Dates, RepetitionComplains) {
    Harness h;
    date_ready(h);
    go_on_date(h, 3, "0.5"); // day 1, recorded as 2
    h.s().day = 2;
    h.sounds();
    go_on_date(h, 3, "0.5"); // day 2 -> 3: 3 - 3 < 2
    EXPECT_TRUE(h.open(Window::Bored));
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"doorbell.wav", "beach.wav", "sigh.wav"}));
    EXPECT_EQ(h.s().last_visit_day[3], 3);
    h.run(click(Window::Bored, Control::Ok));
    h.s().day = 5;
    go_on_date(h, 3, "0.5"); // day 5 -> 6: 6 - 3 = 3, not before 3
    EXPECT_FALSE(h.open(Window::Bored));
}

// At the movie the sigh comes before the film's sound.
TEST(Dates, MovieRepetitionSighsFirst) {
    Harness h;
    date_ready(h);
    go_on_date(h, 1, "0 0.5");
    h.sounds();
    go_on_date(h, 1, "0 0.5");
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"doorbell.wav", "sigh.wav", "movie1.wav"}));
}

// The action button with no row chosen resolves nothing and counts nothing.
TEST(Dispatch, NoSelectionDoesNothing) {
    Harness h;
    date_ready(h);
    h.run({"rng 0.5 0.5", click(Window::Main, Control::TakeHerOut),
           select(Window::Main, Control::ActionList, 0), "rng 0.5 0.5",
           click(Window::Main, Control::TakeHerOut)});
    ASSERT_TRUE(h.main().action_button.visible);
    const GameState before = h.s();
    h.run(click(Window::Main, Control::ActionButton));
    EXPECT_FALSE(h.main().action_button.visible);
    EXPECT_EQ(h.s().action_count, before.action_count);
    EXPECT_EQ(h.s().cash, before.cash);
    EXPECT_EQ(h.s().day, before.day);
    EXPECT_EQ(h.main().action_list.items.size(), 11u);
}

struct GiftCase {
    int row;
    int heart;
    int after;
};

class Gifts : public ::testing::TestWithParam<GiftCase> {};

// A gift raises the heart by a twentieth of its price, a fortieth from $500.
TEST_P(Gifts, RaiseTheHeartByAShareOfThePrice) {
    Harness h;
    h.new_game();
    h.s().heart_value = static_cast<int16>(GetParam().heart);
    h.s().cash = 3000;
    h.s().money_spent = 30000; // keeps the resentment of lavish gifts out of it
    h.run({"rng 0.5", click(Window::Main, Control::BuyGift),
           select(Window::Main, Control::ActionList, GetParam().row),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().heart_value, GetParam().after);
    const int price = h.s().gift_catalogue[static_cast<std::size_t>(GetParam().row)].price;
    EXPECT_EQ(h.s().cash, 3000 - price);
    EXPECT_EQ(h.s().gift_spending, price);
    EXPECT_EQ(h.main().dialogue.text,
              "Bob: I got something for you\r\nSamantha: I like it thank you!!");
}

INSTANTIATE_TEST_SUITE_P(Table, Gifts,
                         ::testing::Values(GiftCase{0, 10, 12}, GiftCase{1, 10, 12},
                                           GiftCase{2, 10, 12}, GiftCase{2, 11, 14},
                                           GiftCase{3, 10, 14}, GiftCase{4, 10, 15},
                                           GiftCase{5, 10, 18}, GiftCase{5, 11, 18},
                                           GiftCase{6, 10, 20}, GiftCase{7, 10, 25},
                                           GiftCase{8, 10, 28}, GiftCase{8, 11, 28},
                                           GiftCase{9, 10, 40}, GiftCase{10, 10, 65}));

// A gift he cannot pay is refused with a grumble; the work streak is reset all the same.
TEST(GiftRules, RefusalAndTheWorkStreak) {
    Harness h;
    h.new_game();
    h.s().cash = 39;
    h.s().work_streak = 3;
    h.sounds();
    h.run({"rng 0.5", click(Window::Main, Control::BuyGift),
           select(Window::Main, Control::ActionList, 0),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().cash, 39);
    EXPECT_EQ(h.s().work_streak, 0);
    EXPECT_EQ(h.s().heart_value, 10);
    EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text, "You ain't got the dough Bro!");
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"humpf.wav"});
    h.run({click(Window::Message, Control::Ok), "set cash 40",
           select(Window::Main, Control::ActionList, 0),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().cash, 0);
    EXPECT_EQ(h.main().action_list.items.size(), 11u); // the list stays for another gift
}

// At 90 hearts, with $3000 and $5 spent, Bob buys the Tickets to Ball: a
// gift that wins her and also makes her reproach the buy-off. Sounds played
// before the gift are dropped.
void give_the_winning_gift(Harness& h) {
    h.new_game();
    h.s().heart_value = 90;
    h.s().cash = 3000;
    h.s().money_spent = 5;
    h.sounds();
    h.run({"rng 0.5", click(Window::Main, Control::BuyGift),
           select(Window::Main, Control::ActionList, 10),
           click(Window::Main, Control::ActionButton)});
}

// A gift that wins the game still runs the check on lavish gifts.
TEST(GiftRules, WinningGiftStillChecksForBuyingHerOff) {
    Harness h;
    give_the_winning_gift(h);
    EXPECT_TRUE(h.open(Window::Win));
    EXPECT_TRUE(h.open(Window::Message));
    EXPECT_EQ(h.s().heart_value, 135);    // 145, less 10 for the reproach
    EXPECT_EQ(h.s().winner_score, 1e9);   // two actions on day 1 with $5 spent before the gift
    EXPECT_EQ(h.s().gift_spending, 2070); // 2200 - 2200 / 16.875
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"kiss.wav", "cashrg.wav", "sigh.wav"}));
}

struct PurchaseCase {
    int row;
    double looks, smart;
    int luck;
    int times;
    double looks_after, smart_after;
    int luck_after;
};

class Purchases : public ::testing::TestWithParam<PurchaseCase> {};

// Each item closes its share (price / 1000) of the gap to 100; luck is rounded.
TEST_P(Purchases, CloseAShareOfTheGap) {
    const PurchaseCase& c = GetParam();
    Harness h;
    h.new_game();
    h.s().cash = 5000;
    h.s().looks = c.looks;
    h.s().smart = c.smart;
    h.s().luck = static_cast<int16>(c.luck);
    h.run({"rng 0.5 0.5", click(Window::Main, Control::GoShopping)});
    for (int i = 0; i < c.times; ++i) {
        h.run({select(Window::Main, Control::ActionList, c.row),
               click(Window::Main, Control::ActionButton)});
    }
    EXPECT_DOUBLE_EQ(h.s().looks, c.looks_after);
    EXPECT_DOUBLE_EQ(h.s().smart, c.smart_after);
    EXPECT_EQ(h.s().luck, c.luck_after);
    const int price = h.s().self_item_catalogue[static_cast<std::size_t>(c.row)].price;
    EXPECT_EQ(h.s().money_spent, price * c.times);
    EXPECT_EQ(h.s().cash, 5000 - price * c.times);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Purchases,
    ::testing::Values(PurchaseCase{1, 50, 35, 50, 1, 67.5, 35, 50},   // New Jacket
                      PurchaseCase{1, 50, 35, 50, 2, 78.875, 35, 50}, // twice
                      PurchaseCase{9, 50, 35, 50, 1, 50, 35, 52},     // Lucky Stone 52.5
                      PurchaseCase{9, 50, 35, 51, 1, 50, 35, 53},     // 53.45
                      PurchaseCase{9, 50, 35, 95, 1, 50, 35, 95},     // 95.25
                      PurchaseCase{5, 50, 35, 50, 1, 50, 51.25, 50},  // Encyclopedia
                      PurchaseCase{2, 50, 35, 0, 1, 50, 35, 38},      // Rabbit's Paw
                      PurchaseCase{10, 0, 35, 50, 1, 7, 35, 50},      // New Shoes
                      PurchaseCase{6, 50, -5, 50, 1, 50, 3.4, 50}));  // DIY-SELF books

// Shopping without the money is refused and changes nothing.
TEST(PurchaseRules, RefusedPurchase) {
    Harness h;
    h.new_game();
    h.s().cash = 149;
    h.sounds();
    h.run({"rng 0.5 0.5", click(Window::Main, Control::GoShopping),
           select(Window::Main, Control::ActionList, 0),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().looks, 50);
    EXPECT_EQ(h.s().cash, 149);
    EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text,
              "Are you expecting your mother to pay for this!!");
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"humpf.wav"});
}

struct JobCase {
    int row;
    double smart;
    bool taken;
};

class Jobs : public ::testing::TestWithParam<JobCase> {};

// The better jobs need a smart rating strictly above their threshold.
TEST_P(Jobs, ThresholdsAreStrict) {
    Harness h;
    h.new_game();
    h.s().smart = GetParam().smart;
    h.run({"rng 0.9 0.9 0.9 0.9 0.9 0.9 0.5 0.5", click(Window::Main, Control::GoToWork),
           select(Window::Main, Control::ActionList, GetParam().row),
           click(Window::Main, Control::ActionButton)});
    const int pay = h.s().job_catalogue[static_cast<std::size_t>(GetParam().row)].price;
    EXPECT_EQ(h.s().cash, GetParam().taken ? 50 + pay : 50);
    EXPECT_EQ(h.main().action_list.items.empty(), GetParam().taken);
    EXPECT_EQ(h.open(Window::Message), !GetParam().taken);
    if (!GetParam().taken) {
        EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text,
                  "I think my grandma's more qualified!!!");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Jobs,
                         ::testing::Values(JobCase{0, -15, true}, JobCase{1, -15, true},
                                           JobCase{2, 45, false}, JobCase{2, 45.3, true},
                                           JobCase{3, 65, false}, JobCase{3, 65.01, true},
                                           JobCase{4, 75, false}, JobCase{4, 76, true},
                                           JobCase{5, 85, false}, JobCase{5, 85.5, true}));

// The noticeboard draws each job's availability, uses a day, and lists the results.
TEST(JobRules, NoticeboardAndRefusals) {
    Harness h;
    h.new_game();
    h.s().luck = 0;
    h.sounds();
    // luck 0: a job is available only on 11 of 11
    h.run({"rng 0.95 0.9 0.95 0 0 0 0.5 0.5", click(Window::Main, Control::GoToWork)});
    EXPECT_EQ(h.s().job_available, (std::array<bool, 6>{true, false, true, false, false, false}));
    EXPECT_EQ(h.main().action_list.items[0], "Pizza Delivery\t$25\tavailable");
    EXPECT_EQ(h.main().action_list.items[1], "Parking Attendant\t$50\tNOT available");
    EXPECT_EQ(h.s().day, 2);
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"car.wav"});
    h.run(
        {select(Window::Main, Control::ActionList, 1), click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text,
              "Can't you see that this job is NOT available today!!");
    h.run({click(Window::Message, Control::Ok), select(Window::Main, Control::ActionList, 2),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"laff.wav"});
    h.run({click(Window::Message, Control::Ok), select(Window::Main, Control::ActionList, 0),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().cash, 75);
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"money.wav"});
    EXPECT_TRUE(h.main().action_list.items.empty());
    EXPECT_EQ(h.s().day, 2);
}

// Topics she likes please her once; the second question of a call ends it,
// even when the first was asked in an earlier call.
TEST(Conversation, CallsAndTopics) {
    Harness h;
    h.new_game(); // she likes topics 1 to 5
    h.s().looks = 50;
    h.sounds();
    h.run({click(Window::Main, Control::CallHer), select(Window::Main, Control::ActionList, 0),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().heart_value, 22); // 10 + 10 + 2.5
    EXPECT_EQ(h.main().dialogue.text,
              "Bob: So are you into Horror movies?\r\nSamantha: Yah!!! what a coincedence ..me "
              "too!!");
    EXPECT_EQ(h.s().talks_today, 1);
    // Off to the shops, then a new call: its first question ends it.
    h.run({"rng 0.5 0.5", click(Window::Main, Control::GoShopping),
           click(Window::Main, Control::CallHer), select(Window::Main, Control::ActionList, 13),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().heart_value, 20);
    EXPECT_EQ(h.main().dialogue.text,
              "Bob: So are you into  Singing   ?\r\nSamantha: Not realy.... "
              "\r\nSamantha: I got go now BYE!!");
    EXPECT_EQ(h.s().talks_today, 0);
    EXPECT_EQ(h.s().day, 2);
    EXPECT_TRUE(h.main().action_list.items.empty());
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"phonet.wav", "phonet.wav", "phoned.wav"}));
    h.run({click(Window::Main, Control::CallHer), select(Window::Main, Control::ActionList, 13),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().heart_value, 15);
    EXPECT_EQ(h.main().dialogue.text,
              "Bob: So are you into  Singing   ?\r\nSamantha: You already asked "
              "me this!! Can't you remember!!");
    EXPECT_EQ(h.s().interest_table[13].mark, Mark::Discussed);
}

// A call costs $5 and may leave nothing; below $5 she refuses the reverse charge.
TEST(Conversation, PhoneCallPrice) {
    Harness h;
    h.new_game();
    h.s().cash = 5;
    h.run(click(Window::Main, Control::CallHer));
    EXPECT_EQ(h.s().cash, 0);
    h.run({"rng 0.5", click(Window::Main, Control::BuyGift)});
    h.s().work_streak = 3;
    const int16 actions = h.s().action_count;
    h.run(click(Window::Main, Control::CallHer));
    EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text,
              "Were you thinking of calling REVERSE charge!!");
    EXPECT_EQ(h.s().action_count, actions + 1);
    EXPECT_EQ(h.s().work_streak, 0);
    EXPECT_EQ(h.main().category_frame.text, "Things to Get"); // the menu stays as it was
}

// A whole game from the set-up form to a win and into the high-score table.
TEST(WholeGame, ToAWinAndTheTable) {
    Harness h;
    h.run({"rng 0 0.15 0 0.05 0.1 0.15 0.2", "start", type(Window::Setup, Control::Name, " Bob "),
           slide(Window::Setup, Control::Looks, 100), click(Window::Setup, Control::Ok)});
    EXPECT_EQ(h.s().looks, 100);
    // Five liked topics over three calls: 10 -> 25 -> 40 -> 55 -> 70 -> 85
    for (int topic = 0; topic < 5; ++topic) {
        if (topic % 2 == 0) {
            h.run(click(Window::Main, Control::CallHer));
        }
        h.run({select(Window::Main, Control::ActionList, topic),
               click(Window::Main, Control::ActionButton)});
    }
    EXPECT_EQ(h.s().heart_value, 85);
    // Work for a date, then the nightclub's best outcome: 85 + 9 + 9 = 103.
    h.run({"rng 0.99 0.99 0.99 0.99 0.99 0.99 0.5 0.5", click(Window::Main, Control::GoToWork),
           select(Window::Main, Control::ActionList, 1),
           click(Window::Main, Control::ActionButton)});
    EXPECT_EQ(h.s().cash, 85);
    h.run({"rng 0.5 0.5", click(Window::Main, Control::TakeHerOut),
           select(Window::Main, Control::ActionList, 9), "rng 0.5 0.2",
           click(Window::Main, Control::ActionButton)});
    ASSERT_TRUE(h.open(Window::Win));
    EXPECT_TRUE(h.s().game_over);
    const auto& won = h.win<WinWindow>(Window::Win);
    EXPECT_EQ(won.declaration.text, "OHH ... Bob I Love you!!!");
    EXPECT_EQ(h.s().heart_value, 103);
    EXPECT_EQ(won.money_spent.text, "Total Money Spent $90");
    EXPECT_EQ(won.total_days.text, "Total Days 5");
    // actions: 3 calls + 5 questions + work + job + date + go = 12
    EXPECT_EQ(h.s().action_count, 12);
    EXPECT_EQ(won.score.text, "Your Score : 1851851");
    h.run(click(Window::Win, Control::Ok));
    EXPECT_FALSE(h.open(Window::Win));
    ASSERT_TRUE(h.open(Window::HighScores));
    const Grid& grid = h.win<ScoresWindow>(Window::HighScores).grid;
    ASSERT_GE(grid.cells.size(), 2u);
    EXPECT_EQ(grid.cells[1],
              (std::vector<std::string>{"1", "Bob                 ", "5 Days", "$90", "1851851"}));
    EXPECT_EQ(grid.red_rows, std::vector<int>{1});
    EXPECT_FALSE(h.s().score_pending);
    EXPECT_FALSE(h.main().enabled);
    EXPECT_EQ(std::filesystem::file_size(h.dir / "Scores"), 798u);
    h.run(click(Window::HighScores, Control::Ok));
    EXPECT_TRUE(h.main().enabled);
    // From the menu the table shows without a red row.
    h.run(click(Window::Main, Control::TopPlayers));
    EXPECT_TRUE(h.win<ScoresWindow>(Window::HighScores).grid.red_rows.empty());
}

// The table's Play Again brings the set-up form over it; confirming only shows
// the main window again, and the new name counts from the next Play Again.
TEST(WholeGame, TablePlayAgainFlow) {
    Harness h;
    h.new_game("Bob");
    h.run(
        {click(Window::Main, Control::TopPlayers), click(Window::HighScores, Control::PlayAgain)});
    ASSERT_TRUE(h.game().setup_form()->visible);
    h.run({type(Window::Setup, Control::Name, "Dan"), click(Window::Setup, Control::Ok)});
    EXPECT_EQ(h.s().player_name, "Bob");
    EXPECT_FALSE(h.main().enabled);
    h.run({click(Window::HighScores, Control::Ok), "rng 0 0 0 0 0",
           click(Window::Main, Control::PlayAgain)});
    EXPECT_EQ(h.s().player_name, "Dan");
}

// A win waiting in its window survives the buy-off reproach closing over it:
// the main window stays shut, so Play Again cannot throw the result away, and
// the win's OK enters it into the table and the file.
TEST(WholeGame, WaitingWinOutlastsTheReproach) {
    Harness h;
    give_the_winning_gift(h);
    ASSERT_TRUE(h.open(Window::Win));
    ASSERT_TRUE(h.open(Window::Message));
    h.run(click(Window::Message, Control::Ok));
    EXPECT_FALSE(h.main().enabled);
    EXPECT_NE(h.run(click(Window::Main, Control::PlayAgain)).find("ignored"), std::string::npos);
    h.run(click(Window::Win, Control::Ok));
    ASSERT_TRUE(h.open(Window::HighScores));
    const Grid& grid = h.win<ScoresWindow>(Window::HighScores).grid;
    EXPECT_EQ(grid.cells[1][1], "Bob                 ");
    EXPECT_EQ(grid.red_rows, std::vector<int>{1});
    h.run(click(Window::HighScores, Control::Ok));
    EXPECT_TRUE(h.main().enabled);
    h.run(click(Window::Main, Control::TopPlayers));
    EXPECT_EQ(h.win<ScoresWindow>(Window::HighScores).grid.cells[1][4], "1000000000");
}

// A game lost in the middle of a call stays as it ended: the action button,
// like the category buttons, only opens the game-over window, and her heart,
// the day and the dialogue stay as they were.
TEST(WholeGame, EndedGameDoesNotPlayOn) {
    Harness h;
    h.new_game();
    h.s().heart_value = 4;
    h.s().interest_table[13].mark = Mark::Discussed;
    h.run({click(Window::Main, Control::CallHer), select(Window::Main, Control::ActionList, 13),
           click(Window::Main, Control::ActionButton)});
    ASSERT_TRUE(h.open(Window::Lost));
    h.run({click(Window::Lost, Control::Ok), select(Window::Main, Control::ActionList, 0),
           click(Window::Main, Control::ActionButton)});
    EXPECT_TRUE(h.open(Window::GameOver));
    EXPECT_FALSE(h.main().action_button.visible);
    EXPECT_EQ(h.s().heart_value, -1);
    EXPECT_EQ(h.s().day, 1);
    EXPECT_EQ(h.s().talks_today, 1);
}

// A month of work loses the game on day 30.
TEST(WholeGame, LossByTheMonthLimit) {
    Harness h;
    h.new_game();
    h.s().heart_value = 50;
    for (int d = 1; d < 30; ++d) {
        h.run({"rng 0 0 0 0 0 0 0.5 0.5", click(Window::Main, Control::GoToWork)});
        if (h.open(Window::Ignored)) {
            h.run(click(Window::Ignored, Control::Ok));
            h.s().heart_value = 50; // keep her patient for this test
        }
    }
    EXPECT_EQ(h.s().day, 30);
    EXPECT_TRUE(h.s().game_over);
    EXPECT_EQ(h.win<MessageWindow>(Window::Lost).message.text,
              " Hey Pal! you've been at it for a month. I think you should give up!!!");
    h.run({click(Window::Lost, Control::Ok), click(Window::Main, Control::GoToWork)});
    EXPECT_TRUE(h.open(Window::GameOver));
    EXPECT_EQ(h.s().day, 30);
}

} // namespace
} // namespace swoonery::test
