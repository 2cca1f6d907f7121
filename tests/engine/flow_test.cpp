// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

namespace swoonery::test {
namespace {

const std::string kNoJobsNoEvents = "rng 0 0 0 0 0 0 0.5 0.5";

// The example of the driver's protocol: Bob calls Lisa, who likes topics 1 to 5.
TEST(Flow, StartUpToAFirstCall) {
    Harness h;
    h.run({"desktop 1024 768", "rng 0.6 0.15 0.01 0.06 0.11 0.16 0.21", "start",
           type(Window::Setup, Control::Name, "Bob"), click(Window::Setup, Control::Ok),
           click(Window::Main, Control::CallHer)});
    EXPECT_EQ(h.s().face, 7);
    EXPECT_EQ(h.main().face.picture, "girl7.bmp");
    EXPECT_EQ(h.main().face.tooltip, "Hi Bob");
    EXPECT_EQ(h.s().Gname, "Lisa");
    EXPECT_EQ(h.s().liked_topics, (std::array<int16, 5>{1, 2, 3, 4, 5}));
    for (int t = 0; t < 20; ++t) {
        EXPECT_EQ(h.s().interest_table[static_cast<std::size_t>(t)].mark,
                  t < 5 ? Mark::Liked : Mark::NotLiked);
    }
    EXPECT_EQ(h.s().cash, 45);
    EXPECT_EQ(h.s().money_spent, 5);
    EXPECT_EQ(h.main().dialogue.text,
              "Lisa: Hello?\r\nBob: Hi Lisa this is Bob\r\nLisa:Ohh .... How are you???");
    EXPECT_EQ(h.main().category_frame.text, "Things to Talk about");
    EXPECT_EQ(h.main().action_button.text, "TALK");
    EXPECT_EQ(h.main().action_list.items.size(), 20u);
    EXPECT_EQ(h.main().action_list.tooltip, "Topics you can talk about");
    EXPECT_EQ(h.sounds(), std::vector<std::string>{"phonet.wav"});
    EXPECT_FALSE(h.game().setup_form()->visible);
}

// A new game starts from the same figures every time.
TEST(Flow, NewGameValues) {
    Harness h;
    h.run({"rng 0 0 0 0 0 0 0", "start", type(Window::Setup, Control::Name, " Bob "),
           slide(Window::Setup, Control::Smart, 10), click(Window::Setup, Control::Ok)});
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
    EXPECT_EQ(s.interest_table[0].mark, Mark::Liked);
    EXPECT_EQ(s.interest_table[1].mark, Mark::NotLiked);
    MainWindow& f = h.main();
    EXPECT_EQ(f.day_count.text, "Day 1");
    EXPECT_EQ(f.cash_count.text, "Cash $50");
    EXPECT_EQ(f.dialogue.text, "");
    EXPECT_TRUE(f.action_list.items.empty());
    EXPECT_FALSE(f.take_her_out.enabled);
    EXPECT_EQ(f.hearts.shown, 2);
    EXPECT_EQ(f.heart_value.text, "10");
    EXPECT_FALSE(f.action_button.visible);
    EXPECT_EQ(f.category_frame.text, "");
    EXPECT_TRUE(f.visible);
    EXPECT_TRUE(f.enabled);
}

// A complaint with the heart at 10 ends the game; the main window stays
// disabled until the loss window is closed.
TEST(Flow, ComplaintEndsTheGame) {
    Harness h;
    h.new_game();
    for (int visit = 1; visit <= 4; ++visit) {
        h.run({kNoJobsNoEvents, click(Window::Main, Control::GoToWork)});
    }
    EXPECT_EQ(h.s().work_streak, 1);
    ASSERT_TRUE(h.open(Window::Ignored));
    h.run(click(Window::Ignored, Control::Ok));
    EXPECT_EQ(h.s().heart_value, 0);
    EXPECT_TRUE(h.s().game_over);
    EXPECT_TRUE(h.open(Window::Lost));
    EXPECT_FALSE(h.main().enabled);
    h.run(click(Window::Lost, Control::Ok));
    EXPECT_TRUE(h.main().enabled);
    // Every category button now leads to the game-over window, counting nothing.
    const int16 actions = h.s().action_count;
    h.run(click(Window::Main, Control::BuyGift));
    EXPECT_TRUE(h.open(Window::GameOver));
    EXPECT_FALSE(h.main().enabled);
    EXPECT_EQ(h.s().action_count, actions);
    h.run({click(Window::GameOver, Control::Ok), click(Window::Main, Control::GoShopping)});
    EXPECT_TRUE(h.open(Window::GameOver));
}

// The boredom complaint takes its 10 before the main window is enabled, so a
// loss by it leaves the main window disabled.
TEST(Flow, BoredomComplaintLossKeepsTheMainWindowDisabled) {
    Harness h;
    h.new_game();
    h.game().complain(Complaint::Bored);
    h.run(close(Window::Bored)); // the close box runs the steps of OK
    EXPECT_EQ(h.s().heart_value, 0);
    EXPECT_TRUE(h.open(Window::Lost));
    EXPECT_FALSE(h.open(Window::Bored));
    EXPECT_FALSE(h.main().enabled);
}

// Two event windows at once: the main window comes back only with the last.
TEST(Flow, TwoEventWindowsAtOnce) {
    Harness h;
    h.new_game();
    h.run({"rng 0.9 0.9 0.9 0.9 0.9 0.9 0.14 0.04", click(Window::Main, Control::GoToWork)});
    ASSERT_TRUE(h.open(Window::FoundMoney));
    ASSERT_TRUE(h.open(Window::Speeding));
    EXPECT_EQ(h.s().cash, 90); // 50 + 100 - 60
    EXPECT_EQ(h.sounds(), (std::vector<std::string>{"car.wav", "found.wav", "police.wav"}));
    h.run(click(Window::FoundMoney, Control::Ok));
    EXPECT_FALSE(h.main().enabled);
    h.run(click(Window::Speeding, Control::Ok));
    EXPECT_TRUE(h.main().enabled);
}

// The message window enables the main window even while another window is open.
TEST(Flow, MessageWindowEnablesAtOnce) {
    Harness h;
    h.new_game();
    h.run({"rng 0.9 0.9 0.9 0.9 0.9 0.9 0.14 0.5", click(Window::Main, Control::GoToWork)});
    ASSERT_TRUE(h.open(Window::FoundMoney));
    h.s().cash = 0;
    h.run({click(Window::FoundMoney, Control::Ok), click(Window::Main, Control::CallHer)});
    ASSERT_TRUE(h.open(Window::Message));
    h.game().complain(Complaint::Ignored);
    h.run(click(Window::Message, Control::Ok));
    EXPECT_TRUE(h.open(Window::Ignored));
    EXPECT_TRUE(h.main().enabled);
}

// Play Again keeps the girl and her face, and starts afresh with sound on.
TEST(Flow, PlayAgainKeepsTheGirl) {
    Harness h;
    h.new_game("Bob", "0.6 0.15 0 0 0 0 0");
    h.run(click(Window::Main, Control::SoundEnabled));
    EXPECT_FALSE(h.s().sound_on);
    EXPECT_FALSE(h.main().sound_enabled.checked);
    h.s().day = 12;
    h.s().work_streak = 2;
    h.run({"rng 0.5 0.5 0.5 0.5 0.5", click(Window::Main, Control::PlayAgain)});
    EXPECT_EQ(h.s().Gname, "Lisa");
    EXPECT_EQ(h.s().face, 7);
    EXPECT_EQ(h.main().face.picture, "girl7.bmp");
    EXPECT_EQ(h.s().liked_topics, (std::array<int16, 5>{11, 11, 11, 11, 11}));
    EXPECT_EQ(h.s().day, 1);
    EXPECT_EQ(h.s().work_streak, 2); // kept across games
    EXPECT_TRUE(h.s().sound_on);
    EXPECT_TRUE(h.main().sound_enabled.checked);
    EXPECT_TRUE(h.runner.rng().queue.empty());
}

// The game-over window's Play Again starts a game with the same girl.
TEST(Flow, GameOverPlayAgain) {
    Harness h;
    h.new_game("Bob", "0.6 0.15 0 0 0 0 0");
    h.s().game_over = true;
    h.run({click(Window::Main, Control::CallHer), "rng 0 0 0 0 0",
           click(Window::GameOver, Control::PlayAgain)});
    EXPECT_FALSE(h.open(Window::GameOver));
    EXPECT_FALSE(h.s().game_over);
    EXPECT_TRUE(h.main().enabled);
    EXPECT_EQ(h.s().Gname, "Lisa");
    EXPECT_EQ(h.s().cash, 50);
}

// Start New Game discards the game and returns to a fresh set-up form.
TEST(Flow, StartNewGame) {
    Harness h;
    h.new_game("Carl");
    h.run(slide(Window::Setup, Control::Looks, 10)); // hidden: the player cannot reach it
    h.s().cash = 999;
    h.run(click(Window::Main, Control::NewGame));
    EXPECT_FALSE(h.open(Window::Main));
    ASSERT_TRUE(h.open(Window::Setup));
    EXPECT_TRUE(h.game().running());
    SetupWindow& f = *h.game().setup_form();
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.name.text, "Carl");
    EXPECT_EQ(f.looks.value, 50);
    EXPECT_EQ(f.focus_control, Control::Name);
    EXPECT_EQ(h.s().cash, 0); // the main window's part of the state is gone
    h.run({"rng 0.95 0.95 0 0 0 0 0", click(Window::Setup, Control::Ok)});
    EXPECT_EQ(h.s().face, 11);
    EXPECT_EQ(h.s().Gname, "Naomi");
    EXPECT_EQ(h.s().cash, 50);
    EXPECT_EQ(h.s().job_available, (std::array<bool, 6>{}));
}

// Closing the main window closes the hidden set-up form, and the program ends.
TEST(Flow, ClosingTheMainWindowEndsTheProgram) {
    Harness h;
    h.new_game();
    h.run(close(Window::Main));
    EXPECT_FALSE(h.game().running());
    EXPECT_TRUE(h.game().load_order().empty());
}

// While a secondary window is open the main window's buttons, list and menu take no input.
TEST(Flow, DisabledMainWindowTakesNoInput) {
    Harness h;
    h.new_game();
    h.run(click(Window::Main, Control::About));
    ASSERT_TRUE(h.open(Window::About));
    for (const std::string& input :
         {click(Window::Main, Control::CallHer), click(Window::Main, Control::PlayAgain),
          click(Window::Main, Control::Exit), close(Window::Main),
          click(Window::Main, Control::SoundEnabled)}) {
        EXPECT_NE(h.run(input).find("\"ignored\""), std::string::npos) << input;
    }
    EXPECT_TRUE(h.s().sound_on);
    EXPECT_TRUE(h.game().running());
    h.run(click(Window::About, Control::Ok));
    EXPECT_TRUE(h.main().enabled);
}

// Online Help and the about window's address open the browser, or say why not.
TEST(Flow, WebPages) {
    Harness h;
    h.new_game();
    h.run(click(Window::Main, Control::OnlineHelp));
    EXPECT_FALSE(h.open(Window::MessageBox));
    ASSERT_EQ(h.runner.browser().launches.size(), 1u);
    EXPECT_EQ(h.runner.browser().launches[0].url, h.main().help_address.text);
    h.run({"browser missing", click(Window::Main, Control::OnlineHelp)});
    ASSERT_TRUE(h.open(Window::MessageBox));
    EXPECT_EQ(h.win<MessageBoxWindow>(Window::MessageBox).caption, "Browser Not Found");
    EXPECT_EQ(h.win<MessageBoxWindow>(Window::MessageBox).text, "Could not your Browser");
    EXPECT_TRUE(h.win<MessageBoxWindow>(Window::MessageBox).warning);
    h.run({click(Window::MessageBox, Control::Ok), "browser fails",
           click(Window::Main, Control::About), click(Window::About, Control::HomeLink)});
    ASSERT_TRUE(h.open(Window::MessageBox));
    EXPECT_EQ(h.win<MessageBoxWindow>(Window::MessageBox).caption, "URL Failed");
    EXPECT_EQ(h.win<MessageBoxWindow>(Window::MessageBox).text, "Web Page not Opened");
    h.run(click(Window::MessageBox, Control::Ok));
    EXPECT_TRUE(h.open(Window::About)); // the about window stays open
    EXPECT_EQ(h.runner.browser().launches.size(), 3u);
}

// Sound switched off silences the game; switched twice it is on and checked.
TEST(Flow, SoundSwitch) {
    Harness h;
    h.new_game();
    h.run({click(Window::Main, Control::SoundEnabled), click(Window::Main, Control::CallHer)});
    h.sounds();
    EXPECT_TRUE(h.sounds().empty());
    h.run(click(Window::Main, Control::SoundEnabled));
    EXPECT_TRUE(h.s().sound_on);
    EXPECT_TRUE(h.main().sound_enabled.checked);
}

// Counters driven past their 16-bit range stop at the limit, and the labels agree.
TEST(Flow, CountersSaturate) {
    Harness h;
    h.new_game();
    h.run({"set action_count 32767", "set cash 32767", click(Window::Main, Control::GoShopping)});
    EXPECT_EQ(h.s().action_count, 32767);
    h.run("set day 32767\nset game_over true");
    h.game().next_day(1);
    EXPECT_EQ(h.s().day, 32767);
    EXPECT_EQ(h.main().day_count.text, "Day 32767");
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
    h.run(click(Window::Main, Control::TopPlayers));
    ASSERT_TRUE(h.open(Window::HighScores));
    ASSERT_TRUE(h.open(Window::MessageBox));
    const auto& box = h.win<MessageBoxWindow>(Window::MessageBox);
    EXPECT_TRUE(box.warning);
    EXPECT_NE(box.text.find("Scores\" could not be read: Is a directory"), std::string::npos)
        << box.text;
    h.run({click(Window::MessageBox, Control::Ok), click(Window::HighScores, Control::Ok)});
    EXPECT_TRUE(h.main().enabled);
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
    h.run(click(Window::Main, Control::TopPlayers));
    EXPECT_FALSE(h.s().score_pending);
    ASSERT_TRUE(h.open(Window::MessageBox));
    EXPECT_NE(h.win<MessageBoxWindow>(Window::MessageBox)
                  .text.find("so the result of this game was not saved"),
              std::string::npos);
    h.run({click(Window::MessageBox, Control::Ok), click(Window::HighScores, Control::Ok),
           click(Window::Main, Control::TopPlayers)});
    ASSERT_TRUE(h.open(Window::MessageBox));
    EXPECT_EQ(h.win<MessageBoxWindow>(Window::MessageBox).text.find("result of this game"),
              std::string::npos);
    EXPECT_TRUE(h.win<ScoresWindow>(Window::HighScores).grid.red_rows.empty());
}

} // namespace
} // namespace swoonery::test
