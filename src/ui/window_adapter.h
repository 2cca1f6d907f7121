// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;

namespace swoonery {
struct GameState;
}

namespace swoonery::ui {

class DialogueBox;
class FixedRowGrid;
class HeartGauge;
class LinkLabel;
class ListBox;
class PictureBox;
class PictureButton;
class TitledFrame;
class WindowManager;

class WindowAdapter {
public:
    WindowAdapter(WindowManager& manager, Window id);
    virtual ~WindowAdapter();
    WindowAdapter(const WindowAdapter&) = delete;
    WindowAdapter& operator=(const WindowAdapter&) = delete;

    Window id() const { return id_; }
    // The window's top-level widget.
    QWidget* widget() const { return root_; }

    // Brings the window in line with its model. True when the window asks to
    // come to the front: it has just been shown or enabled again, or the game
    // moved the keyboard focus into it.
    bool sync(const WindowModel& model);

    // The player changed the widget of `control` himself: the next sync sets
    // it from the model even when the model did not change, so that input the
    // game refused does not stay on screen.
    void touch(Control control);

    // Whether the player can use the window, as the model last said.
    bool takes_input() const { return visible_ && enabled_; }
    void bring_to_front();

    // Hides the window and lets Qt delete it once the event that led here has
    // been handled (it may be one of the window's own signals).
    void retire();

protected:
    // The adapter owns `root`; it must have no parent.
    void set_root(QWidget* root);

    // Each control is bound once, to its widget: the binder names the widget
    // after the control, shows the control's model on it at every sync and
    // forwards the player's input on it to the game, then returns the widget.
    // Each binder shows one kind of control, and binding a control of this
    // window that is of another kind, or that the window does not have,
    // throws std::logic_error. A widget the keyboard can reach takes the
    // focus when the game asks for its control; one that only shows
    // something never does.

    // A step run after the control is shown, for what goes with its widget.
    template <class Model> using Then = std::function<void(const Model& now)>;

    QLabel* bind_label(Control control, QLabel* label);
    TitledFrame* bind_frame(Control control, TitledFrame* frame);
    // A picture box that holds widgets instead of a picture, such as the
    // column behind the heart gauge: a plain frame.
    QFrame* bind_plain(Control control, QFrame* frame);
    PictureBox* bind_picture(Control control, PictureBox* picture);
    HeartGauge* bind_hearts(Control control, HeartGauge* hearts);
    // The player scrolls these, the game never hears of it.
    DialogueBox* bind_text_view(Control control, DialogueBox* box);
    FixedRowGrid* bind_grid(Control control, FixedRowGrid* grid, Then<Grid> then = {});

    QPushButton* bind_button(Control control, QPushButton* button);
    PictureButton* bind_picture_button(Control control, PictureButton* button);
    // A label the player clicks.
    LinkLabel* bind_link(Control control, LinkLabel* label);
    ListBox* bind_list(Control control, ListBox* list);
    QLineEdit* bind_line_edit(Control control, QLineEdit* edit);
    // A key, a click on the groove, the wheel and a drag of the handle all
    // reach the game as the slider's new position.
    QSlider* bind_slider(Control control, QSlider* slider, Then<Slider> then = {});
    QAction* bind_action(Control control, QAction* action);
    // The menu and its title in the menu bar both carry the control's name;
    // opening the menu is the click on its title.
    QMenu* bind_menu(Control control, QMenu* menu);
    // The one button of `dialog`: closing the dialog in any way, the button
    // included, is its click.
    QPushButton* bind_closing_button(Control control, QDialog* dialog, QPushButton* button);

    std::function<void()> close_request() const;
    // A push button of a dialog, bound to its control and forwarding its
    // clicks; the default button takes the keyboard first.
    QPushButton* dialog_button(QWidget* parent, Control control, const QRect& place,
                               bool is_default);

    // The game's state, for a window that shows more of it than its model
    // holds (her name, read to a screen reader).
    const GameState& state() const;

    // Window-level steps a window may do its own way.
    virtual void show_window();
    virtual void hide_window();
    virtual void set_enabled(bool enabled);
    // Anything of the model beyond caption, state and controls.
    virtual void sync_window(const WindowModel& model);

private:
    // One control's widget and the copy of the control's model it last showed.
    class Binding;
    template <class Model> class BindingOf;
    template <class Model> using Show = std::function<void(const Model& now, const Model* before)>;

    // Names `named` after the control and registers how its model is shown.
    template <class Model>
    void bind(Control control, QObject* named, QWidget* focus, Show<Model> show);
    // The handler of a click on the control: it holds the manager and the
    // window's id, never the adapter, as the click may well end with this
    // window gone.
    std::function<void()> click_request(Control control) const;
    Binding* find(Control control);

    WindowManager& manager_;
    Window id_;
    // What kind each of the window's controls is, as the game makes the window.
    std::vector<std::pair<Control, ControlKind>> kinds_;
    QPointer<QWidget> root_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::string caption_;
    bool first_sync_ = true;
    bool placed_ = false;
    bool visible_ = false;
    bool enabled_ = true;
    int focus_serial_ = 0;
};

// Centres a top-level window on the screen it is on.
void centre_on_screen(QWidget* window);

} // namespace swoonery::ui
