// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_adapter.h"

#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSlider>

#include <utility>

namespace swoonery::ui {

namespace {

// The object name of a control's widget: the control's own name, by which
// the widget tests find it.
QString object_name(ControlId control) {
    const std::string_view name = control_name(control);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// How a widget shows its control: by its sync function, then by the widget's
// own extra step, if any.
template <class W, class Sync>
std::function<void(const Control&, const Control*)>
shown_by(W* widget, Sync* sync_fn, std::function<void(const Control&)> then = {}) {
    return [widget, sync_fn, then = std::move(then)](const Control& now, const Control* before) {
        sync_fn(widget, now, before);
        if (then) {
            then(now);
        }
    };
}

// The same for a widget that draws the game's pictures.
template <class W, class Sync>
std::function<void(const Control&, const Control*)> drawn_by(W* widget, Sync* sync_fn,
                                                             WindowManager& manager) {
    return [widget, sync_fn, m = &manager](const Control& now, const Control* before) {
        sync_fn(widget, m->pictures(), now, before);
    };
}

} // namespace

void centre_on_screen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

WindowAdapter::WindowAdapter(WindowManager& manager, WindowId id) : manager_(manager), id_(id) {}

WindowAdapter::~WindowAdapter() { delete root_.data(); }

const GameState& WindowAdapter::state() const { return std::as_const(manager_.game()).state(); }

void WindowAdapter::set_root(QWidget* root) {
    root_ = root;
    root_->setObjectName(QString::fromLatin1(window_name(id_).data(),
                                             static_cast<qsizetype>(window_name(id_).size())));
}

void WindowAdapter::retire() {
    if (root_ == nullptr) {
        return;
    }
    QWidget* root = root_.data();
    root_ = nullptr;
    root->hide();
    root->setObjectName(QString());
    root->deleteLater();
}

WindowAdapter::Binding* WindowAdapter::find(ControlId control) {
    for (Binding& b : bindings_) {
        if (b.control == control) {
            return &b;
        }
    }
    return nullptr;
}

void WindowAdapter::bind(ControlId control, QObject* named, QWidget* focus, Apply apply) {
    named->setObjectName(object_name(control));
    bindings_.push_back(Binding{control, focus, std::move(apply), std::nullopt, false});
}

void WindowAdapter::touch(ControlId control) {
    if (Binding* b = find(control)) {
        b->touched = true;
    }
}

bool WindowAdapter::sync(const Window& model) {
    if (root_ == nullptr) {
        return false;
    }
    bool front = false;
    if (first_sync_ || model.caption != caption_) {
        root_->setWindowTitle(qt_text(model.caption));
        caption_ = model.caption;
    }
    sync_window(model);
    for (const NamedControl& nc : model.controls()) {
        Binding* b = find(nc.id);
        if (b == nullptr || (b->last && !b->touched && *b->last == *nc.control)) {
            continue;
        }
        b->apply(*nc.control, b->last ? &*b->last : nullptr);
        b->last = *nc.control;
        b->touched = false;
    }
    if (first_sync_ || model.enabled != enabled_) {
        set_enabled(model.enabled);
        front = front || (!first_sync_ && model.enabled);
        enabled_ = model.enabled;
    }
    const bool showing = model.visible && root_->isHidden();
    if (showing) {
        show_window();
        front = true;
    } else if (!model.visible && !root_->isHidden()) {
        hide_window();
    }
    visible_ = model.visible;
    // A window loaded afresh counts its focus requests from 0 again, so a
    // window coming up also takes the focus where the game last asked for it.
    if (model.focus_serial != focus_serial_ || (showing && model.focus_control)) {
        focus_serial_ = model.focus_serial;
        Binding* b = model.focus_control ? find(*model.focus_control) : nullptr;
        if (b != nullptr && b->focus != nullptr) {
            b->focus->setFocus(Qt::OtherFocusReason);
            front = true;
        }
    }
    first_sync_ = false;
    return front && model.visible;
}

void WindowAdapter::bring_to_front() {
    if (root_ == nullptr || root_->isHidden()) {
        return;
    }
    root_->raise();
    root_->activateWindow();
}

void WindowAdapter::show_window() {
    if (!placed_) {
        // A window sized by its layout has its size only once that has run.
        if (QLayout* layout = root_->layout()) {
            layout->activate();
        }
        centre_on_screen(root_);
        placed_ = true;
    }
    root_->show();
}

void WindowAdapter::hide_window() { root_->hide(); }

void WindowAdapter::set_enabled(bool enabled) { root_->setEnabled(enabled); }

void WindowAdapter::sync_window(const Window&) {}

// ---- Binding controls to widgets ---------------------------------------------------

std::function<void()> WindowAdapter::click_request(ControlId control) const {
    return [m = &manager_, id = id_, control] { m->click(id, control); };
}

std::function<void()> WindowAdapter::close_request() const {
    return [m = &manager_, id = id_] { m->close(id); };
}

QLabel* WindowAdapter::bind_label(ControlId control, QLabel* label) {
    bind(control, label, nullptr, shown_by(label, &sync::label));
    return label;
}

TitledFrame* WindowAdapter::bind_frame(ControlId control, TitledFrame* frame) {
    bind(control, frame, nullptr, shown_by(frame, &sync::frame));
    return frame;
}

QFrame* WindowAdapter::bind_plain(ControlId control, QFrame* frame) {
    bind(control, frame, nullptr, shown_by(frame, &sync::plain));
    return frame;
}

PictureBox* WindowAdapter::bind_picture(ControlId control, PictureBox* picture) {
    bind(control, picture, nullptr, drawn_by(picture, &sync::picture, manager_));
    return picture;
}

HeartGauge* WindowAdapter::bind_hearts(ControlId control, HeartGauge* hearts) {
    bind(control, hearts, nullptr, drawn_by(hearts, &sync::hearts, manager_));
    return hearts;
}

DialogueBox* WindowAdapter::bind_text_view(ControlId control, DialogueBox* box) {
    bind(control, box, box, shown_by(box, &sync::text_view));
    return box;
}

FixedRowGrid* WindowAdapter::bind_grid(ControlId control, FixedRowGrid* grid, Then then) {
    bind(control, grid, grid, shown_by(grid, &sync::grid, std::move(then)));
    return grid;
}

QPushButton* WindowAdapter::bind_button(ControlId control, QPushButton* button) {
    bind(control, button, button, shown_by(button, &sync::button));
    QObject::connect(button, &QAbstractButton::clicked, button, click_request(control));
    return button;
}

PictureButton* WindowAdapter::bind_picture_button(ControlId control, PictureButton* button) {
    bind(control, button, button, drawn_by(button, &sync::picture_button, manager_));
    QObject::connect(button, &QAbstractButton::clicked, button, click_request(control));
    return button;
}

LinkLabel* WindowAdapter::bind_link(ControlId control, LinkLabel* label) {
    bind(control, label, label, shown_by(label, &sync::label));
    QObject::connect(label, &LinkLabel::clicked, label, click_request(control));
    return label;
}

ListBox* WindowAdapter::bind_list(ControlId control, ListBox* list) {
    bind(control, list, list, shown_by(list, &sync::list));
    QObject::connect(
        list, &ListBox::row_picked, list,
        [m = &manager_, id = id_, control](int row) { m->select(id, control, row); });
    return list;
}

QLineEdit* WindowAdapter::bind_line_edit(ControlId control, QLineEdit* edit) {
    bind(control, edit, edit, shown_by(edit, &sync::line_edit));
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [m = &manager_, id = id_, control](const QString& text) {
                         m->type(id, control, text);
                     });
    return edit;
}

QSlider* WindowAdapter::bind_slider(ControlId control, QSlider* slider, Then then) {
    bind(control, slider, slider, shown_by(slider, &sync::slider, std::move(then)));
    // A key, a click on the groove or the wheel: the new position is already
    // in sliderPosition() while the action is reported.
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider,
                     [m = &manager_, id = id_, control, slider](int action) {
                         if (action != QAbstractSlider::SliderNoAction) {
                             m->slide(id, control, slider->sliderPosition());
                         }
                     });
    // A drag of the handle.
    QObject::connect(
        slider, &QAbstractSlider::sliderMoved, slider,
        [m = &manager_, id = id_, control](int value) { m->slide(id, control, value); });
    return slider;
}

QAction* WindowAdapter::bind_action(ControlId control, QAction* action) {
    bind(control, action, nullptr, shown_by(action, &sync::action));
    QObject::connect(action, &QAction::triggered, action, click_request(control));
    return action;
}

QMenu* WindowAdapter::bind_menu(ControlId control, QMenu* menu) {
    QAction* title = menu->menuAction();
    bind(control, title, nullptr, shown_by(title, &sync::action));
    menu->setObjectName(title->objectName());
    // The game lets it open.
    QObject::connect(menu, &QMenu::aboutToShow, menu, click_request(control));
    return menu;
}

QPushButton* WindowAdapter::bind_closing_button(ControlId control, QDialog* dialog,
                                                QPushButton* button) {
    bind(control, button, button, shown_by(button, &sync::button));
    QObject::connect(dialog, &QDialog::finished, dialog, click_request(control));
    return button;
}

QPushButton* WindowAdapter::dialog_button(QWidget* parent, ControlId control, const QRect& place,
                                          bool is_default) {
    auto* b = bind_button(control, new QPushButton(parent));
    b->setGeometry(place);
    b->setAutoDefault(true);
    b->setDefault(is_default);
    if (is_default) {
        b->setFocus(); // the keyboard starts on OK
    }
    return b;
}

} // namespace swoonery::ui
