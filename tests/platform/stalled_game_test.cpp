// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windowed game with its real sound on a private PulseAudio that is
// stopped in the middle of play, as a hung audio daemon is.
#include "actions/rules.h"
#include "core/game.h"
#include "core/names.h"
#include "driver/recording_services.h"
#include "platform/qt_sound.h"
#include "ui/pictures.h"
#include "ui/window_manager.h"

#include "pulse_server.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery {
namespace {

using namespace Qt::StringLiterals;

QString server_missing;
test::Server* server = nullptr;

QString latin1(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QWidget* top_level(Window window) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == latin1(window_name(window))) {
            return w;
        }
    }
    return nullptr;
}

template <class T> T* find(Window window, Control control) {
    QWidget* w = top_level(window);
    return w == nullptr ? nullptr : w->findChild<T*>(latin1(control_name(window, control)));
}

void click_row(int row) {
    auto* list = find<QAbstractItemView>(Window::Main, Control::ActionList);
    ASSERT_NE(list, nullptr);
    if (list->model()->rowCount() <= row) {
        return;
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

void click(Window window, Control button) {
    auto* b = find<QAbstractButton>(window, button);
    ASSERT_NE(b, nullptr) << control_path(window, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

// With the server stopped every click of the game, those that ask for a sound
// among them, is handled and painted without waiting on it, and after the
// server goes on again the next sound of the game is heard. A click that
// waited on the stopped server would hang; 500 ms tells that from a busy
// machine, and the time to a frame is the latency benchmark's to measure.
TEST(StoppedServer, GameKeepsAnsweringAndSoundComesBack) {
    if (!server_missing.isEmpty()) {
        GTEST_SKIP() << "PulseAudio cannot run here: " << server_missing.toStdString();
    }
    for (const char* file : {"phonet.wav", "car.wav"}) {
        ASSERT_TRUE(QFile::exists(QtSound::default_sounds_folder() + QLatin1String(file)))
            << "the game's sounds are not built beside the test";
    }
    QTemporaryDir folder;
    QtSound sound;
    driver::ScriptedBrowser browser;
    driver::FixedDesktop desktop;
    driver::QueuedRandom rng(7);
    Services services{sound, browser, desktop, rng};
    services.data_dir = folder.path().toStdString();
    Game game(std::move(services), play_rules());
    ui::Pictures pictures(folder.path());
    ui::WindowManager windows(game, pictures);
    windows.start();
    auto* name = find<QLineEdit>(Window::Setup, Control::Name);
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, u"Bob"_s);
    click(Window::Setup, Control::Ok);
    ASSERT_NE(top_level(Window::Main), nullptr);

    test::Recording recording(folder.filePath(u"game.wav"_s));
    ASSERT_TRUE(recording.running());
    server->stall();
    const std::vector<std::function<void()>> moves = {
        [] { click(Window::Main, Control::CallHer); }, // phonet.wav
        [] { click_row(2); },
        [] { click(Window::Main, Control::BuyGift); },
        [] { click_row(4); },
        [] { click(Window::Main, Control::GoToWork); }, // car.wav
        [] { click_row(1); },
    };
    std::vector<qint64> took;
    for (int round = 0; round < 3; ++round) {
        for (const auto& move : moves) {
            QElapsedTimer clock;
            clock.start();
            move();
            QCoreApplication::processEvents(); // paints what the click changed
            took.push_back(clock.elapsed());
            QTest::qWait(20);
        }
    }
    server->resume();
    QTest::qWait(800);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != top_level(Window::Main)) {
            w->close(); // an event's window
        }
    }
    QTest::qWait(50);
    click(Window::Main, Control::GoToWork);
    QTest::qWait(1500);
    recording.stop();

    EXPECT_LT(*std::max_element(took.begin(), took.end()), 500)
        << "a click waited on the stopped server";
    EXPECT_GT(recording.rms(), 0.005) << "no sound was heard after the server went on";
}

} // namespace
} // namespace swoonery

int main(int argc, char** argv) {
    return swoonery::test::run_tests_with_own_server(argc, argv, swoonery::server,
                                                     swoonery::server_missing);
}
