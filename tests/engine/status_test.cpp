// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

namespace swoonery::test {
namespace {

struct GaugeCase {
    int heart;
    int shown;
    const char* label;
    bool date_enabled;
};

class HeartGauge : public ::testing::TestWithParam<GaugeCase> {};

// The gauge lights a fifth of the heart value, the label shows it within 0 to
// 100, and dates open from 30.
TEST_P(HeartGauge, FollowsTheHeartValue) {
    Harness h;
    h.new_game();
    h.s().game_over = true; // no win or loss window for the extreme values
    h.s().heart_value = static_cast<int16>(GetParam().heart);
    h.game().display_heart(h.s().heart_value);
    EXPECT_EQ(h.main().hearts.shown, GetParam().shown);
    EXPECT_EQ(h.main().heart_value.text, GetParam().label);
    EXPECT_EQ(h.main().take_her_out.enabled, GetParam().date_enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeartGauge,
    ::testing::Values(GaugeCase{10, 2, "10", false}, GaugeCase{12, 2, "12", false},
                      GaugeCase{13, 3, "13", false}, GaugeCase{2, 0, "2", false},
                      GaugeCase{3, 1, "3", false}, GaugeCase{29, 6, "29", false},
                      GaugeCase{30, 6, "30", true}, GaugeCase{99, 20, "99", true},
                      GaugeCase{105, 20, "100", true}, GaugeCase{-4, 0, "0", false},
                      GaugeCase{32767, 20, "100", true}, GaugeCase{-32768, 0, "0", false}));

// A heart value below 1 loses once: the loss window over a disabled main window.
TEST(Status, LossIsAnnouncedOnce) {
    Harness h;
    h.new_game();
    h.sounds();
    h.s().heart_value = 0;
    h.game().display_heart(0);
    EXPECT_TRUE(h.open(Window::Lost));
    EXPECT_TRUE(h.s().game_over);
    EXPECT_FALSE(h.main().enabled);
    EXPECT_EQ(h.win<MessageWindow>(Window::Lost).message.text,
              "Sorry Buddy !!! I guess you aren't much of a ladies man after all.");
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"sigh_m.wav"});
    h.run(click(Window::Lost, Control::Ok));
    h.s().heart_value = -5;
    h.game().display_heart(-5);
    EXPECT_FALSE(h.open(Window::Lost));
    EXPECT_TRUE(h.main().enabled);
}

// The win fills the result labels and the hand-off record with the score formula.
TEST(Status, WinComputesTheScore) {
    Harness h;
    h.new_game("Bob");
    h.sounds();
    h.s().action_count = 12;
    h.s().day = 4;
    h.s().money_spent = 250;
    h.s().heart_value = 100;
    h.game().display_heart(100);
    ASSERT_TRUE(h.open(Window::Win));
    auto& won = h.win<WinWindow>(Window::Win);
    EXPECT_EQ(won.money_spent.text, "Total Money Spent $250");
    EXPECT_EQ(won.total_days.text, "Total Days 4");
    EXPECT_EQ(won.score.text, "Your Score : 833333");
    EXPECT_EQ(won.declaration.text, "OHH ... Bob I Love you!!!");
    EXPECT_EQ(h.s().winner_score, 833333.0);
    EXPECT_EQ(h.s().winner_name, "Bob");
    EXPECT_EQ(h.s().winner_days, 4);
    EXPECT_EQ(h.s().winner_money, Currency::dollars(250));
    EXPECT_TRUE(h.s().game_over);
    EXPECT_FALSE(h.main().enabled);
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"kiss.wav"});
}

// A win with nothing spent, which play cannot reach, still gives a finite score.
TEST(Status, ScoreWithZeroDivisorsStaysFinite) {
    Harness h;
    h.new_game();
    h.s().action_count = 0;
    h.s().money_spent = 0;
    h.s().heart_value = 100;
    h.game().display_heart(100);
    EXPECT_EQ(h.s().winner_score, 10000000000.0);
    EXPECT_EQ(h.win<WinWindow>(Window::Win).score.text, "Your Score : 10000000000");
}

// Cash changes show with two blanks before the dollar, after the one-blank start label.
TEST(Status, CashLabel) {
    Harness h;
    h.new_game();
    EXPECT_EQ(h.main().cash_count.text, "Cash $50");
    h.game().change_cash(-5);
    EXPECT_EQ(h.s().cash, 45);
    EXPECT_EQ(h.main().cash_count.text, "Cash  $45");
    h.game().change_cash(100000);
    EXPECT_EQ(h.s().cash, 32767);
    EXPECT_EQ(h.main().cash_count.text, "Cash  $32767");
}

} // namespace
} // namespace swoonery::test
