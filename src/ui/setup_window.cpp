// Form2, the player set-up form: the banner, the name, three self-ratings on
// sliders sharing one pool of points, OK and Exit.
#include "ui/adapters.h"
#include "ui/control_sync.h"
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

        auto* banner = new PictureBox(dialog);
        banner->setObjectName(QStringLiteral("Picture1"));
        banner->setGeometry(8, 8, 275, 80);
        bind(ControlId::Picture1, nullptr, [this, banner](const Control& now, const Control* before) {
            sync::picture(banner, pictures(), now, before);
        });

        auto* name_frame = frame(dialog, ControlId::Frame1, QRect(8, 96, 275, 54));
        auto* name = new QLineEdit(name_frame);
        name->setObjectName(QStringLiteral("name_txt"));
        name->setGeometry(10, 22, 255, 22);
        bind(ControlId::name_txt, name,
             [name](const Control& now, const Control* before) { sync::line_edit(name, now, before); });
        forward_edit(name, ControlId::name_txt);

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
    TitledFrame* frame(QWidget* parent, ControlId name, const QRect& place) {
        auto* f = new TitledFrame(parent);
        f->setObjectName(object_name(name));
        f->setGeometry(place);
        bind(name, nullptr, [f](const Control& now, const Control* before) { sync::frame(f, now, before); });
        return f;
    }

    void label(QWidget* parent, ControlId name, const QRect& place) {
        auto* l = new QLabel(parent);
        l->setObjectName(object_name(name));
        l->setGeometry(place);
        l->setTextFormat(Qt::PlainText);
        bind(name, nullptr, [l](const Control& now, const Control* before) { sync::label(l, now, before); });
    }

    // A caption over its slider, `top` pixels into the frame, and beside the
    // slider the number it stands at: the rating the player is choosing.
    void rating(QWidget* parent, ControlId caption, ControlId name, int top) {
        label(parent, caption, QRect(12, top, 251, 16));
        auto* s = new QSlider(Qt::Horizontal, parent);
        s->setObjectName(object_name(name));
        s->setGeometry(10, top + 16, 219, 24);
        s->setRange(0, 100);
        s->setSingleStep(1);
        s->setPageStep(5);
        s->setTickPosition(QSlider::TicksBelow);
        s->setTickInterval(10);
        auto* number = new QLabel(parent);
        number->setObjectName(object_name(name) + QStringLiteral("_value"));
        number->setGeometry(231, top + 16, 34, 20);
        number->setTextFormat(Qt::PlainText);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        number->setNum(s->value());
        // Follows the handle while it is dragged, and the game's own settings,
        // which reach the slider with its signals blocked.
        QObject::connect(s, &QSlider::sliderMoved, number, qOverload<int>(&QLabel::setNum));
        QObject::connect(s, &QSlider::valueChanged, number, qOverload<int>(&QLabel::setNum));
        bind(name, s, [s, number](const Control& now, const Control* before) {
            sync::slider(s, now, before);
            number->setNum(s->sliderPosition());
        });
        forward_slide(s, name);
    }

    QPushButton* button(QWidget* parent, ControlId name, const QRect& place) {
        auto* b = new QPushButton(parent);
        b->setObjectName(object_name(name));
        b->setGeometry(place);
        b->setAutoDefault(true);
        bind(name, b, [b](const Control& now, const Control* before) { sync::button(b, now, before); });
        forward_click(b, name);
        return b;
    }
};

} // namespace

std::unique_ptr<WindowAdapter> make_setup_window(WindowManager& manager) {
    return std::make_unique<SetupWindowAdapter>(manager);
}

} // namespace swoonery::ui
