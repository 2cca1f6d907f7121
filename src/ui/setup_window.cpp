// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The player set-up form: the banner, the name, three self-ratings on
// sliders sharing one pool of points, OK and Exit.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <array>

namespace swoonery::ui {

namespace {

class SetupWindowAdapter final : public WindowAdapter {
public:
    explicit SetupWindowAdapter(WindowManager& manager) : WindowAdapter(manager, Window::Setup) {
        auto* dialog = new GameDialog(291, 375);
        set_root(dialog);
        dialog->on_close = close_request();

        bind_picture(Control::Banner, new PictureBox(dialog))->setGeometry(8, 8, 275, 80);

        auto* name_frame = frame(dialog, Control::NameFrame, QRect(8, 96, 275, 54));
        name_ = bind_line_edit(Control::Name, new QLineEdit(name_frame));
        name_->setGeometry(10, 22, 255, 22);

        auto* ratings = frame(dialog, Control::RatingsFrame, QRect(8, 158, 275, 176));
        sliders_ = {rating(ratings, Control::LooksQuestion, Control::Looks, 22, "Looks"),
                    rating(ratings, Control::SmartQuestion, Control::Smart, 66, "Smart"),
                    rating(ratings, Control::LuckQuestion, Control::Luck, 110, "Luck")};
        label(ratings, Control::PointsLeft, QRect(12, 154, 251, 16));

        auto* ok = button(dialog, Control::Ok, QRect(122, 342, 75, 25));
        ok->setDefault(true);
        button(dialog, Control::Exit, QRect(208, 342, 75, 25));
    }

protected:
    // The name box is read with its question; each slider with its rating,
    // the question over it and the points left, which a screen reader reads
    // again as they change while the slider has the keyboard.
    void sync_window(const WindowModel& model) override {
        const auto& m = static_cast<const SetupWindow&>(model);
        sync::accessible_name(name_, qt_text(m.name_frame.text));
        const Label* captions[] = {&m.looks_question, &m.smart_question, &m.luck_question};
        for (std::size_t i = 0; i < sliders_.size(); ++i) {
            const QString about =
                qt_text(captions[i]->text) + QLatin1Char(' ') + qt_text(m.points.text);
            sync::accessible_description(sliders_[i], about);
        }
    }

private:
    TitledFrame* frame(QWidget* parent, Control control, const QRect& place) {
        TitledFrame* f = bind_frame(control, new TitledFrame(parent));
        f->setGeometry(place);
        return f;
    }

    void label(QWidget* parent, Control control, const QRect& place) {
        QLabel* l = bind_label(control, new QLabel(parent));
        l->setGeometry(place);
        l->setTextFormat(Qt::PlainText);
    }

    // A caption over its slider, `top` pixels into the frame, and beside the
    // slider the number it stands at: the rating the player is choosing.
    QSlider* rating(QWidget* parent, Control caption, Control control, int top, const char* name) {
        label(parent, caption, QRect(12, top, 251, 16));
        auto* s = new QSlider(Qt::Horizontal, parent);
        s->setAccessibleName(QLatin1String(name));
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
                    [s, number](const Slider&) { number->setNum(s->sliderPosition()); });
        number->setObjectName(s->objectName() + QStringLiteral("_value"));
        return s;
    }

    QPushButton* button(QWidget* parent, Control control, const QRect& place) {
        QPushButton* b = bind_button(control, new QPushButton(parent));
        b->setGeometry(place);
        b->setAutoDefault(true);
        return b;
    }

    QLineEdit* name_ = nullptr;
    std::array<QSlider*, 3> sliders_{};
};

} // namespace

std::unique_ptr<WindowAdapter> make_setup_window(WindowManager& manager) {
    return std::make_unique<SetupWindowAdapter>(manager);
}

} // namespace swoonery::ui
