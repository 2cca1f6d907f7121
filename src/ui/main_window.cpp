// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: five picture buttons on the left, the day and cash
// panels, her face, the heart gauge, the dialogue box and the action list.
#include "core/names.h"
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"
#include "ui/window_manager.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace swoonery::ui {

namespace {

constexpr int kWidth = 482;
constexpr int kHeight = 397;

// The coloured panels behind the day and the cash.
QFrame* panel(QWidget* parent, Decoration name, const QRect& place, const QColor& fill) {
    auto* f = new QFrame(parent);
    f->setObjectName(qt_text(decoration_name(name)));
    f->setGeometry(place);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, fill);
    pal.setColor(QPalette::WindowText, fill.darker(170));
    f->setPalette(pal);
    f->setAutoFillBackground(true);
    return f;
}

class MainWindowAdapter final : public WindowAdapter {
public:
    explicit MainWindowAdapter(WindowManager& manager) : WindowAdapter(manager, Window::Main) {
        window_ = new GameMainWindow;
        set_root(window_);
        window_->on_close = close_request();
        window_->on_resize = [m = &manager] { m->resize(Window::Main); };

        central_ = new QWidget;
        central_->setObjectName(QStringLiteral("client"));
        central_->setFixedSize(kWidth, kHeight);
        window_->setCentralWidget(central_);

        build_buttons();
        build_status();
        build_actions();
        build_menus();
        // Fixed at the client area plus whatever the menu bar needs.
        window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }

protected:
    void sync_window(const WindowModel& model) override {
        const auto& m = static_cast<const MainWindow&>(model);
        const std::array<std::string, 5> captions = {m.buy_gift.text, m.call_her.text,
                                                     m.take_her_out.text, m.go_to_work.text,
                                                     m.go_shopping.text};
        if (captions != captions_) {
            captions_ = captions;
            fit_captions();
        }
        describe(m);
    }

    void set_enabled(bool enabled) override {
        // Disabling moves the keyboard focus off the controls: the one that
        // had it takes it back when the window takes input again, instead of
        // the first button.
        if (!enabled) {
            QWidget* focus = window_->focusWidget();
            kept_focus_ = focus != nullptr && central_->isAncestorOf(focus) ? focus : nullptr;
        }
        // Only the window's content: a disabled QMainWindow would take every
        // window parented to it down too.
        central_->setEnabled(enabled);
        window_->menuBar()->setEnabled(enabled);
        if (enabled && kept_focus_ != nullptr && kept_focus_->isVisible() &&
            kept_focus_->isEnabled()) {
            kept_focus_->setFocus(Qt::OtherFocusReason);
        }
    }

private:
    // What a screen reader says of the controls that carry no words of their
    // own: each is named after what a sighted player reads beside it.
    void describe(const MainWindow& m) {
        // The list is named after the open category, as its frame is.
        const QString category = qt_text(m.category_frame.text);
        sync::accessible_name(list_, category.isEmpty() ? QStringLiteral("Actions") : category);
        sync::accessible_name(gauge_, qt_text(m.heart_bar.tooltip));
        gauge_->set_level(qt_text(m.heart_value.text).toInt());
        sync::accessible_name(face_, qt_text(state().Gname));
    }

    // The five buttons share one caption size: the largest at which every
    // caption fits its button.
    void fit_captions() {
        QFont f = QApplication::font(buttons_.front());
        const int room = buttons_.front()->width() - 8;
        auto fits = [this, room](const QFont& font) {
            const QFontMetrics fm(font);
            return std::all_of(captions_.begin(), captions_.end(), [&](const std::string& c) {
                return fm.horizontalAdvance(qt_text(c)) <= room;
            });
        };
        while (!fits(f) && f.pointSizeF() > 6.0) {
            f.setPointSizeF(f.pointSizeF() - 0.5);
        }
        for (PictureButton* b : buttons_) {
            b->setFont(f);
        }
    }

    void add_button(Control control, const QRect& place) {
        PictureButton* b = bind_picture_button(control, new PictureButton(central_));
        buttons_.push_back(b);
        b->setGeometry(place);
        b->setAutoRaise(false);
    }

    void build_buttons() {
        bind_frame(Control::ButtonPanel, new TitledFrame(central_))->setGeometry(8, 0, 89, 385);
        // In the order of the keyboard's Tab, top to bottom.
        add_button(Control::CallHer, QRect(16, 16, 73, 57));
        add_button(Control::BuyGift, QRect(16, 80, 73, 57));
        add_button(Control::TakeHerOut, QRect(16, 144, 73, 73));
        add_button(Control::GoToWork, QRect(16, 224, 73, 73));
        add_button(Control::GoShopping, QRect(16, 304, 73, 73));
    }

    void build_status() {
        panel(central_, Decoration::DayPanel, QRect(104, 8, 225, 65), QColor(255, 196, 214));
        panel(central_, Decoration::CashPanel, QRect(104, 72, 225, 49), QColor(255, 244, 184));

        QLabel* days = bind_label(Control::DayCount, new QLabel(central_));
        days->setGeometry(136, 16, 161, 49);
        days->setTextFormat(Qt::PlainText);
        days->setAlignment(Qt::AlignCenter);
        QFont heavy = days->font();
        heavy.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")});
        heavy.setPointSize(24);
        heavy.setWeight(QFont::Black);
        days->setFont(heavy);

        QLabel* money = bind_label(Control::CashCount, new QLabel(central_));
        money->setGeometry(112, 80, 209, 25);
        money->setTextFormat(Qt::PlainText);
        money->setAlignment(Qt::AlignCenter);
        QFont bold = money->font();
        bold.setPointSizeF(13.5);
        bold.setBold(true);
        money->setFont(bold);

        face_ = bind_picture(Control::Face, new PictureBox(central_));
        face_->setGeometry(336, 8, 105, 113);
        face_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

        // The heart bar: its number on top, a line, and the hearts below.
        QFrame* bar = bind_plain(Control::HeartBar, new QFrame(central_));
        bar->setGeometry(452, 8, 23, 377);
        bar->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->setBackgroundRole(QPalette::Base);
        bar->setAutoFillBackground(true);

        QLabel* rate = bind_label(Control::HeartValue, new QLabel(bar));
        rate->setGeometry(1, 2, 21, 13);
        rate->setTextFormat(Qt::PlainText);
        rate->setAlignment(Qt::AlignCenter);
        QFont small = rate->font();
        small.setPointSizeF(6.5);
        small.setBold(true);
        rate->setFont(small);

        auto* line = new QFrame(bar);
        line->setObjectName(qt_text(decoration_name(Decoration::GaugeLine)));
        line->setGeometry(2, 16, 19, 1);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);

        gauge_ = bind_hearts(Control::Hearts, new HeartGauge(bar));
        gauge_->move(3, 377 - 2 - HeartGauge::kSize * HeartGauge::kHearts);
    }

    void build_actions() {
        DialogueBox* talk = bind_text_view(Control::Dialogue, new DialogueBox(central_));
        talk->setGeometry(104, 128, 337, 49);
        QFont bold = talk->font();
        bold.setBold(true);
        talk->setFont(bold);
        // The keyboard reaches the box too, to scroll back through a reply
        // longer than the box; it comes after the list and its button.
        talk->setFocusPolicy(Qt::StrongFocus);
        talk->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        talk->setTabChangesFocus(true);
        talk->setAccessibleName(QStringLiteral("Conversation"));

        TitledFrame* frame1 = bind_frame(Control::CategoryFrame, new TitledFrame(central_));
        frame1->setGeometry(104, 176, 337, 209);

        list_ = bind_list(Control::ActionList, new ListBox(frame1));
        list_->setGeometry(8, 16, 321, 160);

        QPushButton* ok = bind_button(Control::ActionButton, new QPushButton(frame1));
        ok->setGeometry(256, 184, 73, 17);
        ok->setAutoDefault(true);
        QWidget::setTabOrder(list_, ok);
        QWidget::setTabOrder(ok, talk);
    }

    QMenu* add_menu(Control control) {
        return bind_menu(control, window_->menuBar()->addMenu(QString()));
    }

    void build_menus() {
        QMenu* file = add_menu(Control::FileMenu);
        bind_action(Control::NewGame, file->addAction(QString()));
        bind_action(Control::PlayAgain, file->addAction(QString()));
        file->addSeparator();
        bind_action(Control::Exit, file->addAction(QString()));

        bind_action(Control::TopPlayers, window_->menuBar()->addAction(QString()));

        QMenu* sounds = add_menu(Control::SoundsMenu);
        bind_action(Control::SoundEnabled, sounds->addAction(QString()));

        QMenu* help = add_menu(Control::HelpMenu);
        bind_action(Control::OnlineHelp, help->addAction(QString()));
        help->addSeparator();
        bind_action(Control::About, help->addAction(QString()));
    }

    GameMainWindow* window_ = nullptr;
    QWidget* central_ = nullptr;
    // The control that had the keyboard when the window was last disabled.
    QPointer<QWidget> kept_focus_;
    std::vector<PictureButton*> buttons_;
    std::array<std::string, 5> captions_;
    ListBox* list_ = nullptr;
    HeartGauge* gauge_ = nullptr;
    PictureBox* face_ = nullptr;
};

} // namespace

std::unique_ptr<WindowAdapter> make_main_window(WindowManager& manager) {
    return std::make_unique<MainWindowAdapter>(manager);
}

} // namespace swoonery::ui
