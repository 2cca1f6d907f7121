// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

namespace swoonery::test {
namespace {

const std::string kNoJobsNoEvents = "rng 0 0 0 0 0 0 0.5 0.5";

// The example of the driver's protocol: Bob calls Lisa, who likes topics 1 to 5.
TEST(Flow, StartUpToAFirstCall) {
    Harness h;
    h.run("desktop 1024 768\nrng 0.6 0.15 0.01 0.06 0.11 0.16 0.21\nstart\n"
          "type Form2.name_txt Bob\nclick Form2.Command1\nclick Form1.Command2");
    EXPECT_EQ(h.s().face, 7);
    EXPECT_EQ(h.f1().Picture7.picture, "girl7.bmp");
    EXPECT_EQ(h.f1().Picture7.tooltip, "Hi Bob");
    EXPECT_EQ(h.s().Gname, "Lisa");
    EXPECT_EQ(h.s().liked_topics, (std::array<int16, 5>{1, 2, 3, 4, 5}));
    for (int t = 0; t < 20; ++t) {
        EXPECT_EQ(h.s().interest_table[static_cast<std::size_t>(t)].mark, t < 5 ? "T" : "F");
    }
    EXPECT_EQ(h.s().cash, 45);
    EXPECT_EQ(h.s().money_spent, 5);
    EXPECT_EQ(h.f1().Talk.text,
              "Lisa: Hello?\r\nBob: Hi Lisa this is Bob\r\nLisa:Ohh .... How are you???");
    EXPECT_EQ(h.f1().Frame1.text, "Things to Talk about");
    EXPECT_EQ(h.f1().cmd_ok.text, "TALK");
    EXPECT_EQ(h.f1().Do_List.items.size(), 20u);
    EXPECT_EQ(h.f1().Do_List.tooltip, "Topics you can talk about");
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"phonet.wav"});
    EXPECT_FALSE(h.game().form2()->visible);
}

// A new game starts from the same figures every time.
TEST(Flow, NewGameValues) {
    Harness h;
    h.run("rng 0 0 0 0 0 0 0\nstart\ntype Form2.name_txt  Bob \nslide Form2.smart_sld 10\n"
          "click Form2.Command1");
    const GameState& s = h.s();
    EXPECT_EQ(s.player_name, "Bob");
    EXPECT_EQ(s.cash, 50);
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.heart_value, 10);
    EXPECT_EQ(s.money_spent, 0);
    EXPECT_EQ(s.action_count, 0);
    EXPECT_EQ(s.gift_spending, 0);
    EXPECT_EQ(s.talks_today, 0);
    EXPECT_EQ(s.repeat_window, 3);
    EXPECT_EQ(s.last_visit_day,
              (std::array<int16, 11>{-3, -3, -3, -3, -3, -3, -3, -3, -3, -3, -3}));
    EXPECT_FALSE(s.game_over);
    EXPECT_TRUE(s.sound_on);
    EXPECT_EQ(s.looks, 50);
    EXPECT_EQ(s.smart, -5);
    EXPECT_EQ(s.luck, 50);
    // one topic drawn five times: she likes just that one
    EXPECT_EQ(s.interest_table[0].mark, "T");
    EXPECT_EQ(s.interest_table[1].mark, "F");
    MainWindow& f = h.f1();
    EXPECT_EQ(f.days_lbl.text, "Day 1");
    EXPECT_EQ(f.money_lbl.text, "Cash $50");
    EXPECT_EQ(f.Talk.text, "");
    EXPECT_TRUE(f.Do_List.items.empty());
    EXPECT_FALSE(f.Command3.enabled);
    EXPECT_EQ(f.heart.shown, 2);
    EXPECT_EQ(f.heart_rate.text, "10");
    EXPECT_FALSE(f.cmd_ok.visible);
    EXPECT_EQ(f.Frame1.text, "");
    EXPECT_TRUE(f.visible);
    EXPECT_TRUE(f.enabled);
}

// A complaint with the heart at 10 ends the game; the main window stays
// disabled until the loss window is closed.
TEST(Flow, ComplaintEndsTheGame) {
    Harness h;
    h.new_game();
    for (int visit = 1; visit <= 4; ++visit) {
        h.run(kNoJobsNoEvents + "\nclick Form1.Command4");
    }
    EXPECT_EQ(h.s().work_streak, 1);
    ASSERT_TRUE(h.open(WindowId::Form9));
    h.run("click Form9.Command1");
    EXPECT_EQ(h.s().heart_value, 0);
    EXPECT_TRUE(h.s().game_over);
    EXPECT_TRUE(h.open(WindowId::Form8));
    EXPECT_FALSE(h.f1().enabled);
    h.run("click Form8.Command1");
    EXPECT_TRUE(h.f1().enabled);
    // Every category button now leads to the game-over window, counting nothing.
    const int16 actions = h.s().action_count;
    h.run("click Form1.Command1");
    EXPECT_TRUE(h.open(WindowId::Form12));
    EXPECT_FALSE(h.f1().enabled);
    EXPECT_EQ(h.s().action_count, actions);
    h.run("click Form12.Command1\nclick Form1.Command5");
    EXPECT_TRUE(h.open(WindowId::Form12));
}

// The boredom complaint takes its 10 before the main window is enabled, so a
// loss by it leaves the main window disabled.
TEST(Flow, BoredomComplaintLossKeepsTheMainWindowDisabled) {
    Harness h;
    h.new_game();
    h.game().complain("b");
    h.run("close Form10"); // the close box runs the steps of OK
    EXPECT_EQ(h.s().heart_value, 0);
    EXPECT_TRUE(h.open(WindowId::Form8));
    EXPECT_FALSE(h.open(WindowId::Form10));
    EXPECT_FALSE(h.f1().enabled);
}

// Two event windows at once: the main window comes back only with the last.
TEST(Flow, TwoEventWindowsAtOnce) {
    Harness h;
    h.new_game();
    h.run("rng 0.9 0.9 0.9 0.9 0.9 0.9 0.14 0.04\nclick Form1.Command4");
    ASSERT_TRUE(h.open(WindowId::Form6));
    ASSERT_TRUE(h.open(WindowId::Form7));
    EXPECT_EQ(h.s().cash, 90); // 50 + 100 - 60
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"car.wav", "found.wav", "police.wav"}));
    h.run("click Form6.Command1");
    EXPECT_FALSE(h.f1().enabled);
    h.run("click Form7.Command1");
    EXPECT_TRUE(h.f1().enabled);
}

// The message window enables the main window even while another window is open.
TEST(Flow, MessageWindowEnablesAtOnce) {
    Harness h;
    h.new_game();
    h.run("rng 0.9 0.9 0.9 0.9 0.9 0.9 0.14 0.5\nclick Form1.Command4");
    ASSERT_TRUE(h.open(WindowId::Form6));
    h.s().cash = 0;
    h.run("click Form6.Command1\nclick Form1.Command2");
    ASSERT_TRUE(h.open(WindowId::Form11));
    h.game().complain("w");
    h.run("click Form11.Command1");
    EXPECT_TRUE(h.open(WindowId::Form9));
    EXPECT_TRUE(h.f1().enabled);
}

// Play Again keeps the girl and her face, and starts afresh with sound on.
TEST(Flow, PlayAgainKeepsTheGirl) {
    Harness h;
    h.new_game("Bob", "0.6 0.15 0 0 0 0 0");
    h.run("click Form1.sndenable");
    EXPECT_FALSE(h.s().sound_on);
    EXPECT_FALSE(h.f1().sndenable.checked);
    h.s().day = 12;
    h.s().work_streak = 2;
    h.run("rng 0.5 0.5 0.5 0.5 0.5\nclick Form1.rstart");
    EXPECT_EQ(h.s().Gname, "Lisa");
    EXPECT_EQ(h.s().face, 7);
    EXPECT_EQ(h.f1().Picture7.picture, "girl7.bmp");
    EXPECT_EQ(h.s().liked_topics, (std::array<int16, 5>{11, 11, 11, 11, 11}));
    EXPECT_EQ(h.s().day, 1);
    EXPECT_EQ(h.s().work_streak, 2); // kept across games
    EXPECT_TRUE(h.s().sound_on);
    EXPECT_TRUE(h.f1().sndenable.checked);
    EXPECT_TRUE(h.runner.rng().queue.empty());
}

// The game-over window's Play Again starts a game with the same girl.
TEST(Flow, GameOverPlayAgain) {
    Harness h;
    h.new_game("Bob", "0.6 0.15 0 0 0 0 0");
    h.s().game_over = true;
    h.run("click Form1.Command2\nrng 0 0 0 0 0\nclick Form12.Command2");
    EXPECT_FALSE(h.open(WindowId::Form12));
    EXPECT_FALSE(h.s().game_over);
    EXPECT_TRUE(h.f1().enabled);
    EXPECT_EQ(h.s().Gname, "Lisa");
    EXPECT_EQ(h.s().cash, 50);
}

// Start New Game discards the game and returns to a fresh set-up form.
TEST(Flow, StartNewGame) {
    Harness h;
    h.new_game("Carl");
    h.run("slide Form2.looks_sld 10"); // hidden: the player cannot reach it
    h.s().cash = 999;
    h.run("click Form1.newgame");
    EXPECT_FALSE(h.open(WindowId::Form1));
    ASSERT_TRUE(h.open(WindowId::Form2));
    EXPECT_TRUE(h.game().running());
    SetupWindow& f = *h.game().form2();
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.name_txt.text, "Carl");
    EXPECT_EQ(f.looks_sld.value, 50);
    EXPECT_EQ(f.focus_control, ControlId::name_txt);
    EXPECT_EQ(h.s().cash, 0); // the main window's part of the state is gone
    h.run("rng 0.95 0.95 0 0 0 0 0\nclick Form2.Command1");
    EXPECT_EQ(h.s().face, 11);
    EXPECT_EQ(h.s().Gname, "Naomi");
    EXPECT_EQ(h.s().cash, 50);
    EXPECT_EQ(h.s().job_available, (std::array<bool, 6>{}));
}

// Closing the main window closes the hidden set-up form, and the program ends.
TEST(Flow, ClosingTheMainWindowEndsTheProgram) {
    Harness h;
    h.new_game();
    h.run("close Form1");
    EXPECT_FALSE(h.game().running());
    EXPECT_TRUE(h.game().load_order().empty());
}

// While a secondary window is open the main window's buttons, list and menu take no input.
TEST(Flow, DisabledMainWindowTakesNoInput) {
    Harness h;
    h.new_game();
    h.run("click Form1.about");
    ASSERT_TRUE(h.open(WindowId::Form13));
    for (const char* input : {"click Form1.Command2", "click Form1.rstart", "click Form1.exit",
                              "close Form1", "click Form1.sndenable"}) {
        EXPECT_NE(h.run(input).find("\"ignored\""), std::string::npos) << input;
    }
    EXPECT_TRUE(h.s().sound_on);
    EXPECT_TRUE(h.game().running());
    h.run("click Form13.Command1");
    EXPECT_TRUE(h.f1().enabled);
}

// Online Help and the about window's address open the browser, or say why not.
TEST(Flow, WebPages) {
    Harness h;
    h.new_game();
    h.run("click Form1.onlinehelp");
    EXPECT_FALSE(h.open(WindowId::MsgBox));
    ASSERT_EQ(h.runner.browser().launches.size(), 1u);
    EXPECT_EQ(h.runner.browser().launches[0].url, h.f1().txtUrl.text);
    h.run("browser missing\nclick Form1.onlinehelp");
    ASSERT_TRUE(h.open(WindowId::MsgBox));
    EXPECT_EQ(h.win<MessageBoxWindow>(WindowId::MsgBox).caption, "Browser Not Found");
    EXPECT_EQ(h.win<MessageBoxWindow>(WindowId::MsgBox).text, "Could not your Browser");
    EXPECT_TRUE(h.win<MessageBoxWindow>(WindowId::MsgBox).warning);
    h.run("click MsgBox.OK\nbrowser fails\nclick Form1.about\nclick Form13.Label3");
    ASSERT_TRUE(h.open(WindowId::MsgBox));
    EXPECT_EQ(h.win<MessageBoxWindow>(WindowId::MsgBox).caption, "URL Failed");
    EXPECT_EQ(h.win<MessageBoxWindow>(WindowId::MsgBox).text, "Web Page not Opened");
    h.run("click MsgBox.OK");
    EXPECT_TRUE(h.open(WindowId::Form13)); // the about window stays open
    EXPECT_EQ(h.runner.browser().launches.size(), 3u);
}

// Sound switched off silences the game; switched twice it is on and checked.
TEST(Flow, SoundSwitch) {
    Harness h;
    h.new_game();
    h.run("click Form1.sndenable\nclick Form1.Command2");
    h.sounds();
    EXPECT_TRUE(h.sounds().empty());
    h.run("click Form1.sndenable");
    EXPECT_TRUE(h.s().sound_on);
    EXPECT_TRUE(h.f1().sndenable.checked);
}

// Counters driven past their 16-bit range stop at the limit, and the labels agree.
TEST(Flow, CountersSaturate) {
    Harness h;
    h.new_game();
    h.run("set action_count 32767\nset cash 32767\nclick Form1.Command5");
    EXPECT_EQ(h.s().action_count, 32767);
    h.run("set day 32767\nset game_over true");
    h.game().next_day(1);
    EXPECT_EQ(h.s().day, 32767);
    EXPECT_EQ(h.f1().days_lbl.text, "Day 32767");
}

} // namespace
} // namespace swoonery::test

namespace swoonery::test {
namespace {

// A high-score file the game cannot read is named in a message; the table
// window still opens and the game goes on.
TEST(Flow, UnreadableScoresFileIsReported) {
    Harness h;
    std::filesystem::create_directory(h.dir / "Scores");
    h.new_game();
    h.run("click Form1.hscores");
    ASSERT_TRUE(h.open(WindowId::Form5));
    ASSERT_TRUE(h.open(WindowId::MsgBox));
    const auto& box = h.win<MessageBoxWindow>(WindowId::MsgBox);
    EXPECT_TRUE(box.warning);
    EXPECT_NE(box.text.find("Scores\" could not be read: Is a directory"), std::string::npos)
        << box.text;
    h.run("click MsgBox.OK\nclick Form5.Command1");
    EXPECT_TRUE(h.f1().enabled);
    EXPECT_TRUE(std::filesystem::is_directory(h.dir / "Scores"));
}

// A result that could not be saved is handed to the table once: the player is
// told it was lost, and opening the table again neither repeats it nor marks it.
TEST(Flow, UnsavedResultIsHandedOverOnce) {
    Harness h;
    std::filesystem::create_directory(h.dir / "Scores");
    h.new_game();
    h.s().score_pending = true;
    h.s().winner_name = "Bob";
    h.s().winner_score = 42.0;
    h.run("click Form1.hscores");
    EXPECT_FALSE(h.s().score_pending);
    ASSERT_TRUE(h.open(WindowId::MsgBox));
    EXPECT_NE(h.win<MessageBoxWindow>(WindowId::MsgBox)
                  .text.find("so the result of this game was not saved"),
              std::string::npos);
    h.run("click MsgBox.OK\nclick Form5.Command1\nclick Form1.hscores");
    ASSERT_TRUE(h.open(WindowId::MsgBox));
    EXPECT_EQ(h.win<MessageBoxWindow>(WindowId::MsgBox).text.find("result of this game"),
              std::string::npos);
    EXPECT_TRUE(h.win<ScoresWindow>(WindowId::Form5).Score_list.red_rows.empty());
}

} // namespace
} // namespace swoonery::test
