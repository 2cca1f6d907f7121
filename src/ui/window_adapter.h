// One window of the game on screen. An adapter builds the Qt window of one
// window of the model, forwards the player's input on its widgets to the
// game, and after every input brings its widgets in line with the model,
// touching only what changed since it last looked.
#pragma once

#include "core/window_model.h"

#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QAbstractButton;
class QAction;
class QLineEdit;
class QSlider;

namespace swoonery::ui {

class LinkLabel;
class ListBox;
class Pictures;
class WindowManager;

class WindowAdapter {
public:
    WindowAdapter(WindowManager& manager, WindowId id);
    virtual ~WindowAdapter();
    WindowAdapter(const WindowAdapter&) = delete;
    WindowAdapter& operator=(const WindowAdapter&) = delete;

    WindowId id() const { return id_; }
    // The window's top-level widget.
    QWidget* widget() const { return root_; }

    // Brings the window in line with its model. True when the window asks to
    // come to the front: it has just been shown or enabled again, or the game
    // moved the keyboard focus into it.
    bool sync(const Window& model);

    // The player changed the widget of `control` himself: the next sync sets
    // it from the model even when the model did not change, so that input the
    // game refused does not stay on screen.
    void touch(ControlId control);

    // Whether the player can use the window, as the model last said.
    bool takes_input() const { return visible_ && enabled_; }
    void bring_to_front();

    // Hides the window and lets Qt delete it once the event that led here has
    // been handled (it may be one of the window's own signals).
    void retire();

protected:
    using Apply = std::function<void(const Control& now, const Control* before)>;

    // The adapter owns `root`; it must have no parent.
    void set_root(QWidget* root);
    WindowManager& manager() const { return manager_; }
    Pictures& pictures() const;

    // Registers how one control of the model is shown; `focus` is the widget
    // that takes the keyboard focus when the game asks for that control.
    void bind(ControlId control, QWidget* focus, Apply apply);

    // The player's input on a widget, forwarded to the game.
    void forward_click(QAbstractButton* button, ControlId control);
    void forward_click(QAction* action, ControlId control);
    void forward_click(LinkLabel* label, ControlId control);
    void forward_pick(ListBox* list, ControlId control);
    void forward_edit(QLineEdit* edit, ControlId control);
    void forward_slide(QSlider* slider, ControlId control);
    std::function<void()> close_request() const;
    // A push button of a dialog, bound to its control and forwarding its
    // clicks; the default button takes the keyboard first.
    QPushButton* dialog_button(QWidget* parent, ControlId control, const QRect& place,
                               bool is_default);

    // Window-level steps a window may do its own way.
    virtual void show_window();
    virtual void hide_window();
    virtual void set_enabled(bool enabled);
    // Anything of the model beyond caption, state and controls.
    virtual void sync_window(const Window& model);

private:
    struct Binding {
        ControlId control;
        QWidget* focus = nullptr;
        Apply apply;
        std::optional<Control> last;
        bool touched = false;
    };
    Binding* find(ControlId control);

    WindowManager& manager_;
    WindowId id_;
    QPointer<QWidget> root_;
    std::vector<Binding> bindings_;
    std::string caption_;
    bool first_sync_ = true;
    bool placed_ = false;
    bool visible_ = false;
    bool enabled_ = true;
    int focus_serial_ = 0;
};

// The object name of a control's widget: the control's own name.
QString object_name(ControlId control);

// Names a widget after its control and returns it.
template <class W> W* named(W* widget, ControlId control) {
    widget->setObjectName(object_name(control));
    return widget;
}

// Centres a top-level window on the screen it is on.
void centre_on_screen(QWidget* window);

} // namespace swoonery::ui
