// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// For timing the start-up: quits the application right after a window's first
// paint has been handled.
#pragma once

#include <QObject>

class QWidget;

namespace swoonery::ui {

class QuitAfterFirstPaint final : public QObject {
    Q_OBJECT
public:
    explicit QuitAfterFirstPaint(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool seen_ = false;
};

} // namespace swoonery::ui
