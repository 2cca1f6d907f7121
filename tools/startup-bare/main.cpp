// A bare Qt Widgets window of the set-up form's size, holding the same kinds
// of widgets in the same places (a picture, two frames, the name box, three
// captioned sliders, a points label, two buttons), that quits as soon as it has
// been painted once: what any Qt program pays to get that window up.
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
public:
    BareWindow() {
        resize(291, 375);
        auto* banner = new QLabel(this);
        banner->setGeometry(8, 8, 275, 80);
        banner->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

        auto* name_frame = new QGroupBox(QStringLiteral("Name"), this);
        name_frame->setGeometry(8, 96, 275, 54);
        (new QLineEdit(name_frame))->setGeometry(10, 22, 255, 22);

        auto* ratings = new QGroupBox(QStringLiteral("Ratings"), this);
        ratings->setGeometry(8, 158, 275, 176);
        for (const int top : {22, 66, 110}) {
            (new QLabel(QStringLiteral("Rating"), ratings))->setGeometry(12, top, 251, 16);
            auto* s = new QSlider(Qt::Horizontal, ratings);
            s->setGeometry(10, top + 16, 255, 24);
            s->setRange(0, 100);
            s->setTickPosition(QSlider::TicksBelow);
            s->setTickInterval(10);
        }
        (new QLabel(QStringLiteral("Points"), ratings))->setGeometry(12, 154, 251, 16);

        (new QPushButton(QStringLiteral("OK"), this))->setGeometry(122, 342, 75, 25);
        (new QPushButton(QStringLiteral("Exit"), this))->setGeometry(208, 342, 75, 25);
    }

protected:
    bool event(QEvent* e) override {
        const bool handled = QWidget::event(e);
        if (e->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so the paint reaches the screen first.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return handled;
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
