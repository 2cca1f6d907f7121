// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Bringing one widget in line with one control of the window model. Each
// function gets the control as it is now and as it was last shown (null when
// the widget must be set afresh) and touches only what changed. The widget's
// own signals are blocked meanwhile, so nothing set here reaches the game.
#pragma once

#include "core/window_model.h"

#include <QString>

#include <string>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QSlider;
class QTableWidget;
class QWidget;

namespace swoonery::ui {

class DialogueBox;
class HeartGauge;
class ListBox;
class PictureBox;
class PictureButton;
class Pictures;
class TitledFrame;

QString qt_text(const std::string& text);
// A text box's text as a Qt text box shows it: CR LF line breaks become LF.
QString qt_multiline(const std::string& text);

namespace sync {

// What a screen reader reads of a widget, set only when it changed, so that
// a reader hears of a change only when there is one.
void accessible_name(QWidget* w, const QString& name);
void accessible_description(QWidget* w, const QString& description);

// Visibility, enabled state and tooltip: what every widget control shares.
void common(QWidget* w, const Control& now, const Control* before);

void button(QAbstractButton* w, const Control& now, const Control* before);
void picture_button(PictureButton* w, Pictures& pictures, const Control& now,
                    const Control* before);
void label(QLabel* w, const Control& now, const Control* before);
void frame(TitledFrame* w, const Control& now, const Control* before);
// A frame without a caption, such as the column behind the main buttons.
void plain(QWidget* w, const Control& now, const Control* before);
// The player's own edits are kept where they agree with the model: the text
// is only set when it differs, and the selection only when the game moved it.
void line_edit(QLineEdit* w, const Control& now, const Control* before);
void text_view(DialogueBox* w, const Control& now, const Control* before);
void list(ListBox* w, const Control& now, const Control* before);
void slider(QSlider* w, const Control& now, const Control* before);
void picture(PictureBox* w, Pictures& pictures, const Control& now, const Control* before);
void hearts(HeartGauge* w, Pictures& pictures, const Control& now, const Control* before);
void grid(QTableWidget* w, const Control& now, const Control* before);
void action(QAction* a, const Control& now, const Control* before);

} // namespace sync

} // namespace swoonery::ui
