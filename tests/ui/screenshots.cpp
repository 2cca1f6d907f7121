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

    void shot(WindowId id, const char* file) {
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
    void press(WindowId id, const char* control) {
        click(h.find<QAbstractButton>(id, control));
    }
    void pick(int row) { click_row(h.find<QWidget>(WindowId::Form1, "Do_List"), row); }
    void menu(const char* entry) {
        h.window(WindowId::Form1)->findChild<QAction*>(QLatin1String(entry))->trigger();
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
    QTest::keyClicks(h.find<QLineEdit>(WindowId::Form2, "name_txt"), QStringLiteral("Bob"));
    QTest::keyClick(h.find<QSlider>(WindowId::Form2, "luck_sld"), Qt::Key_PageDown);
    t.shot(WindowId::Form2, "form2.png");
    t.screen("screen-form2.png");

    h.rng.push({0.6, 0.15, 0.025, 0.075, 0.125, 0.175, 0.225});
    t.press(WindowId::Form2, "Command1");
    t.shot(WindowId::Form1, "form1-start.png");

    // A call and a topic she likes: some hearts lit.
    t.press(WindowId::Form1, "Command2");
    t.pick(0);
    t.press(WindowId::Form1, "cmd_ok");
    t.shot(WindowId::Form1, "form1-call.png");
    t.pick(10); // a second topic ends the call with her goodbye
    t.press(WindowId::Form1, "cmd_ok");
    t.shot(WindowId::Form1, "form1-goodbye.png");
    t.press(WindowId::Form1, "Command2");
    t.shot(WindowId::Form1, "form1-topics.png");

    h.game.state().cash = 3;
    t.press(WindowId::Form1, "Command2");
    t.shot(WindowId::Form11, "form11.png");
    t.shot(WindowId::Form1, "form1-disabled.png");
    t.press(WindowId::Form11, "Command1");
    h.game.change_cash(300);

    // The draws that make an event strike at this player's luck.
    const double luck = h.game.state().luck;
    const double found = 8.5 / (110 - luck);
    const double third = 2.5 / (luck + 10);

    h.rng.push({found}); // money on the floor
    t.press(WindowId::Form1, "Command1");
    t.shot(WindowId::Form6, "form6.png");
    t.press(WindowId::Form6, "Command1");
    t.shot(WindowId::Form1, "form1-gifts.png");

    h.rng.push({0.5, third}); // a speeding fine
    t.press(WindowId::Form1, "Command5");
    t.shot(WindowId::Form7, "form7.png");
    t.press(WindowId::Form7, "Command1");
    t.shot(WindowId::Form1, "form1-shopping.png");

    t.heart(45);
    h.rng.push({0.5, third}); // the cat
    t.press(WindowId::Form1, "Command3");
    t.shot(WindowId::Form4, "form4.png");
    t.press(WindowId::Form4, "Command1");
    t.shot(WindowId::Form1, "form1-places.png");

    for (int i = 0; i < 4; ++i) { // too much work
        h.rng.push({0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.5, 0.5});
        t.press(WindowId::Form1, "Command4");
    }
    t.shot(WindowId::Form9, "form9.png");
    t.press(WindowId::Form9, "Command1");
    t.shot(WindowId::Form1, "form1-jobs.png");

    t.heart(60);
    for (int i = 0; i < 2; ++i) { // the beach twice running
        h.rng.push({0.5, 0.5});
        t.press(WindowId::Form1, "Command3");
        t.pick(3);
        h.rng.push({0.5, 0.5});
        t.press(WindowId::Form1, "cmd_ok");
    }
    t.shot(WindowId::Form10, "form10.png");
    t.press(WindowId::Form10, "Command1");
    t.shot(WindowId::Form1, "form1-date.png");

    t.menu("about");
    t.shot(WindowId::Form13, "form13.png");
    h.browser.outcome = BrowserResult::NotFound;
    QTest::mouseClick(h.find<QWidget>(WindowId::Form13, "Label3"), Qt::LeftButton);
    t.shot(WindowId::MsgBox, "msgbox.png");
    t.screen("screen-msgbox.png");
    t.press(WindowId::MsgBox, "OK");
    t.press(WindowId::Form13, "Command1");

    // A win, the table with its red row, and the game-over window.
    t.heart(95);
    h.game.change_cash(100);
    t.press(WindowId::Form1, "Command2");
    t.pick(1);
    t.press(WindowId::Form1, "cmd_ok");
    t.shot(WindowId::Form3, "form3.png");
    t.press(WindowId::Form3, "Command1");
    t.shot(WindowId::Form5, "form5.png");
    t.screen("screen-form5-rank1.png");
    t.press(WindowId::Form5, "Command1");
    t.press(WindowId::Form1, "Command1");
    t.shot(WindowId::Form12, "form12.png");

    // A loss.
    t.press(WindowId::Form12, "Command2");
    t.heart(1);
    t.press(WindowId::Form1, "Command2");
    t.pick(10);
    t.press(WindowId::Form1, "cmd_ok");
    t.shot(WindowId::Form8, "form8.png");
    t.press(WindowId::Form8, "Command1");

    // A gift that wins and also makes her reproach the buy-off: both windows
    // at once; OK on the reproach must leave the win in front.
    t.press(WindowId::Form1, "Command1");
    t.press(WindowId::Form12, "Command2");
    t.heart(95);
    h.game.change_cash(5000);
    t.press(WindowId::Form1, "Command2"); // a call first: some money spent
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
    t.press(WindowId::Form1, "Command1");
    t.pick(10);
    t.press(WindowId::Form1, "cmd_ok");
    t.shot(WindowId::Form11, "form11-buyoff.png");
    t.screen("screen-win-buyoff.png");
    t.press(WindowId::Form11, "Command1");
    t.screen("screen-win-after-reproach-ok.png");
    t.press(WindowId::Form3, "Command1");
    t.shot(WindowId::Form5, "form5-rank2.png");
    t.screen("screen-form5-rank2.png");
    t.press(WindowId::Form5, "Command1");

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
    t.menu("hscores");
    if (auto* grid = h.find<QTableWidget>(WindowId::Form5, "Score_list")) {
        grid->scrollToBottom();
    }
    t.shot(WindowId::Form5, "form5-full.png");
    t.screen("screen-form5-full.png");
    return t.failures == 0 ? 0 : 1;
}
