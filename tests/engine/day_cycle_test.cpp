// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

namespace swoonery::test {
namespace {

// Day 29 is the last playable day: reaching 30 loses, with the month-limit text.
TEST(DayCycle, MonthLimitEndsTheGame) {
    Harness h;
    h.new_game();
    h.s().day = 28;
    h.game().next_day(1);
    EXPECT_EQ(h.main().day_count.text, "Day 29");
    EXPECT_FALSE(h.open(Window::Lost));
    h.sounds();
    h.game().next_day(1);
    EXPECT_EQ(h.main().day_count.text, "Day 30");
    ASSERT_TRUE(h.open(Window::Lost));
    EXPECT_EQ(h.win<MessageWindow>(Window::Lost).message.text,
              " Hey Pal! you've been at it for a month. I think you should give up!!!");
    EXPECT_TRUE(h.s().game_over);
    EXPECT_FALSE(h.main().enabled);
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"sigh_m.wav"});
}

// Once the game is over the month limit only moves the label on.
TEST(DayCycle, MonthLimitAfterTheEndShowsNothing) {
    Harness h;
    h.new_game();
    h.s().game_over = true;
    h.s().day = 29;
    h.game().next_day(1);
    EXPECT_EQ(h.main().day_count.text, "Day 30");
    EXPECT_FALSE(h.open(Window::Lost));
    EXPECT_TRUE(h.main().enabled);
}

// A complaint sighs always, but shows its window only while the game goes on.
TEST(DayCycle, ComplaintsAndTheirWindows) {
    Harness h;
    h.new_game("Bob", "0 0.15 0 0 0 0 0"); // Lisa
    h.sounds();
    h.game().complain(Complaint::Bored);
    ASSERT_TRUE(h.open(Window::Bored));
    EXPECT_EQ(h.win<MessageWindow>(Window::Bored).message.text,
              "Lisa: You are getting a bit BORING!! we do the samething alot");
    h.game().complain(Complaint::Ignored);
    ASSERT_TRUE(h.open(Window::Ignored));
    EXPECT_EQ(h.win<MessageWindow>(Window::Ignored).message.text,
              "Lisa: You are IGNORING me!! you only care about work..work...work..");
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"sigh.wav", "sigh.wav"}));
    h.run({click(Window::Bored, Control::Ok), click(Window::Ignored, Control::Ok)});
    EXPECT_EQ(h.s().heart_value, -10);
    h.game().complain(Complaint::Bored);
    EXPECT_FALSE(h.open(Window::Bored)); // the game was lost by the second OK
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"sigh_m.wav", "sigh.wav"}));
}

struct EventCase {
    const char* event;
    int luck;
    double u;
    int cash;
    bool fires;
};

class RandomEvent : public ::testing::TestWithParam<EventCase> {};

// Each event fires on exactly one value of its draw, within the range luck sets.
TEST_P(RandomEvent, FiresOnItsNumber) {
    const EventCase& c = GetParam();
    Harness h;
    h.new_game();
    h.s().luck = static_cast<int16>(c.luck);
    h.s().cash = static_cast<int16>(c.cash);
    h.sounds();
    h.run("rng " + num(c.u));
    const std::string event = c.event;
    if (event == "speeding") {
        h.game().speeding_event();
        EXPECT_EQ(h.open(Window::Speeding), c.fires);
        EXPECT_EQ(h.s().cash, c.fires ? c.cash - 60 : c.cash);
        EXPECT_EQ(h.sounds(),
                  c.fires ? std::vector<std::string>{"police.wav"} : std::vector<std::string>{});
    } else if (event == "found") {
        h.game().found_money_event();
        EXPECT_EQ(h.open(Window::FoundMoney), c.fires);
        EXPECT_EQ(h.s().cash, c.fires ? c.cash + 100 : c.cash);
        EXPECT_EQ(h.s().money_spent, 0);
    } else {
        h.game().cat_event();
        EXPECT_EQ(h.open(Window::Cat), c.fires);
        EXPECT_EQ(h.sounds(),
                  c.fires ? std::vector<std::string>{"wait:cat.wav"} : std::vector<std::string>{});
    }
    EXPECT_EQ(h.main().enabled, !c.fires);
    EXPECT_TRUE(h.runner.rng().queue.empty()); // exactly one draw
}

INSTANTIATE_TEST_SUITE_P(
    Odds, RandomEvent,
    ::testing::Values(
        // luck 50: 60 numbers, the fine on 3 (u in [2/60, 3/60)), only above $60
        EventCase{"speeding", 50, 0.04, 61, true}, EventCase{"speeding", 50, 0.04, 60, false},
        EventCase{"speeding", 50, 0.03, 200, false}, EventCase{"speeding", 50, 0.05, 200, false},
        EventCase{"speeding", 0, 0.25, 100, true}, EventCase{"speeding", 0, 0.3, 100, false},
        // found money on 9 of 110 - luck numbers; none once fewer than 9
        EventCase{"found", 50, 0.14, 50, true}, EventCase{"found", 50, 0.13, 50, false},
        EventCase{"found", 101, 0.9, 50, true}, EventCase{"found", 102, 0.99, 50, false},
        EventCase{"found", 110, 0.5, 50, false}, EventCase{"found", 300, 0.5, 50, false},
        // the cat on 3 of luck + 10 numbers
        EventCase{"cat", 100, 2.5 / 110, 50, true}, EventCase{"cat", 100, 3.5 / 110, 50, false},
        EventCase{"cat", 0, 0.2, 50, true}, EventCase{"cat", 0, 0.199, 50, false}));

// The cat's window and its cost come after its sound has played to the end.
TEST(DayCycle, CatCostsFiveWhenClosed) {
    Harness h;
    h.new_game();
    h.run("rng 0.2");
    h.s().luck = 0;
    h.game().cat_event();
    EXPECT_EQ(h.s().heart_value, 10);
    h.run(click(Window::Cat, Control::Ok));
    EXPECT_EQ(h.s().heart_value, 5);
    EXPECT_EQ(h.main().heart_value.text, "5");
    EXPECT_TRUE(h.main().enabled);
}

struct BuyOffCase {
    int spent;
    int gifts;
    int heart;
    bool reproach;
    int heart_after;
    int gifts_after;
};

class BuyOff : public ::testing::TestWithParam<BuyOffCase> {};

// Gifts above four fifths of all spending offend a girl who is already fond of him.
TEST_P(BuyOff, ReproachesLavishGifts) {
    const BuyOffCase& c = GetParam();
    Harness h;
    h.new_game("Bob", "0 0.15 0 0 0 0 0");
    h.s().money_spent = static_cast<int16>(c.spent);
    h.s().gift_spending = static_cast<int16>(c.gifts);
    h.s().heart_value = static_cast<int16>(c.heart);
    h.sounds();
    h.game().buy_off_check();
    EXPECT_EQ(h.open(Window::Message), c.reproach);
    EXPECT_EQ(h.s().heart_value, c.heart_after);
    EXPECT_EQ(h.s().gift_spending, c.gifts_after);
    if (c.reproach) {
        EXPECT_EQ(h.win<MessageWindow>(Window::Message).message.text,
                  "Lisa: Are you tring to buy me off!!!");
        EXPECT_EQ(h.sounds(), std::vector<std::string>{"sigh.wav"});
        EXPECT_EQ(h.main().heart_value.text, std::to_string(c.heart_after));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BuyOff,
                         ::testing::Values(BuyOffCase{500, 420, 70, true, 60, 364},
                                           BuyOffCase{500, 390, 70, false, 70, 390},
                                           BuyOffCase{500, 400, 70, false, 70, 400},
                                           BuyOffCase{500, 420, 65, false, 65, 420},
                                           BuyOffCase{500, 420, 66, true, 56, 360},
                                           BuyOffCase{100, 100, 90, true, 80, 90}));

} // namespace
} // namespace swoonery::test
