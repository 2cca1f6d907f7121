#include "ui/qt_desktop.h"

#include <QGuiApplication>
#include <QScreen>

namespace swoonery::ui {

DesktopSize QtDesktop::size() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize s = screen->size();
    return {s.width(), s.height()};
}

} // namespace swoonery::ui
