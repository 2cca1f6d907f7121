// A bare Qt Widgets window of the set-up form's size that quits as soon as
// it has been painted once: what any Qt program pays to get a window up.
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
public:
    BareWindow() { resize(291, 375); }

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
