// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game played through its widgets: the set-up form, a call, a date, a
// loss, a win, the disabled main window, the menus and the desktop check.
#include "test_support.h"

#include "actions/rules.h"
#include "base/safe_file.h"
#include "ui/qt_desktop.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

bool played(const Harness& h, const char* sound) {
    return std::find(h.sound.played.begin(), h.sound.played.end(), sound) != h.sound.played.end();
}

QString text_of(const Harness& h, Window id, Control label) {
    return h.find<QLabel>(id, label)->text();
}

// Sets her heart value as a game event would, and shows it.
void set_heart(Harness& h, int value) {
    h.game.state().heart_value = static_cast<int16>(value);
    h.game.display_heart(static_cast<int16>(value));
    h.windows.refresh();
}

// Whether the window stands in the middle of its screen, give or take the
// few pixels of a window frame, whose size is unknown before the first show.
bool centred(const QWidget* w) {
    const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
    return std::abs(off.x()) <= 4 && std::abs(off.y()) <= 4;
}

bool shown(const Harness& h, Window id) {
    const QWidget* w = h.window(id);
    return w != nullptr && !w->isHidden();
}

} // namespace

class GameFlowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setup_form_to_first_game();
    void empty_name_asks_for_one();
    void new_game_returns_to_the_name_box();
    void call_and_a_topic();
    void date_at_the_beach();
    void loss_window_and_its_ok();
    void win_up_to_the_red_row();
    void disabled_main_window_refuses_clicks();
    void no_input_while_the_cat_sound_plays();
    void a_call_by_keyboard_alone();
    void menus_by_keyboard();
    void windows_paint_while_another_game_saves();
    void resize_runs_the_desktop_check_data();
    void resize_runs_the_desktop_check();
};

void GameFlowTest::setup_form_to_first_game() {
    // Typing a name and pressing Enter on the set-up form starts a game in the
    // main window, hides the form and remembers the name.
    Harness h;
    h.windows.start();
    QVERIFY(shown(h, Window::Setup));
    QVERIFY(centred(h.window(Window::Setup)));
    QVERIFY(h.window(Window::Main) == nullptr); // nothing of the game before OK
    auto* name = h.find<QLineEdit>(Window::Setup, Control::Name);
    QTest::keyClicks(name, QStringLiteral("Bob"));
    QCOMPARE(h.game.setup_form()->name.text, std::string("Bob"));

    h.rng.push({0.01, 0.15, 0.025, 0.075, 0.125, 0.175, 0.225});
    QTest::keyClick(name, Qt::Key_Return); // the default button, OK
    settle();

    QVERIFY(shown(h, Window::Main));
    QVERIFY(centred(h.window(Window::Main)));
    QVERIFY(!shown(h, Window::Setup));
    QCOMPARE(text_of(h, Window::Main, Control::DayCount), QStringLiteral("Day 1"));
    QCOMPARE(text_of(h, Window::Main, Control::CashCount), QStringLiteral("Cash $50"));
    QCOMPARE(h.find<ui::HeartGauge>(Window::Main, Control::Hearts)->shown(), 2);
    QVERIFY(!h.find<QAbstractButton>(Window::Main, Control::TakeHerOut)->isEnabled());
    QCOMPARE(h.find<ui::PictureBox>(Window::Main, Control::Face)->file(),
             QStringLiteral("girl1.bmp"));
    QFile last(h.folder.filePath(QStringLiteral("last")));
    QVERIFY(last.open(QIODevice::ReadOnly));
    QCOMPARE(last.readAll(), QByteArray("Bob                 "));
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::empty_name_asks_for_one() {
    // OK with an empty name brings up a message box, and closing it puts the
    // keyboard focus back in the name box.
    Harness h;
    h.windows.start();
    h.window(Window::Setup)->activateWindow();
    click(h.find<QAbstractButton>(Window::Setup, Control::Ok));
    auto* box = qobject_cast<QMessageBox*>(h.window(Window::MessageBox));
    QVERIFY(box != nullptr && box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("Please Enter Your Name !!"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QVERIFY(box->parentWidget() == nullptr);
    VERIFY_SCREEN_MATCHES(h);

    click(box->findChild<QAbstractButton*>(object_name(Window::MessageBox, Control::Ok)));
    QVERIFY(h.window(Window::MessageBox) == nullptr);
    QVERIFY(h.window(Window::Main) == nullptr);
    QCOMPARE(h.window(Window::Setup)->focusWidget()->objectName(),
             object_name(Window::Setup, Control::Name));
}

void GameFlowTest::new_game_returns_to_the_name_box() {
    // Start New Game brings the set-up form back afresh, with the sliders at
    // 50 and the keyboard in the name box, wherever it was left before.
    Harness h;
    h.windows.start();
    auto* looks = h.find<QSlider>(Window::Setup, Control::Looks);
    QTest::keyClick(looks, Qt::Key_PageUp);
    QTest::keyClicks(h.find<QLineEdit>(Window::Setup, Control::Name), QStringLiteral("Bob"));
    h.rng.push({0.01, 0.15, 0.025, 0.075, 0.125, 0.175, 0.225});
    click(h.find<QAbstractButton>(Window::Setup, Control::Ok)); // the keyboard is on OK now
    QCOMPARE(looks->value(), 55);
    QVERIFY(h.window(Window::Setup)->focusWidget()->objectName() !=
            object_name(Window::Setup, Control::Name));

    h.find<QAction>(Window::Main, Control::NewGame)->trigger();
    settle();
    QVERIFY(shown(h, Window::Setup));
    QVERIFY(h.window(Window::Main) == nullptr);
    QCOMPARE(looks->value(), 50);
    QCOMPARE(h.window(Window::Setup)->focusWidget()->objectName(),
             object_name(Window::Setup, Control::Name));
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::call_and_a_topic() {
    // Calling her costs 5 and lists the topics; a topic she likes, picked from
    // the list and asked with the action button, warms her heart.
    Harness h;
    h.start_game();
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer));
    QCOMPARE(text_of(h, Window::Main, Control::CashCount), QStringLiteral("Cash  $45"));
    QCOMPARE(h.find<TitledFrame>(Window::Main, Control::CategoryFrame)->title(),
             QStringLiteral("Things to Talk about"));
    auto* list = h.find<ui::ListBox>(Window::Main, Control::ActionList);
    QCOMPARE(list->count(), 20);
    auto* go = h.find<QAbstractButton>(Window::Main, Control::ActionButton);
    QVERIFY(go->isHidden());
    QVERIFY(played(h, "phonet.wav"));

    click_row(list, 0); // Horror movies, one she likes
    QVERIFY(!go->isHidden());
    QCOMPARE(go->text(), QStringLiteral("TALK"));
    QCOMPARE(h.find<QPlainTextEdit>(Window::Main, Control::Dialogue)->toPlainText(), QString());

    QTest::keyClick(go, Qt::Key_Space);
    settle();
    QCOMPARE(
        h.find<QPlainTextEdit>(Window::Main, Control::Dialogue)->toPlainText(),
        QStringLiteral(
            "Bob: So are you into Horror movies?\nLisa: Yah!!! what a coincedence ..me too!!"));
    QCOMPARE(text_of(h, Window::Main, Control::HeartValue), QStringLiteral("22"));
    QCOMPARE(h.find<ui::HeartGauge>(Window::Main, Control::Hearts)->shown(), 4);
    QVERIFY(go->isHidden());
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::date_at_the_beach() {
    // A date picked from the list costs its price, passes a day, plays the
    // place's sound and writes her reply.
    Harness h;
    h.start_game();
    set_heart(h, 40);
    auto* out = h.find<QAbstractButton>(Window::Main, Control::TakeHerOut);
    QVERIFY(out->isEnabled());
    h.rng.push({0.5, 0.5}); // no money found, no cat
    click(out);
    QCOMPARE(h.find<TitledFrame>(Window::Main, Control::CategoryFrame)->title(),
             QStringLiteral("Places to Go"));
    QCOMPARE(h.find<QPlainTextEdit>(Window::Main, Control::Dialogue)->toPlainText(),
             QStringLiteral("Lisa: I'm coming..."));

    click_row(h.find<ui::ListBox>(Window::Main, Control::ActionList), 3); // the beach, $10
    h.rng.push({0.5, 0.1}); // no fine; her first reaction
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));
    QCOMPARE(text_of(h, Window::Main, Control::CashCount), QStringLiteral("Cash  $40"));
    QCOMPARE(text_of(h, Window::Main, Control::DayCount), QStringLiteral("Day 2"));
    QCOMPARE(text_of(h, Window::Main, Control::HeartValue), QStringLiteral("43"));
    QCOMPARE(h.find<QPlainTextEdit>(Window::Main, Control::Dialogue)->toPlainText(),
             QStringLiteral("Bob: Did you have fun today?\nLisa: Yah I did...."));
    QCOMPARE(h.find<ui::ListBox>(Window::Main, Control::ActionList)->count(), 0);
    QVERIFY(played(h, "beach.wav"));
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::loss_window_and_its_ok() {
    // A heart value below 1 brings the loss window over the disabled main
    // window; its OK gives the main window back, and the game stays over.
    Harness h;
    h.start_game();
    set_heart(h, 1);
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer));
    click_row(h.find<ui::ListBox>(Window::Main, Control::ActionList), 10); // Art, she does not care
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));

    QVERIFY(shown(h, Window::Lost));
    QCOMPARE(text_of(h, Window::Lost, Control::Message),
             QStringLiteral("Sorry Buddy !!! I guess you aren't much of a ladies man after all."));
    QVERIFY(played(h, "sigh_m.wav"));
    auto* main = qobject_cast<QMainWindow*>(h.window(Window::Main));
    QVERIFY(!main->centralWidget()->isEnabled());
    VERIFY_SCREEN_MATCHES(h);

    click(h.find<QAbstractButton>(Window::Lost, Control::Ok));
    QVERIFY(h.window(Window::Lost) == nullptr);
    QVERIFY(main->centralWidget()->isEnabled());
    click(h.find<QAbstractButton>(Window::Main, Control::BuyGift));
    QVERIFY(shown(h, Window::GameOver)); // every button now leads to the game-over window
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::win_up_to_the_red_row() {
    // A win shows the result window; its OK opens the top-20 table with this
    // game's row in red over the still disabled main window, and the table's
    // OK gives the main window back.
    Harness h;
    h.start_game();
    set_heart(h, 95);
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer));
    click_row(h.find<ui::ListBox>(Window::Main, Control::ActionList), 1); // Poetry, one she likes
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));

    QVERIFY(shown(h, Window::Win));
    QCOMPARE(text_of(h, Window::Win, Control::Declaration),
             QStringLiteral("OHH ... Bob I Love you!!!"));
    QCOMPARE(text_of(h, Window::Win, Control::Score), QStringLiteral("Your Score : 1000000000"));
    QCOMPARE(text_of(h, Window::Win, Control::MoneySpent), QStringLiteral("Total Money Spent $5"));
    QVERIFY(played(h, "kiss.wav"));

    click(h.find<QAbstractButton>(Window::Win, Control::Ok));
    QVERIFY(shown(h, Window::HighScores));
    auto* grid = h.find<QTableWidget>(Window::HighScores, Control::ScoreGrid);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Name"));
    QCOMPARE(grid->item(0, 1)->background().color(), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("1"));
    QCOMPARE(grid->item(1, 1)->text().trimmed(), QStringLiteral("Bob"));
    QCOMPARE(grid->item(1, 4)->foreground().color(), QColor(255, 0, 0));
    auto* main = qobject_cast<QMainWindow*>(h.window(Window::Main));
    QVERIFY(!main->centralWidget()->isEnabled());
    VERIFY_SCREEN_MATCHES(h);

    click(h.find<QAbstractButton>(Window::HighScores, Control::Ok));
    QVERIFY(h.window(Window::HighScores) == nullptr);
    QVERIFY(main->centralWidget()->isEnabled());
    QCOMPARE(QFileInfo(h.folder.filePath(QStringLiteral("Scores"))).size(), 798);
}

void GameFlowTest::disabled_main_window_refuses_clicks() {
    // While a secondary window is open the main window's buttons and menus
    // take no input, yet the secondary window, not being its child, does.
    Harness h;
    h.start_game();
    h.game.state().cash = 3;
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer)); // too poor to call
    QVERIFY(shown(h, Window::Message));
    QCOMPARE(text_of(h, Window::Message, Control::Message),
             QStringLiteral("Were you thinking of calling REVERSE charge!!"));

    auto* main = qobject_cast<QMainWindow*>(h.window(Window::Main));
    QVERIFY(main->isEnabled());
    QVERIFY(!main->menuBar()->isEnabled());
    click(h.find<QAbstractButton>(Window::Main, Control::GoToWork)); // Go to Work
    QCOMPARE(text_of(h, Window::Main, Control::DayCount), QStringLiteral("Day 1"));
    QVERIFY(!played(h, "car.wav"));
    QCOMPARE(h.find<TitledFrame>(Window::Main, Control::CategoryFrame)->title(), QString());

    QWidget* message = h.window(Window::Message);
    QVERIFY(message->parentWidget() == nullptr);
    QVERIFY(message->isEnabled());
    click(h.find<QAbstractButton>(Window::Message, Control::Ok));
    QVERIFY(h.window(Window::Message) == nullptr);
    QVERIFY(main->centralWidget()->isEnabled());
    QVERIFY(main->menuBar()->isEnabled());
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::no_input_while_the_cat_sound_plays() {
    // A click that arrives while the cat's sound is played to its end is
    // refused, and the cat window comes up only after the sound.
    Harness h;
    h.start_game();
    set_heart(h, 40);
    bool cat_window_early = true;
    h.sound.while_waiting = [&h, &cat_window_early] {
        cat_window_early = h.window(Window::Cat) != nullptr;
        QTest::mouseClick(h.find<QAbstractButton>(Window::Main, Control::CallHer), Qt::LeftButton);
    };
    h.rng.push({0.5, 2.5 / 60}); // no money found; the cat
    click(h.find<QAbstractButton>(Window::Main, Control::TakeHerOut));

    QVERIFY(played(h, "wait:cat.wav"));
    QVERIFY(!cat_window_early);
    QVERIFY(!played(h, "phonet.wav"));
    QCOMPARE(h.game.state().cash, int16{50});
    QVERIFY(shown(h, Window::Cat));
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::a_call_by_keyboard_alone() {
    // The main window is played with the keyboard alone: Tab goes down the
    // buttons (past the disabled one) to the list, where the first Home
    // picks the first row, and Space presses the buttons. A secondary window
    // closed by the keyboard gives the focus back to the control that had it.
    Harness h;
    h.start_game();
    QWidget* main = h.window(Window::Main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    auto key = [](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        settle();
    };
    QCOMPARE(QApplication::focusWidget()->objectName(),
             object_name(Window::Main, Control::CallHer));
    key(Qt::Key_Space); // Call Her
    QCOMPARE(h.find<ui::ListBox>(Window::Main, Control::ActionList)->count(), 20);
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(order, QStringList({object_name(Window::Main, Control::BuyGift),
                                 object_name(Window::Main, Control::GoToWork),
                                 object_name(Window::Main, Control::GoShopping),
                                 object_name(Window::Main, Control::ActionList)}));
    key(Qt::Key_Home);
    QCOMPARE(h.game.main_window()->action_list.selected, 0);
    QCOMPARE(h.find<ui::ListBox>(Window::Main, Control::ActionList)->selected_row(), 0);
    QVERIFY(h.game.main_window()->action_button.visible);
    QTest::keyClick(main, Qt::Key_T, Qt::AltModifier); // Top 20 Players
    settle();
    QWidget* table = h.window(Window::HighScores);
    QVERIFY(table != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(table));
    QVERIFY(table->focusWidget() != nullptr); // OK, where the keyboard starts
    QTest::keyClick(table->focusWidget(), Qt::Key_Return);
    settle();
    QVERIFY(h.window(Window::HighScores) == nullptr);
    QVERIFY(QTest::qWaitForWindowActive(main));
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(),
             object_name(Window::Main, Control::ActionList));
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(),
             object_name(Window::Main, Control::ActionButton));
    key(Qt::Key_Space);
    QVERIFY(h.find<QPlainTextEdit>(Window::Main, Control::Dialogue)
                ->toPlainText()
                .startsWith(QStringLiteral("Bob: So are you into")));
    // Space on the row still chosen chooses it again, as a click does, and
    // the action button comes back for the next topic.
    QVERIFY(!h.game.main_window()->action_button.visible);
    h.find<ui::ListBox>(Window::Main, Control::ActionList)->setFocus();
    key(Qt::Key_Space);
    QVERIFY(h.game.main_window()->action_button.visible);
    QCOMPARE(h.game.main_window()->action_list.selected, 0);
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::menus_by_keyboard() {
    // The menus open by the access keys of their captions, so the sound
    // switch can be reached and toggled with the keyboard alone.
    Harness h;
    h.start_game();
    QWidget* main = h.window(Window::Main);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_S, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->objectName(), object_name(Window::Main, Control::SoundsMenu));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    settle();
    QVERIFY(!h.game.state().sound_on);
    QVERIFY(
        !main->findChild<QAction*>(object_name(Window::Main, Control::SoundEnabled))->isChecked());
    VERIFY_SCREEN_MATCHES(h);
}

void GameFlowTest::windows_paint_while_another_game_saves() {
    // While another game holds the table's lock, the windows go on running
    // their events under a busy cursor: the other game's save, finished from
    // a timer in the middle of the wait, lets the table be saved at once.
    QTemporaryDir folder;
    driver::RecordingSound sound;
    driver::ScriptedBrowser browser;
    QtDesktop desktop;
    driver::QueuedRandom rng(1);
    Services services{sound, browser, desktop, rng};
    services.data_dir = folder.path().toStdString();
    Game game(std::move(services), play_rules());
    Pictures pictures(folder.path());
    WindowManager windows(game, pictures);
    windows.start();
    QWidget* setup = windows.window_widget(Window::Setup);
    QTest::keyClicks(setup->findChild<QLineEdit*>(object_name(Window::Setup, Control::Name)),
                     QStringLiteral("Bob"));
    click(setup->findChild<QAbstractButton*>(object_name(Window::Setup, Control::Ok)));

    const std::filesystem::path scores = folder.filePath(QStringLiteral("Scores")).toStdString();
    auto other = std::make_unique<files::FileLock>(scores, std::chrono::milliseconds(0));
    QCOMPARE(other->status(), files::FileLock::Status::Held);
    bool busy_cursor = false;
    QTimer::singleShot(150, [&] {
        busy_cursor = QGuiApplication::overrideCursor() != nullptr &&
                      QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor;
        other.reset();
    });
    QElapsedTimer clock;
    clock.start();
    windows.window_widget(Window::Main)
        ->findChild<QAction*>(object_name(Window::Main, Control::TopPlayers))
        ->trigger();
    settle();
    QVERIFY2(other == nullptr, "the timer never ran during the wait");
    QVERIFY(busy_cursor);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QVERIFY(clock.elapsed() < 2500); // the full wait is 3 s
    QVERIFY(windows.window_widget(Window::HighScores) != nullptr);
    QVERIFY(game.window(Window::MessageBox) == nullptr); // no "kept it busy"
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("Scores"))).size(), 798);
}

void GameFlowTest::resize_runs_the_desktop_check_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("ends");
    QTest::newRow("800x600 is enough") << 800 << 600 << false;
    QTest::newRow("799 wide is too narrow") << 799 << 600 << true;
    QTest::newRow("599 high is too low") << 800 << 599 << true;
}

void GameFlowTest::resize_runs_the_desktop_check() {
    // Every resize of the main window checks the desktop again; one below
    // 800x600 shows the message, and closing it ends the program.
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, ends);
    Harness h;
    h.start_game();
    h.desktop.current = {width, height};
    QWidget* main = h.window(Window::Main);
    QResizeEvent resized(main->size(), main->size());
    QCoreApplication::sendEvent(main, &resized);
    settle();
    auto* box = qobject_cast<QMessageBox*>(h.window(Window::MessageBox));
    QCOMPARE(box != nullptr, ends);
    if (!ends) {
        return;
    }
    QCOMPARE(box->text(),
             QStringLiteral(
                 "The desktop size has to be at least 800x600 for Swoonery to work properly"));
    click(box->findChild<QAbstractButton*>(object_name(Window::MessageBox, Control::Ok)));
    QVERIFY(h.ended);
    QVERIFY(!h.game.running());
    QVERIFY(h.window(Window::Main) == nullptr);
}

QTEST_MAIN(GameFlowTest)
#include "game_flow_test.moc"
