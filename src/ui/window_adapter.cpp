#include "ui/window_adapter.h"

#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>

#include <utility>

namespace swoonery::ui {

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

void WindowAdapter::set_root(QWidget* root) {
    root_ = root;
    root_->setObjectName(QString::fromLatin1(window_name(id_).data(),
                                             static_cast<qsizetype>(window_name(id_).size())));
}

Pictures& WindowAdapter::pictures() const { return manager_.pictures(); }

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

QString object_name(ControlId control) {
    const std::string_view name = control_name(control);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

WindowAdapter::Binding* WindowAdapter::find(ControlId control) {
    for (Binding& b : bindings_) {
        if (b.control == control) {
            return &b;
        }
    }
    return nullptr;
}

void WindowAdapter::bind(ControlId control, QWidget* focus, Apply apply) {
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

// ---- Forwarding the player's input ------------------------------------------------
// The handlers hold the manager and the window's id, never the adapter: the
// input may well end with this window gone.

void WindowAdapter::forward_click(QAbstractButton* button, ControlId control) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [m = &manager_, id = id_, control] { m->click(id, control); });
}

void WindowAdapter::forward_click(QAction* action, ControlId control) {
    QObject::connect(action, &QAction::triggered, action,
                     [m = &manager_, id = id_, control] { m->click(id, control); });
}

void WindowAdapter::forward_click(LinkLabel* label, ControlId control) {
    QObject::connect(label, &LinkLabel::clicked, label,
                     [m = &manager_, id = id_, control] { m->click(id, control); });
}

void WindowAdapter::forward_pick(ListBox* list, ControlId control) {
    QObject::connect(
        list, &ListBox::row_picked, list,
        [m = &manager_, id = id_, control](int row) { m->select(id, control, row); });
}

void WindowAdapter::forward_edit(QLineEdit* edit, ControlId control) {
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [m = &manager_, id = id_, control](const QString& text) {
                         m->type(id, control, text);
                     });
}

void WindowAdapter::forward_slide(QSlider* slider, ControlId control) {
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
}

std::function<void()> WindowAdapter::close_request() const {
    return [m = &manager_, id = id_] { m->close(id); };
}

QPushButton* WindowAdapter::dialog_button(QWidget* parent, ControlId control, const QRect& place,
                                          bool is_default) {
    auto* b = named(new QPushButton(parent), control);
    b->setGeometry(place);
    b->setAutoDefault(true);
    b->setDefault(is_default);
    if (is_default) {
        b->setFocus(); // the keyboard starts on OK
    }
    bind(control, b, [b](const Control& now, const Control* before) { sync::button(b, now, before); });
    forward_click(b, control);
    return b;
}

} // namespace swoonery::ui
