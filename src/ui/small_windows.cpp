// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The small windows: the win, the three events with their pictures (the cat,
// the found money, the speeding fine), the loss, the two complaints and the
// messages, the game-over window and the about window.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace swoonery::ui {

namespace {

QSize client_size(Window id) {
    switch (id) {
    case Window::Win:
        return {348, 333};
    case Window::Cat:
        return {189, 173};
    case Window::FoundMoney:
        return {304, 183};
    case Window::Speeding:
        return {265, 213};
    case Window::Lost:
        return {337, 128};
    case Window::Ignored:
        return {312, 136};
    case Window::Bored:
        return {312, 153};
    case Window::Message:
        return {312, 121};
    case Window::GameOver:
        return {312, 87};
    case Window::About:
        return {286, 366};
    default:
        return {312, 121};
    }
}

class SmallWindowAdapter final : public WindowAdapter {
public:
    SmallWindowAdapter(WindowManager& manager, Window id) : WindowAdapter(manager, id) {
        const QSize size = client_size(id);
        dialog_ = new GameDialog(size.width(), size.height());
        set_root(dialog_);
        dialog_->on_close = close_request();
        switch (id) {
        case Window::Win:
            build_win();
            break;
        case Window::Cat:
            build_event(QRect(46, 8, 96, 75), QRect(8, 88, 173, 42), QRect(57, 138, 75, 25));
            break;
        case Window::FoundMoney:
            build_event(QRect(26, 8, 252, 106), QRect(8, 120, 288, 24), QRect(114, 150, 75, 25));
            break;
        case Window::Speeding:
            build_event(QRect(7, 8, 250, 126), QRect(8, 138, 249, 36), QRect(95, 180, 75, 25));
            break;
        case Window::Lost:
            build_message(QRect(16, 14, 305, 64), QRect(131, 90, 75, 25), false);
            break;
        case Window::Ignored:
            build_message(QRect(16, 14, 280, 72), QRect(118, 98, 75, 25), false);
            break;
        case Window::Bored:
            build_message(QRect(16, 14, 280, 88), QRect(118, 114, 75, 25), false);
            break;
        case Window::Message:
            build_message(QRect(16, 12, 280, 64), QRect(118, 84, 75, 25), true);
            break;
        case Window::GameOver:
            build_game_over();
            break;
        case Window::About:
            build_about();
            break;
        default:
            break;
        }
    }

protected:
    // The window's message, read when it opens: its labels' texts in order.
    void sync_window(const WindowModel& model) override {
        QStringList texts;
        for (const ControlEntry& entry : model.controls()) {
            if (entry.kind == ControlKind::Label && entry.model->visible &&
                !entry.model->text.empty()) {
                texts.push_back(qt_text(entry.model->text).simplified());
            }
        }
        sync::accessible_description(dialog_, texts.join(QLatin1Char(' ')));
    }

private:
    QLabel* label(QWidget* parent, Control control, const QRect& place,
                  Qt::Alignment align = Qt::AlignCenter) {
        QLabel* l = bind_label(control, new QLabel(parent));
        l->setGeometry(place);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(align);
        l->setWordWrap(true);
        return l;
    }

    QPushButton* button(Control control, const QRect& place, bool is_default) {
        return dialog_button(dialog_, control, place, is_default);
    }

    PictureBox* picture(QWidget* parent, Control control, const QRect& place, bool framed) {
        PictureBox* p = bind_picture(control, new PictureBox(parent));
        p->setGeometry(place);
        if (framed) {
            p->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        }
        return p;
    }

    static void emphasise(QLabel* l, qreal points, const QColor& colour = QColor()) {
        QFont f = l->font();
        f.setPointSizeF(points);
        f.setBold(true);
        l->setFont(f);
        if (colour.isValid()) {
            paint_text(l, colour);
        }
    }

    // On a white picture a label draws in the text colour, elsewhere in the
    // window text colour: both are set.
    static void paint_text(QWidget* w, const QColor& colour) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, colour);
        pal.setColor(QPalette::Text, colour);
        w->setPalette(pal);
    }

    void build_win() {
        emphasise(label(dialog_, Control::Declaration, QRect(16, 12, 316, 44)), 13,
                  QColor(192, 0, 64));
        emphasise(label(dialog_, Control::Praise, QRect(16, 60, 316, 48)), 9.5);
        const Control results[] = {Control::Score, Control::TotalDays, Control::MoneySpent};
        int top = 120;
        for (const Control result : results) {
            auto* box = new QFrame(dialog_);
            box->setGeometry(44, top, 260, 40);
            box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            emphasise(label(box, result, QRect(8, 6, 244, 28)), 11);
            top += 48;
        }
        button(Control::Ok, QRect(136, 288, 75, 25), true);
    }

    void build_event(const QRect& picture_place, const QRect& text_place, const QRect& ok_place) {
        picture(dialog_, Control::Picture, picture_place, true);
        label(dialog_, Control::Message, text_place);
        button(Control::Ok, ok_place, true);
    }

    void build_message(const QRect& text_place, const QRect& ok_place, bool bold) {
        QLabel* text = label(dialog_, Control::Message, text_place);
        if (bold) {
            emphasise(text, 12);
        }
        button(Control::Ok, ok_place, true);
    }

    void build_game_over() {
        auto* box = new QFrame(dialog_);
        box->setGeometry(8, 4, 206, 79);
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        picture(box, Control::Banner, QRect(2, 2, 202, 75), false);
        button(Control::PlayAgain, QRect(224, 14, 80, 25), false);
        button(Control::Ok, QRect(224, 48, 80, 25), true);
    }

    void build_about() {
        picture(dialog_, Control::Banner, QRect(5, 4, 275, 80), false);
        // The logo on white, with the notices and the address below it.
        PictureBox* logo = picture(dialog_, Control::Logo, QRect(0, 88, 286, 244), false);
        logo->setBackgroundRole(QPalette::Base);
        logo->setAutoFillBackground(true);
        logo->setContentsMargins(8, 6, 8, 86);
        const QColor blue(0, 0, 192);
        for (QLabel* notice : {label(logo, Control::Credits, QRect(6, 160, 274, 32)),
                               label(logo, Control::Rights, QRect(6, 192, 274, 18))}) {
            QFont f = notice->font();
            f.setPointSizeF(8);
            notice->setFont(f);
            paint_text(notice, blue);
        }

        LinkLabel* address = bind_link(Control::HomeLink, new LinkLabel(logo));
        address->setGeometry(6, 214, 274, 20);
        address->setTextFormat(Qt::PlainText);
        address->setAlignment(Qt::AlignCenter);
        paint_text(address, blue);

        button(Control::Ok, QRect(112, 336, 49, 17), true);
    }

    GameDialog* dialog_ = nullptr;
};

} // namespace

std::unique_ptr<WindowAdapter> make_small_window(WindowManager& manager, Window id) {
    return std::make_unique<SmallWindowAdapter>(manager, id);
}

} // namespace swoonery::ui
