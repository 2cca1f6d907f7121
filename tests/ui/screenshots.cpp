// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays through every window of the game and saves a picture of each, for
// looking at the windows (not a test):
//
//   swoonery_ui_screenshots OUTPUT_FOLDER [PICTURES_FOLDER]
//
// The pictures are read from the program's own folder unless another is
// given. Run it under a real X server (or Xvfb) to see the fonts the player
// sees, with QT_SCALE_FACTOR=2 for a 200% display.
#include "test_support.h"

#include "scores/score_file.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <cstdio>
#include <filesystem>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

class Tour {
public:
    Tour(const QString& out, const QString& pictures) : h(1, pictures), out_(out) {}

    void shot(Window id, const char* file) {
        settle();
        QCoreApplication::processEvents();
        QWidget* w = h.window(id);
        if (w == nullptr || !w->grab().save(QDir(out_).filePath(QLatin1String(file)))) {
            std::fprintf(stderr, "no picture of %s\n", file);
            ++failures;
        }
    }
    // The whole screen as the display shows it, window frames and stacking
    // included; only on a real X display.
    void screen(const char* file) {
        settle();
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            return;
        }
        QTest::qWait(400);
        QScreen* s = QGuiApplication::primaryScreen();
        if (s == nullptr || !s->grabWindow(0).save(QDir(out_).filePath(QLatin1String(file)))) {
            std::fprintf(stderr, "no picture of the screen for %s\n", file);
            ++failures;
        }
    }
    void press(Window id, Control control) { click(h.find<QAbstractButton>(id, control)); }
    void pick(int row) { click_row(h.find<QWidget>(Window::Main, Control::ActionList), row); }
    void menu(Control entry) {
        h.find<QAction>(Window::Main, entry)->trigger();
        settle();
    }
    void heart(int value) {
        h.game.state().heart_value = static_cast<int16>(value);
        h.game.display_heart(static_cast<int16>(value));
        h.windows.refresh();
    }

    Harness h;
    int failures = 0;

private:
    QString out_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: swoonery_ui_screenshots OUTPUT_FOLDER [PICTURES_FOLDER]\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    Tour t(QString::fromLocal8Bit(argv[1]),
           argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath());
    Harness& h = t.h;

    h.windows.start();
    QTest::keyClicks(h.find<QLineEdit>(Window::Setup, Control::Name), QStringLiteral("Bob"));
    QTest::keyClick(h.find<QSlider>(Window::Setup, Control::Luck), Qt::Key_PageDown);
    t.shot(Window::Setup, "setup.png");
    t.screen("screen-setup.png");

    h.rng.push({0.6, 0.15, 0.025, 0.075, 0.125, 0.175, 0.225});
    t.press(Window::Setup, Control::Ok);
    t.shot(Window::Main, "main-start.png");

    // A call and a topic she likes: some hearts lit.
    t.press(Window::Main, Control::CallHer);
    t.pick(0);
    t.press(Window::Main, Control::ActionButton);
    t.shot(Window::Main, "main-call.png");
    t.pick(10); // a second topic ends the call with her goodbye
    t.press(Window::Main, Control::ActionButton);
    t.shot(Window::Main, "main-goodbye.png");
    t.press(Window::Main, Control::CallHer);
    t.shot(Window::Main, "main-topics.png");

    h.game.state().cash = 3;
    t.press(Window::Main, Control::CallHer);
    t.shot(Window::Message, "message.png");
    t.shot(Window::Main, "main-disabled.png");
    t.press(Window::Message, Control::Ok);
    h.game.change_cash(300);

    // The draws that make an event strike at this player's luck.
    const double luck = h.game.state().luck;
    const double found = 8.5 / (110 - luck);
    const double third = 2.5 / (luck + 10);

    h.rng.push({found}); // money on the floor
    t.press(Window::Main, Control::BuyGift);
    t.shot(Window::FoundMoney, "found-money.png");
    t.press(Window::FoundMoney, Control::Ok);
    t.shot(Window::Main, "main-gifts.png");

    h.rng.push({0.5, third}); // a speeding fine
    t.press(Window::Main, Control::GoShopping);
    t.shot(Window::Speeding, "speeding.png");
    t.press(Window::Speeding, Control::Ok);
    t.shot(Window::Main, "main-shopping.png");

    t.heart(45);
    h.rng.push({0.5, third}); // the cat
    t.press(Window::Main, Control::TakeHerOut);
    t.shot(Window::Cat, "cat.png");
    t.press(Window::Cat, Control::Ok);
    t.shot(Window::Main, "main-places.png");

    for (int i = 0; i < 4; ++i) { // too much work
        h.rng.push({0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.5, 0.5});
        t.press(Window::Main, Control::GoToWork);
    }
    t.shot(Window::Ignored, "ignored.png");
    t.press(Window::Ignored, Control::Ok);
    t.shot(Window::Main, "main-jobs.png");

    t.heart(60);
    for (int i = 0; i < 2; ++i) { // the beach twice running
        h.rng.push({0.5, 0.5});
        t.press(Window::Main, Control::TakeHerOut);
        t.pick(3);
        h.rng.push({0.5, 0.5});
        t.press(Window::Main, Control::ActionButton);
    }
    t.shot(Window::Bored, "bored.png");
    t.press(Window::Bored, Control::Ok);
    t.shot(Window::Main, "main-date.png");

    t.menu(Control::About);
    t.shot(Window::About, "about.png");
    h.browser.outcome = BrowserResult::NotFound;
    QTest::mouseClick(h.find<QWidget>(Window::About, Control::HomeLink), Qt::LeftButton);
    t.shot(Window::MessageBox, "msgbox.png");
    t.screen("screen-msgbox.png");
    t.press(Window::MessageBox, Control::Ok);
    t.press(Window::About, Control::Ok);

    // A win, the table with its red row, and the game-over window.
    t.heart(95);
    h.game.change_cash(100);
    t.press(Window::Main, Control::CallHer);
    t.pick(1);
    t.press(Window::Main, Control::ActionButton);
    t.shot(Window::Win, "win.png");
    t.press(Window::Win, Control::Ok);
    t.shot(Window::HighScores, "high-scores.png");
    t.screen("screen-high-scores-rank1.png");
    t.press(Window::HighScores, Control::Ok);
    t.press(Window::Main, Control::BuyGift);
    t.shot(Window::GameOver, "game-over.png");

    // A loss.
    t.press(Window::GameOver, Control::PlayAgain);
    t.heart(1);
    t.press(Window::Main, Control::CallHer);
    t.pick(10);
    t.press(Window::Main, Control::ActionButton);
    t.shot(Window::Lost, "lost.png");
    t.press(Window::Lost, Control::Ok);

    // A gift that wins and also makes her reproach the buy-off: both windows
    // at once; OK on the reproach must leave the win in front.
    t.press(Window::Main, Control::BuyGift);
    t.press(Window::GameOver, Control::PlayAgain);
    t.heart(95);
    h.game.change_cash(5000);
    t.press(Window::Main, Control::CallHer); // a call first: some money spent
    {
        // A better result in the table, so that this win comes second, and
        // the best score there can be, to see it in full.
        const std::filesystem::path file =
            h.folder.filePath(QStringLiteral("Scores")).toStdString();
        scores::ScoreTable table = scores::read_scores(file).table;
        table[19].name = scores::fit_name("Alexander Montgomery");
        table[19].score = 10000000000.0;
        table[19].days = 1;
        table[19].money = Currency::dollars(1);
        if (!scores::write_scores(file, table).empty()) {
            ++t.failures;
        }
    }
    h.rng.push({0.9}); // no money on the floor
    t.press(Window::Main, Control::BuyGift);
    t.pick(10);
    t.press(Window::Main, Control::ActionButton);
    t.shot(Window::Message, "message-buyoff.png");
    t.screen("screen-win-buyoff.png");
    t.press(Window::Message, Control::Ok);
    t.screen("screen-win-after-reproach-ok.png");
    t.press(Window::Win, Control::Ok);
    t.shot(Window::HighScores, "high-scores-rank2.png");
    t.screen("screen-high-scores-rank2.png");
    t.press(Window::HighScores, Control::Ok);

    // A full table from the menu, scrolled to its end: ranks 10 to 20 whole.
    {
        const std::filesystem::path file =
            h.folder.filePath(QStringLiteral("Scores")).toStdString();
        scores::ScoreTable table;
        for (std::size_t n = 0; n < 20; ++n) {
            table[n].name = scores::fit_name("Player " + std::to_string(n + 1));
            table[n].score = 9000000000.0 - 400000000.0 * static_cast<double>(n);
            table[n].days = static_cast<int16>(n + 1);
            table[n].money = Currency::dollars(32000);
        }
        if (!scores::write_scores(file, table).empty()) {
            ++t.failures;
        }
    }
    t.menu(Control::TopPlayers);
    if (auto* grid = h.find<QTableWidget>(Window::HighScores, Control::ScoreGrid)) {
        grid->scrollToBottom();
    }
    t.shot(Window::HighScores, "high-scores-full.png");
    t.screen("screen-high-scores-full.png");
    return t.failures == 0 ? 0 : 1;
}
