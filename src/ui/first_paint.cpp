// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace swoonery::ui {

QuitAfterFirstPaint::QuitAfterFirstPaint(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
}

bool QuitAfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !seen_) {
        seen_ = true;
        // Queued, so the paint and the flush to the screen finish first.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace swoonery::ui
