// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Bringing one widget in line with one control of the window model. Each
// function takes the model of its own kind of control, as it is now and as
// it was last shown (null when the widget must be set afresh), and touches
// only what changed. The widget's own signals are blocked meanwhile, so
// nothing set here reaches the game. The game's list box, picture box and
// heart gauge share their names with the widgets that show them: the models
// are written swoonery::ListBox and so on here.
#pragma once

#include "core/window_model.h"

#include <QString>

#include <string>
#include <string_view>

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

QString qt_text(std::string_view text);
// A text box's text as a Qt text box shows it: CR LF line breaks become LF.
QString qt_multiline(const std::string& text);

namespace sync {

// What a screen reader reads of a widget, set only when it changed, so that
// a reader hears of a change only when there is one.
void accessible_name(QWidget* w, const QString& name);
void accessible_description(QWidget* w, const QString& description);

// Visibility, enabled state and tooltip: what every widget control shares.
// Also all there is to show of a picture box that only holds other widgets,
// such as the column behind the heart gauge.
void common(QWidget* w, const ControlBase& now, const ControlBase* before);

void button(QAbstractButton* w, const Button& now, const Button* before);
void picture_button(PictureButton* w, Pictures& pictures, const Button& now, const Button* before);
void label(QLabel* w, const Label& now, const Label* before);
void frame(TitledFrame* w, const Frame& now, const Frame* before);
// The player's own edits are kept where they agree with the model: the text
// is only set when it differs, and the selection only when the game moved it.
void line_edit(QLineEdit* w, const TextBox& now, const TextBox* before);
void text_view(DialogueBox* w, const TextBox& now, const TextBox* before);
void list(ListBox* w, const swoonery::ListBox& now, const swoonery::ListBox* before);
void slider(QSlider* w, const Slider& now, const Slider* before);
void picture(PictureBox* w, Pictures& pictures, const swoonery::PictureBox& now,
             const swoonery::PictureBox* before);
void hearts(HeartGauge* w, Pictures& pictures, const swoonery::HeartGauge& now,
            const swoonery::HeartGauge* before);
void grid(QTableWidget* w, const Grid& now, const Grid* before);
void action(QAction* a, const MenuEntry& now, const MenuEntry* before);

} // namespace sync

} // namespace swoonery::ui
