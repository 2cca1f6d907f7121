// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The small windows: the win (Form3), the three events with their pictures
// (Form4, Form6, Form7), the loss, complaints and messages (Form8 to Form11),
// the game-over window (Form12) and the about window (Form13).
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace swoonery::ui {

namespace {

QSize client_size(WindowId id) {
    switch (id) {
    case WindowId::Form3:
        return {348, 333};
    case WindowId::Form4:
        return {189, 173};
    case WindowId::Form6:
        return {304, 183};
    case WindowId::Form7:
        return {265, 213};
    case WindowId::Form8:
        return {337, 128};
    case WindowId::Form9:
        return {312, 136};
    case WindowId::Form10:
        return {312, 153};
    case WindowId::Form11:
        return {312, 121};
    case WindowId::Form12:
        return {312, 87};
    case WindowId::Form13:
        return {286, 366};
    default:
        return {312, 121};
    }
}

class SmallWindowAdapter final : public WindowAdapter {
public:
    SmallWindowAdapter(WindowManager& manager, WindowId id) : WindowAdapter(manager, id) {
        const QSize size = client_size(id);
        dialog_ = new GameDialog(size.width(), size.height());
        set_root(dialog_);
        dialog_->on_close = close_request();
        switch (id) {
        case WindowId::Form3:
            build_win();
            break;
        case WindowId::Form4:
            build_event(QRect(46, 8, 96, 75), QRect(8, 88, 173, 42), QRect(57, 138, 75, 25));
            break;
        case WindowId::Form6:
            build_event(QRect(26, 8, 252, 106), QRect(8, 120, 288, 24), QRect(114, 150, 75, 25));
            break;
        case WindowId::Form7:
            build_event(QRect(7, 8, 250, 126), QRect(8, 138, 249, 36), QRect(95, 180, 75, 25));
            break;
        case WindowId::Form8:
            build_message(QRect(16, 14, 305, 64), QRect(131, 90, 75, 25), false);
            break;
        case WindowId::Form9:
            build_message(QRect(16, 14, 280, 72), QRect(118, 98, 75, 25), false);
            break;
        case WindowId::Form10:
            build_message(QRect(16, 14, 280, 88), QRect(118, 114, 75, 25), false);
            break;
        case WindowId::Form11:
            build_message(QRect(16, 12, 280, 64), QRect(118, 84, 75, 25), true);
            break;
        case WindowId::Form12:
            build_game_over();
            break;
        case WindowId::Form13:
            build_about();
            break;
        default:
            break;
        }
    }

protected:
    // The window's message, read when it opens: its labels' texts in order.
    void sync_window(const Window& model) override {
        QStringList texts;
        for (const NamedControl& nc : model.controls()) {
            if (nc.control->kind == ControlKind::Label && nc.control->visible &&
                !nc.control->text.empty()) {
                texts.push_back(qt_text(nc.control->text).simplified());
            }
        }
        sync::accessible_description(dialog_, texts.join(QLatin1Char(' ')));
    }

private:
    QLabel* label(QWidget* parent, ControlId control, const QRect& place,
                  Qt::Alignment align = Qt::AlignCenter) {
        QLabel* l = bind_label(control, new QLabel(parent));
        l->setGeometry(place);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(align);
        l->setWordWrap(true);
        return l;
    }

    QPushButton* button(ControlId control, const QRect& place, bool is_default) {
        return dialog_button(dialog_, control, place, is_default);
    }

    PictureBox* picture(QWidget* parent, ControlId control, const QRect& place, bool framed) {
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
        emphasise(label(dialog_, ControlId::Label2, QRect(16, 12, 316, 44)), 13,
                  QColor(192, 0, 64));
        emphasise(label(dialog_, ControlId::Label1, QRect(16, 60, 316, 48)), 9.5);
        const ControlId results[] = {ControlId::score, ControlId::days, ControlId::money};
        int top = 120;
        for (const ControlId result : results) {
            auto* box = new QFrame(dialog_);
            box->setGeometry(44, top, 260, 40);
            box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            emphasise(label(box, result, QRect(8, 6, 244, 28)), 11);
            top += 48;
        }
        button(ControlId::Command1, QRect(136, 288, 75, 25), true);
    }

    void build_event(const QRect& picture_place, const QRect& text_place, const QRect& ok_place) {
        picture(dialog_, ControlId::Picture1, picture_place, true);
        label(dialog_, ControlId::Label1, text_place);
        button(ControlId::Command1, ok_place, true);
    }

    void build_message(const QRect& text_place, const QRect& ok_place, bool bold) {
        QLabel* text = label(dialog_, ControlId::Label1, text_place);
        if (bold) {
            emphasise(text, 12);
        }
        button(ControlId::Command1, ok_place, true);
    }

    void build_game_over() {
        auto* box = new QFrame(dialog_);
        box->setGeometry(8, 4, 206, 79);
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        picture(box, ControlId::Picture1, QRect(2, 2, 202, 75), false);
        button(ControlId::Command2, QRect(224, 14, 80, 25), false);
        button(ControlId::Command1, QRect(224, 48, 80, 25), true);
    }

    void build_about() {
        picture(dialog_, ControlId::Picture1, QRect(5, 4, 275, 80), false);
        // The logo on white, with the notices and the address below it.
        PictureBox* logo = picture(dialog_, ControlId::Picture2, QRect(0, 88, 286, 244), false);
        logo->setBackgroundRole(QPalette::Base);
        logo->setAutoFillBackground(true);
        logo->setContentsMargins(8, 6, 8, 86);
        const QColor blue(0, 0, 192);
        for (QLabel* notice : {label(logo, ControlId::Label2, QRect(6, 160, 274, 32)),
                               label(logo, ControlId::Label1, QRect(6, 192, 274, 18))}) {
            QFont f = notice->font();
            f.setPointSizeF(8);
            notice->setFont(f);
            paint_text(notice, blue);
        }

        LinkLabel* address = bind_link(ControlId::Label3, new LinkLabel(logo));
        address->setGeometry(6, 214, 274, 20);
        address->setTextFormat(Qt::PlainText);
        address->setAlignment(Qt::AlignCenter);
        paint_text(address, blue);

        button(ControlId::Command1, QRect(112, 336, 49, 17), true);
    }

    GameDialog* dialog_ = nullptr;
};

} // namespace

std::unique_ptr<WindowAdapter> make_small_window(WindowManager& manager, WindowId id) {
    return std::make_unique<SmallWindowAdapter>(manager, id);
}

} // namespace swoonery::ui
