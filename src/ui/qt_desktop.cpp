// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_desktop.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace swoonery::ui {

DesktopSize QtDesktop::size() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize s = screen->size();
    return {s.width(), s.height()};
}

void QtDesktop::pause(std::chrono::milliseconds time) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    // The game is in the middle of an input: only painting, timers and the
    // like run now, and the player's clicks and keys are kept for afterwards.
    QEventLoop wait;
    QTimer::singleShot(time, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace swoonery::ui
