// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_adapter.h"

#include "core/names.h"
#include "ui/control_sync.h"
#include "ui/pictures.h"
#include "ui/widgets.h"
#include "ui/window_manager.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSlider>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace swoonery::ui {

namespace {

const char* kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return "button";
    case ControlKind::Label:
        return "label";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::TextBox:
        return "text box";
    case ControlKind::ListBox:
        return "list box";
    case ControlKind::Slider:
        return "slider";
    case ControlKind::Picture:
        return "picture box";
    case ControlKind::Menu:
        return "menu entry";
    case ControlKind::Hearts:
        return "heart gauge";
    case ControlKind::Grid:
        return "grid";
    }
    return "control";
}

// How a widget shows its kind of control: by its sync function, then by the
// widget's own extra step, if any.
template <class Widget, class Model>
std::function<void(const Model&, const Model*)>
shown_by(std::type_identity_t<Widget>* widget, void (*sync_fn)(Widget*, const Model&, const Model*),
         std::type_identity_t<std::function<void(const Model&)>> then = {}) {
    return [widget, sync_fn, then = std::move(then)](const Model& now, const Model* before) {
        sync_fn(widget, now, before);
        if (then) {
            then(now);
        }
    };
}

// The same for a widget that draws the game's pictures.
template <class Widget, class Model>
std::function<void(const Model&, const Model*)>
drawn_by(std::type_identity_t<Widget>* widget,
         void (*sync_fn)(Widget*, Pictures&, const Model&, const Model*), WindowManager& manager) {
    return [widget, sync_fn, m = &manager](const Model& now, const Model* before) {
        sync_fn(widget, m->pictures(), now, before);
    };
}

} // namespace

// A control's widget as the adapter keeps it.
class WindowAdapter::Binding {
public:
    Binding(Control control, QWidget* focus) : control_(control), focus_(focus) {}
    virtual ~Binding() = default;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    Control control() const { return control_; }
    QWidget* focus() const { return focus_; }
    void touch() { touched_ = true; }

    // Brings the widget in line with `entry`, the bound control in the
    // window's model, unless the model is as it was last shown and the
    // player has not changed the widget since.
    void sync(const ControlEntry& entry) {
        show(entry, touched_);
        touched_ = false;
    }

protected:
    virtual void show(const ControlEntry& entry, bool touched) = 0;

private:
    Control control_;
    QWidget* focus_;
    bool touched_ = false;
};

// A binding of one kind of control, which keeps the last copy of the
// control's model that its widget showed.
template <class Model> class WindowAdapter::BindingOf final : public WindowAdapter::Binding {
public:
    BindingOf(Control control, QWidget* focus, Show<Model> apply)
        : Binding(control, focus), apply_(std::move(apply)) {}

protected:
    void show(const ControlEntry& entry, bool touched) override {
        // bind() checked the kind against the window's model.
        Q_ASSERT(entry.kind == Model::kKind);
        const Model& now = entry.as<Model>();
        if (last_ && !touched && *last_ == now) {
            return;
        }
        apply_(now, last_ ? &*last_ : nullptr);
        last_ = now;
    }

private:
    Show<Model> apply_;
    std::optional<Model> last_;
};

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

WindowAdapter::WindowAdapter(WindowManager& manager, Window id) : manager_(manager), id_(id) {
    if (const std::unique_ptr<WindowModel> fresh = manager.game().make_window(id)) {
        for (const ControlEntry& entry : fresh->controls()) {
            kinds_.emplace_back(entry.id, entry.kind);
        }
    }
}

WindowAdapter::~WindowAdapter() {
    delete root_.data();
}

const GameState& WindowAdapter::state() const {
    return std::as_const(manager_.game()).state();
}

void WindowAdapter::set_root(QWidget* root) {
    root_ = root;
    root_->setObjectName(qt_text(window_name(id_)));
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

WindowAdapter::Binding* WindowAdapter::find(Control control) {
    for (const std::unique_ptr<Binding>& b : bindings_) {
        if (b->control() == control) {
            return b.get();
        }
    }
    return nullptr;
}

template <class Model>
void WindowAdapter::bind(Control control, QObject* named, QWidget* focus, Show<Model> show) {
    const auto kind = std::find_if(kinds_.begin(), kinds_.end(),
                                   [control](const auto& k) { return k.first == control; });
    const std::string_view name = control_name(id_, control);
    if (kind == kinds_.end() || name.empty()) {
        throw std::logic_error(std::string(window_name(id_)) + " has no control " +
                               std::to_string(static_cast<int>(control)) + " to show as a " +
                               kind_name(Model::kKind));
    }
    if (kind->second != Model::kKind) {
        throw std::logic_error(control_path(id_, control) + " is a " + kind_name(kind->second) +
                               ", not a " + kind_name(Model::kKind));
    }
    named->setObjectName(qt_text(name));
    bindings_.push_back(std::make_unique<BindingOf<Model>>(control, focus, std::move(show)));
}

void WindowAdapter::touch(Control control) {
    if (Binding* b = find(control)) {
        b->touch();
    }
}

bool WindowAdapter::sync(const WindowModel& model) {
    if (root_ == nullptr) {
        return false;
    }
    bool front = false;
    if (first_sync_ || model.caption != caption_) {
        root_->setWindowTitle(qt_text(model.caption));
        caption_ = model.caption;
    }
    sync_window(model);
    for (const ControlEntry& entry : model.controls()) {
        if (Binding* b = find(entry.id)) {
            b->sync(entry);
        }
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
        if (b != nullptr && b->focus() != nullptr) {
            b->focus()->setFocus(Qt::OtherFocusReason);
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

void WindowAdapter::hide_window() {
    root_->hide();
}

void WindowAdapter::set_enabled(bool enabled) {
    root_->setEnabled(enabled);
}

void WindowAdapter::sync_window(const WindowModel&) {}

// ---- Binding controls to widgets ---------------------------------------------------

std::function<void()> WindowAdapter::click_request(Control control) const {
    return [m = &manager_, id = id_, control] { m->click(id, control); };
}

std::function<void()> WindowAdapter::close_request() const {
    return [m = &manager_, id = id_] { m->close(id); };
}

QLabel* WindowAdapter::bind_label(Control control, QLabel* label) {
    bind(control, label, nullptr, shown_by(label, &sync::label));
    return label;
}

TitledFrame* WindowAdapter::bind_frame(Control control, TitledFrame* frame) {
    bind(control, frame, nullptr, shown_by(frame, &sync::frame));
    return frame;
}

QFrame* WindowAdapter::bind_plain(Control control, QFrame* frame) {
    bind<swoonery::PictureBox>(
        control, frame, nullptr,
        [frame](const swoonery::PictureBox& now, const swoonery::PictureBox* before) {
            sync::common(frame, now, before);
        });
    return frame;
}

PictureBox* WindowAdapter::bind_picture(Control control, PictureBox* picture) {
    bind(control, picture, nullptr, drawn_by(picture, &sync::picture, manager_));
    return picture;
}

HeartGauge* WindowAdapter::bind_hearts(Control control, HeartGauge* hearts) {
    bind(control, hearts, nullptr, drawn_by(hearts, &sync::hearts, manager_));
    return hearts;
}

DialogueBox* WindowAdapter::bind_text_view(Control control, DialogueBox* box) {
    bind(control, box, box, shown_by(box, &sync::text_view));
    return box;
}

FixedRowGrid* WindowAdapter::bind_grid(Control control, FixedRowGrid* grid, Then<Grid> then) {
    bind(control, grid, grid, shown_by(grid, &sync::grid, std::move(then)));
    return grid;
}

QPushButton* WindowAdapter::bind_button(Control control, QPushButton* button) {
    bind(control, button, button, shown_by(button, &sync::button));
    QObject::connect(button, &QAbstractButton::clicked, button, click_request(control));
    return button;
}

PictureButton* WindowAdapter::bind_picture_button(Control control, PictureButton* button) {
    bind(control, button, button, drawn_by(button, &sync::picture_button, manager_));
    QObject::connect(button, &QAbstractButton::clicked, button, click_request(control));
    return button;
}

LinkLabel* WindowAdapter::bind_link(Control control, LinkLabel* label) {
    bind(control, label, label, shown_by(label, &sync::label));
    QObject::connect(label, &LinkLabel::clicked, label, click_request(control));
    return label;
}

ListBox* WindowAdapter::bind_list(Control control, ListBox* list) {
    bind(control, list, list, shown_by(list, &sync::list));
    QObject::connect(list, &ListBox::row_picked, list,
                     [m = &manager_, id = id_, control](int row) { m->select(id, control, row); });
    return list;
}

QLineEdit* WindowAdapter::bind_line_edit(Control control, QLineEdit* edit) {
    bind(control, edit, edit, shown_by(edit, &sync::line_edit));
    QObject::connect(
        edit, &QLineEdit::textEdited, edit,
        [m = &manager_, id = id_, control](const QString& text) { m->type(id, control, text); });
    return edit;
}

QSlider* WindowAdapter::bind_slider(Control control, QSlider* slider, Then<Slider> then) {
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

QAction* WindowAdapter::bind_action(Control control, QAction* action) {
    bind(control, action, nullptr, shown_by(action, &sync::action));
    QObject::connect(action, &QAction::triggered, action, click_request(control));
    return action;
}

QMenu* WindowAdapter::bind_menu(Control control, QMenu* menu) {
    QAction* title = menu->menuAction();
    bind(control, title, nullptr, shown_by(title, &sync::action));
    menu->setObjectName(title->objectName());
    // The game lets it open.
    QObject::connect(menu, &QMenu::aboutToShow, menu, click_request(control));
    return menu;
}

QPushButton* WindowAdapter::bind_closing_button(Control control, QDialog* dialog,
                                                QPushButton* button) {
    bind(control, button, button, shown_by(button, &sync::button));
    QObject::connect(dialog, &QDialog::finished, dialog, click_request(control));
    return button;
}

QPushButton* WindowAdapter::dialog_button(QWidget* parent, Control control, const QRect& place,
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
