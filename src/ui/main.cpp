// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Swoonery, the windowed game: the real sound, browser, desktop and chance
// wired into the game, and the windows on screen.
//
// With SWOONERY_QUIT_AFTER_FIRST_PAINT=1 in the environment the program quits
// as soon as its first window has been painted, for timing the start-up.
#include "actions/rules.h"
#include "base/random.h"
#include "core/game.h"
#include "ui/first_paint.h"
#include "ui/lazy_sound.h"
#include "ui/pictures.h"
#include "ui/qt_desktop.h"
#include "ui/window_manager.h"

#include "platform/linux_browser.h"
#include "platform/local_page_browser.h"
#include "platform/page_address.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace {

std::uint64_t fresh_seed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

// The program's folder as the bytes the file system names it by. Qt gives it
// as text, with every byte of a name that is not UTF-8 replaced, which names
// another folder or none.
std::string program_folder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.is_absolute()) {
        return program.parent_path().native();
    }
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The game decides when the program ends, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    // Sound is loaded once the first window is up, or at the first sound.
    swoonery::ui::LazySound sound(QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/swoonery-sound"));
    swoonery::LinuxBrowser browser;
    // A help page missing from the program's folder is reported as a page
    // not opened instead of being handed to the browser.
    swoonery::LocalPageBrowser checked_browser(browser);
    swoonery::ui::QtDesktop desktop;
    swoonery::SeededRandom chance(fresh_seed());
    swoonery::Services services{sound, checked_browser, desktop, chance};
    // Online Help opens the player's guide, which the build and the install
    // both put in help/ beside the program.
    services.help_url = swoonery::file_address(program_folder() + "/help/index.html");
    swoonery::Game game(std::move(services), swoonery::play_rules());

    swoonery::ui::Pictures pictures(QCoreApplication::applicationDirPath());
    swoonery::ui::WindowManager windows(game, pictures);
    QObject::connect(&windows, &swoonery::ui::WindowManager::program_ended, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    windows.start();
    if (qEnvironmentVariableIntValue("SWOONERY_QUIT_AFTER_FIRST_PAINT") == 1) {
        if (QWidget* first = windows.window_widget(swoonery::Window::Setup)) {
            new swoonery::ui::QuitAfterFirstPaint(first);
        }
    }
    if (!game.running()) {
        return 0;
    }
    QTimer::singleShot(400, &windows, [&sound] { sound.preload(); });
    const int status = QApplication::exec();
    if (!sound.close(300)) {
        // A hung audio server holds the sound's thread: end without waiting
        // for it (every file the game writes is already closed).
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
