// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the widget tests share: chance from a queue, sound and browser that
// only record, a fixed desktop, one game on screen in a temporary working
// folder, and a check that every widget on screen says what the model says.
#pragma once

#include "base/random.h"
#include "core/game.h"
#include "core/names.h"
#include "core/services.h"
#include "driver/recording_services.h"
#include "driver/script.h"
#include "ui/pictures.h"
#include "ui/window_manager.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAbstractButton;

namespace swoonery::ui::testing {

// The driver's stand-ins: chance from a queue, then a seeded generator;
// sound and browser that only record; a fixed desktop.
using QueueRandom = driver::QueuedRandom;
using FixedDesktop = driver::FixedDesktop;
using RecordingSound = driver::RecordingSound;
using RecordingBrowser = driver::ScriptedBrowser;

// The object name of the widget of `control` in `window`: its name in the
// table of names.
QString object_name(Window window, Control control);

// One run of the program, with the windows on screen.
class Harness {
public:
    // Pictures are read from `pictures_folder`, by default the empty working
    // folder, so that none are found.
    explicit Harness(std::uint64_t seed = 1, const QString& pictures_folder = QString());
    ~Harness();

    QTemporaryDir folder;
    // The game with the driver's stand-ins, as the engine tests have it.
    driver::ScriptRunner runner;
    QueueRandom& rng;
    RecordingSound& sound;
    RecordingBrowser& browser;
    FixedDesktop& desktop;
    Game& game;
    Pictures pictures;
    WindowManager windows;
    bool ended = false;

    // The window's widget on screen, found by its object name.
    QWidget* window(Window id) const;
    // The widget (or menu entry) of `control` in the window on screen.
    template <class T> T* find(Window id, Control control) const {
        QWidget* w = window(id);
        return w == nullptr ? nullptr : w->findChild<T*>(object_name(id, control));
    }
    // A widget named after the control's, such as the number beside a slider
    // ("_value") or one of the gauge's hearts ("_0").
    template <class T> T* find(Window id, Control control, const QString& suffix) const {
        QWidget* w = window(id);
        return w == nullptr ? nullptr : w->findChild<T*>(object_name(id, control) + suffix);
    }

    // Starts the program and plays the set-up form through the widgets: the
    // name typed, OK clicked. Queues the draws of a new game: face 1, the
    // girl Lisa, and the liked topics 1 to 5.
    void start_game(const QString& name = QStringLiteral("Bob"));

    // Every difference between the widgets on screen and the model, one line
    // each; empty when they agree.
    QStringList differences() const;
};

// Deletes the windows Qt was asked to delete later.
void settle();
void click(QAbstractButton* button);
// A click on row `row` of a list or table view's viewport.
void click_row(QWidget* view, int row);

} // namespace swoonery::ui::testing

// Fails the test with every difference listed when the screen and the model
// disagree.
#define VERIFY_SCREEN_MATCHES(harness)                                                             \
    do {                                                                                           \
        const QStringList differences_ = (harness).differences();                                  \
        QVERIFY2(differences_.isEmpty(), qPrintable(differences_.join(QLatin1Char('\n'))));        \
    } while (false)
