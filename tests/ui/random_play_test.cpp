// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Many random steps through the widgets, with every widget of every open
// window compared with the model after each one.
#include "test_support.h"

#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <functional>
#include <random>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

// What the player can do, grouped so that a list of twenty rows is not
// picked twenty times as often as a button.
enum Group { Buttons, Rows, Sliders, Typing, Menus, CloseBoxes, SettingUp };

struct Step {
    Group group;
    QString what;
    std::function<void()> act;
};

bool usable(const QWidget* w) {
    return w->isVisible() && w->isEnabled();
}

// Changes to the game made directly, as a test sets up a case, so that the
// run also reaches wins, losses and the events.
void add_setting_up(Harness& h, std::vector<Step>& steps) {
    if (h.game.main_window() == nullptr) {
        return;
    }
    auto heart = [&h](int value) {
        h.game.state().heart_value = static_cast<int16>(value);
        h.game.display_heart(static_cast<int16>(value));
        h.windows.refresh();
    };
    steps.push_back({SettingUp, "a warm heart", [heart] { heart(95); }});
    steps.push_back({SettingUp, "a cold heart", [heart] { heart(3); }});
    steps.push_back({SettingUp, "bad luck", [&h] { h.game.state().luck = 0; }});
    steps.push_back({SettingUp, "a windfall", [&h] {
                         h.game.change_cash(500);
                         h.windows.refresh();
                     }});
}

// Everything the player could click, pick, slide or type on screen now,
// except what ends the program.
std::vector<Step> possible_steps(Harness& h, std::mt19937& pick) {
    std::vector<Step> steps;
    for (const Window id : h.game.load_order()) {
        QWidget* root = h.window(id);
        if (root == nullptr || root->isHidden()) {
            continue;
        }
        const QString where = root->objectName() + QLatin1Char('.');
        for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
            if (usable(b) && !b->objectName().isEmpty() &&
                !(id == Window::Setup &&
                  b->objectName() == object_name(Window::Setup, Control::Exit))) {
                steps.push_back({Buttons, where + b->objectName(),
                                 [b] { QTest::mouseClick(b, Qt::LeftButton); }});
            }
        }
        for (ui::ListBox* list : root->findChildren<ui::ListBox*>()) {
            for (int row = 0; usable(list) && row < list->count(); ++row) {
                steps.push_back({Rows, where + list->objectName() + QString::number(row),
                                 [list, row] { click_row(list, row); }});
            }
        }
        for (QSlider* s : root->findChildren<QSlider*>()) {
            if (usable(s)) {
                static constexpr Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp,
                                                   Qt::Key_PageDown};
                const Qt::Key key = keys[pick() % 4];
                steps.push_back(
                    {Sliders, where + s->objectName(), [s, key] { QTest::keyClick(s, key); }});
            }
        }
        for (QLineEdit* e : root->findChildren<QLineEdit*>()) {
            if (usable(e)) {
                steps.push_back({Typing, where + e->objectName() + " typed", [e] {
                                     QTest::keyClick(e, Qt::Key_End);
                                     QTest::keyClicks(e, QStringLiteral("ab"));
                                 }});
                steps.push_back({Typing, where + e->objectName() + " erased",
                                 [e] { QTest::keyClick(e, Qt::Key_Backspace); }});
            }
        }
        if (auto* main = qobject_cast<QMainWindow*>(root);
            main != nullptr && main->menuBar()->isEnabled()) {
            for (QAction* a : main->findChildren<QAction*>()) {
                if (a->isVisible() && a->isEnabled() && !a->objectName().isEmpty() &&
                    a->menu() == nullptr &&
                    a->objectName() != object_name(Window::Main, Control::Exit)) {
                    steps.push_back({Menus, where + a->objectName(), [a] { a->trigger(); }});
                }
            }
        }
        // The close box of every secondary window; the main window's and the
        // set-up form's would end the run.
        if (id != Window::MessageBox && id != Window::Main && id != Window::Setup) {
            steps.push_back({CloseBoxes, where + "close box", [root] { root->close(); }});
        }
    }
    add_setting_up(h, steps);
    return steps;
}

Step& choose(std::vector<Step>& steps, std::mt19937& pick) {
    std::vector<Group> groups;
    for (const Step& s : steps) {
        if (std::find(groups.begin(), groups.end(), s.group) == groups.end()) {
            groups.push_back(s.group);
        }
    }
    const Group g = groups[pick() % groups.size()];
    std::vector<Step*> in_group;
    for (Step& s : steps) {
        if (s.group == g) {
            in_group.push_back(&s);
        }
    }
    return *in_group[pick() % in_group.size()];
}

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void screen_follows_the_model_data();
    void screen_follows_the_model();
};

void RandomPlayTest::screen_follows_the_model_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("seed 1") << 1U;
    QTest::newRow("seed 2") << 2U;
    QTest::newRow("seed 3") << 3U;
    QTest::newRow("seed 4") << 4U;
}

void RandomPlayTest::screen_follows_the_model() {
    // After any input the player can give, every window on screen shows what
    // the model holds: texts, visibility, enabled state, rows and selection,
    // slider values, check marks and grid cells.
    QFETCH(unsigned, seed);
    Harness h(seed);
    h.start_game();
    // Money for every menu, and a heart warm enough for dates, so that wins,
    // losses and events all come up.
    h.game.change_cash(2000);
    h.game.state().heart_value = 60;
    h.game.display_heart(60);
    h.windows.refresh();
    std::mt19937 pick(seed);
    QStringList trail;
    for (int step = 0; step < 1500 && !h.ended; ++step) {
        h.browser.outcome = pick() % 3 == 0 ? BrowserResult::NotFound : BrowserResult::Opened;
        std::vector<Step> steps = possible_steps(h, pick);
        QVERIFY2(!steps.empty(), "the player has nothing left to do");
        Step& s = choose(steps, pick);
        trail.push_back(s.what);
        s.act();
        settle();
        const QStringList diff = h.differences();
        if (!diff.isEmpty()) {
            QFAIL(qPrintable(
                QStringLiteral("after %1:\n%2")
                    .arg(trail.join(QLatin1String(", ")), diff.join(QLatin1Char('\n')))));
        }
    }
}

QTEST_MAIN(RandomPlayTest)
#include "random_play_test.moc"
