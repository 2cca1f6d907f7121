// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Form2, the player set-up form: the banner, the name, three self-ratings on
// sliders sharing one pool of points, OK and Exit.
#include "ui/adapters.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace swoonery::ui {

namespace {

class SetupWindowAdapter final : public WindowAdapter {
public:
    explicit SetupWindowAdapter(WindowManager& manager) : WindowAdapter(manager, WindowId::Form2) {
        auto* dialog = new GameDialog(291, 375);
        set_root(dialog);
        dialog->on_close = close_request();

        bind_picture(ControlId::Picture1, new PictureBox(dialog))->setGeometry(8, 8, 275, 80);

        auto* name_frame = frame(dialog, ControlId::Frame1, QRect(8, 96, 275, 54));
        bind_line_edit(ControlId::name_txt, new QLineEdit(name_frame))
            ->setGeometry(10, 22, 255, 22);

        auto* ratings = frame(dialog, ControlId::Frame2, QRect(8, 158, 275, 176));
        rating(ratings, ControlId::Label1, ControlId::looks_sld, 22);
        rating(ratings, ControlId::Label2, ControlId::smart_sld, 66);
        rating(ratings, ControlId::Label3, ControlId::luck_sld, 110);
        label(ratings, ControlId::points, QRect(12, 154, 251, 16));

        auto* ok = button(dialog, ControlId::Command1, QRect(122, 342, 75, 25));
        ok->setDefault(true);
        button(dialog, ControlId::Command2, QRect(208, 342, 75, 25));
    }

private:
    TitledFrame* frame(QWidget* parent, ControlId control, const QRect& place) {
        TitledFrame* f = bind_frame(control, new TitledFrame(parent));
        f->setGeometry(place);
        return f;
    }

    void label(QWidget* parent, ControlId control, const QRect& place) {
        QLabel* l = bind_label(control, new QLabel(parent));
        l->setGeometry(place);
        l->setTextFormat(Qt::PlainText);
    }

    // A caption over its slider, `top` pixels into the frame, and beside the
    // slider the number it stands at: the rating the player is choosing.
    void rating(QWidget* parent, ControlId caption, ControlId control, int top) {
        label(parent, caption, QRect(12, top, 251, 16));
        auto* s = new QSlider(Qt::Horizontal, parent);
        s->setGeometry(10, top + 16, 219, 24);
        s->setRange(0, 100);
        s->setSingleStep(1);
        s->setPageStep(5);
        s->setTickPosition(QSlider::TicksBelow);
        s->setTickInterval(10);
        auto* number = new QLabel(parent);
        number->setGeometry(231, top + 16, 34, 20);
        number->setTextFormat(Qt::PlainText);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        number->setNum(s->value());
        // Follows the handle while it is dragged, and the game's own settings,
        // which reach the slider with its signals blocked. Connected before the
        // game hears of the drag, so that a position the game refuses and puts
        // back is the one the number ends on.
        QObject::connect(s, &QSlider::sliderMoved, number, qOverload<int>(&QLabel::setNum));
        QObject::connect(s, &QSlider::valueChanged, number, qOverload<int>(&QLabel::setNum));
        bind_slider(control, s,
                    [s, number](const Control&) { number->setNum(s->sliderPosition()); });
        number->setObjectName(s->objectName() + QStringLiteral("_value"));
    }

    QPushButton* button(QWidget* parent, ControlId control, const QRect& place) {
        QPushButton* b = bind_button(control, new QPushButton(parent));
        b->setGeometry(place);
        b->setAutoDefault(true);
        return b;
    }
};

} // namespace

std::unique_ptr<WindowAdapter> make_setup_window(WindowManager& manager) {
    return std::make_unique<SetupWindowAdapter>(manager);
}

} // namespace swoonery::ui
