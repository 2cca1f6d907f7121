// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The set-up form's three sliders share 150 points: the player's movements
// reach the game's rule, the game's own changes to the others do not.
#include "test_support.h"

#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

struct Setup {
    Harness h;
    QSlider* looks = nullptr;
    QSlider* smart = nullptr;
    QSlider* luck = nullptr;
    QLabel* points = nullptr;

    Setup() {
        h.windows.start();
        looks = h.find<QSlider>(Window::Setup, Control::Looks);
        smart = h.find<QSlider>(Window::Setup, Control::Smart);
        luck = h.find<QSlider>(Window::Setup, Control::Luck);
        points = h.find<QLabel>(Window::Setup, Control::PointsLeft);
    }

    QSlider* slider(Control control) const { return h.find<QSlider>(Window::Setup, control); }
};

// The centre of the handle of `s` as it would stand at `value`.
QPoint handle_at(QSlider* s, int value) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = value;
    opt.sliderValue = value;
    opt.tickPosition = s->tickPosition();
    opt.tickInterval = s->tickInterval();
    opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s).center();
}

void drag(QSlider* s, int to) {
    const QPoint from = handle_at(s, s->value());
    QTest::mousePress(s, Qt::LeftButton, {}, from);
    QTest::mouseMove(s, handle_at(s, to));
    QTest::mouseRelease(s, Qt::LeftButton, {}, handle_at(s, to));
    settle();
}

} // namespace

class SlidersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cut_rule_by_keyboard_data();
    void cut_rule_by_keyboard();
    void cut_rule_by_drag();
};

void SlidersTest::cut_rule_by_keyboard_data() {
    QTest::addColumn<Control>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("looks");
    QTest::addColumn<int>("smart");
    QTest::addColumn<int>("luck");
    QTest::addColumn<QString>("points");
    // An overdrawn pool takes half the excess, rounded half to even, from each
    // of the other two, and the caption tells what the sliders leave (the
    // rounding's one point over shows as -1).
    QTest::newRow("looks up two pages")
        << Control::Looks << int(Qt::Key_PageUp) << 2 << 60 << 45 << 45 << "Points Left:0";
    QTest::newRow("smart up one step: a cut of 0")
        << Control::Smart << int(Qt::Key_Right) << 1 << 50 << 51 << 50 << "Points Left:-1";
    QTest::newRow("luck up three steps: cuts of 0, 1, 0")
        << Control::Luck << int(Qt::Key_Right) << 3 << 49 << 49 << 53 << "Points Left:-1";
    QTest::newRow("looks to the end")
        << Control::Looks << int(Qt::Key_End) << 1 << 100 << 25 << 25 << "Points Left:0";
    // Points freed only change the caption.
    QTest::newRow("luck down ten steps")
        << Control::Luck << int(Qt::Key_Left) << 10 << 50 << 50 << 40 << "Points Left:10";
    QTest::newRow("smart to the start")
        << Control::Smart << int(Qt::Key_Home) << 1 << 50 << 0 << 50 << "Points Left:50";
}

void SlidersTest::cut_rule_by_keyboard() {
    // Keys on a slider move it by 1, by 5 a page, or to an end, and each
    // movement runs the pool rule once.
    QFETCH(Control, slider);
    QFETCH(int, key);
    QFETCH(int, presses);
    Setup f;
    QSlider* s = f.slider(slider);
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(s, static_cast<Qt::Key>(key));
    }
    settle();
    QTEST(f.looks->value(), "looks");
    QTEST(f.smart->value(), "smart");
    QTEST(f.luck->value(), "luck");
    QTEST(f.points->text(), "points");
    VERIFY_SCREEN_MATCHES(f.h);
}

void SlidersTest::cut_rule_by_drag() {
    // Dragging looks from 50 to 60 cuts the other two to 45, with no point
    // left; dragging it back to 50 frees ten points.
    Setup f;
    drag(f.looks, 60);
    QCOMPARE(f.looks->value(), 60);
    QCOMPARE(f.smart->value(), 45);
    QCOMPARE(f.luck->value(), 45);
    QCOMPARE(f.points->text(), QStringLiteral("Points Left:0"));
    VERIFY_SCREEN_MATCHES(f.h);

    drag(f.looks, 50);
    QCOMPARE(f.looks->value(), 50);
    QCOMPARE(f.smart->value(), 45);
    QCOMPARE(f.points->text(), QStringLiteral("Points Left:10"));
    VERIFY_SCREEN_MATCHES(f.h);
}

QTEST_MAIN(SlidersTest)
#include "sliders_test.moc"
