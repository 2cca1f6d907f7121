// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on a real X display: a secondary window stays above the main
// window, even when the main window is brought to the front while it is
// open, and the window opened last has the keyboard. Runs its own Xvfb, and
// with --wm an openbox on it; skips (exit 77) when either is not installed.
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

constexpr int kSkip = 77;
bool g_window_manager = false;

// A program started in the background, ended when this goes.
struct Child {
    pid_t pid = -1;
    ~Child() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

// Starts Xvfb on a free display; returns the display's number, -1 on failure.
int start_xvfb(const std::string& xvfb, Child& server) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return -1;
    }
    server.pid = ::fork();
    if (server.pid == 0) {
        ::close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        ::execl(xvfb.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                "-nolisten", "tcp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    char c = 0;
    while (::read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    ::close(fds[0]);
    return number.empty() ? -1 : std::atoi(number.c_str());
}

void start_program(const std::string& path, Child& child) {
    child.pid = ::fork();
    if (child.pid == 0) {
        ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

xcb_connection_t* x_connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t x_root() {
    return xcb_setup_roots_iterator(xcb_get_setup(x_connection())).data->root;
}

// The top-level window (a window manager's frame, or the window itself)
// that holds `w`.
xcb_window_t top_level(xcb_window_t w) {
    xcb_connection_t* c = x_connection();
    const xcb_window_t root = x_root();
    while (w != 0) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
        if (tree == nullptr) {
            return 0;
        }
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (parent == root || parent == 0) {
            return w;
        }
        w = parent;
    }
    return 0;
}

// The top-level windows of the display, bottom first.
std::vector<xcb_window_t> stacking() {
    xcb_connection_t* c = x_connection();
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, x_root()), nullptr);
    std::vector<xcb_window_t> order;
    if (tree != nullptr) {
        const xcb_window_t* children = xcb_query_tree_children(tree);
        order.assign(children, children + xcb_query_tree_children_length(tree));
        std::free(tree);
    }
    return order;
}

xcb_window_t x_window(const Harness& h, Window id) {
    QWidget* w = h.window(id);
    return w != nullptr ? static_cast<xcb_window_t>(w->winId()) : 0;
}

// Whether `upper` is stacked above `lower` on the display.
bool above(const Harness& h, Window upper, Window lower) {
    const std::vector<xcb_window_t> order = stacking();
    const xcb_window_t u = top_level(x_window(h, upper));
    const xcb_window_t l = top_level(x_window(h, lower));
    int iu = -1, il = -1;
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        iu = order[static_cast<std::size_t>(i)] == u ? i : iu;
        il = order[static_cast<std::size_t>(i)] == l ? i : il;
    }
    return iu >= 0 && il >= 0 && iu > il;
}

// Whether the display's keyboard focus is in the window.
bool has_keyboard(const Harness& h, Window id) {
    xcb_connection_t* c = x_connection();
    xcb_get_input_focus_reply_t* focus =
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    if (focus == nullptr) {
        return false;
    }
    const xcb_window_t f = focus->focus;
    std::free(focus);
    return f > 1 && top_level(f) == top_level(x_window(h, id));
}

// The window the X property WM_TRANSIENT_FOR of the window names, 0 for none.
xcb_window_t transient_for(const Harness& h, Window id) {
    xcb_connection_t* c = x_connection();
    xcb_get_property_reply_t* p = xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, x_window(h, id), XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    xcb_window_t owner = 0;
    if (p != nullptr && xcb_get_property_value_length(p) == 4) {
        std::memcpy(&owner, xcb_get_property_value(p), 4);
    }
    std::free(p);
    return owner;
}

bool shown(const Harness& h, Window id) {
    const QWidget* w = h.window(id);
    return w != nullptr && !w->isHidden() && w->windowHandle() != nullptr &&
           w->windowHandle()->isExposed();
}

// Waits until a window manager has claimed the display, up to five seconds.
// Asked before the program connects, which reads what the display offers.
bool window_manager_up(const std::string& display) {
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 24, "_NET_SUPPORTING_WM_CHECK"), nullptr);
    bool up = false;
    for (int i = 0; i < 100 && atom != nullptr && !up; ++i) {
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        up = p != nullptr && xcb_get_property_value_length(p) == 4;
        std::free(p);
        if (!up) {
            ::usleep(50000);
        }
    }
    std::free(atom);
    xcb_disconnect(c);
    return up;
}

} // namespace

class StackingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_win_with_a_reproach_stays_in_front();
    void setup_form_over_the_table();
};

void StackingTest::a_win_with_a_reproach_stays_in_front() {
    // A winning gift that also raises the buy-off reproach opens the win
    // window and the message together; OK on the message brings the main
    // window to the front, yet the win window stays above it and takes the
    // keyboard, and so does the table after it.
    Harness h;
    h.start_game();
    QVERIFY(QTest::qWaitForWindowExposed(h.window(Window::Main)));
    h.game.state().heart_value = 95;
    h.game.state().cash = 5000;
    h.game.display_heart(95);
    h.windows.refresh();

    h.rng.push({0.9}); // no money on the floor
    click(h.find<QAbstractButton>(Window::Main, Control::BuyGift));
    click_row(h.find<QWidget>(Window::Main, Control::ActionList), 10); // tickets to Bali
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));
    QTRY_VERIFY(shown(h, Window::Win) && shown(h, Window::Message));

    const xcb_window_t main = x_window(h, Window::Main);
    QCOMPARE(transient_for(h, Window::Win), main);
    QCOMPARE(transient_for(h, Window::Message), main);
    QVERIFY(h.window(Window::Win)->parentWidget() == nullptr);
    QTRY_VERIFY(above(h, Window::Win, Window::Main));
    QTRY_VERIFY(above(h, Window::Message, Window::Win));
    QTRY_VERIFY(has_keyboard(h, Window::Message));

    click(h.find<QAbstractButton>(Window::Message, Control::Ok));
    QTRY_VERIFY(h.window(Window::Message) == nullptr);
    QTest::qWait(200); // let the raise of the main window reach the display
    QTRY_VERIFY(above(h, Window::Win, Window::Main));
    QTRY_VERIFY(has_keyboard(h, Window::Win));

    click(h.find<QAbstractButton>(Window::Win, Control::Ok));
    QTRY_VERIFY(shown(h, Window::HighScores));
    QCOMPARE(transient_for(h, Window::HighScores), main);
    QTRY_VERIFY(above(h, Window::HighScores, Window::Main));
    QTRY_VERIFY(has_keyboard(h, Window::HighScores));
    VERIFY_SCREEN_MATCHES(h);
}

void StackingTest::setup_form_over_the_table() {
    // Play Again on the table brings the set-up form over it with the
    // keyboard; once it is confirmed the table, still open, is again above
    // the main window and has the keyboard.
    Harness h;
    h.start_game();
    QVERIFY(QTest::qWaitForWindowExposed(h.window(Window::Main)));
    h.game.state().heart_value = 95;
    h.game.display_heart(95);
    h.windows.refresh();
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer));
    click_row(h.find<QWidget>(Window::Main, Control::ActionList), 1); // a topic she likes
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));
    QTRY_VERIFY(shown(h, Window::Win));
    click(h.find<QAbstractButton>(Window::Win, Control::Ok));
    QTRY_VERIFY(shown(h, Window::HighScores));

    click(h.find<QAbstractButton>(Window::HighScores, Control::PlayAgain));
    QTRY_VERIFY(shown(h, Window::Setup));
    QCOMPARE(transient_for(h, Window::Setup), x_window(h, Window::Main));
    QTRY_VERIFY(above(h, Window::Setup, Window::HighScores));
    QTRY_VERIFY(above(h, Window::HighScores, Window::Main));
    QTRY_VERIFY(has_keyboard(h, Window::Setup));

    click(h.find<QAbstractButton>(Window::Setup, Control::Ok));
    QTRY_VERIFY(h.window(Window::Setup)->isHidden());
    QTest::qWait(200);
    QTRY_VERIFY(above(h, Window::HighScores, Window::Main));
    QTRY_VERIFY(has_keyboard(h, Window::HighScores));
    VERIFY_SCREEN_MATCHES(h);
}

int main(int argc, char* argv[]) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--wm") == 0) {
            g_window_manager = true;
        } else {
            args.push_back(argv[i]);
        }
    }
    const std::string xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
    if (xvfb.empty()) {
        std::printf("SKIP: Xvfb is not installed (Debian package xvfb): no X display to test on\n");
        return kSkip;
    }
    const std::string openbox =
        QStandardPaths::findExecutable(QStringLiteral("openbox")).toStdString();
    if (g_window_manager && openbox.empty()) {
        std::printf("SKIP: openbox is not installed (Debian package openbox): no window manager\n");
        return kSkip;
    }
    Child server;
    const int display = start_xvfb(xvfb, server);
    if (display < 0) {
        std::printf("FAIL: Xvfb did not start\n");
        return 1;
    }
    const std::string name = ":" + std::to_string(display);
    ::setenv("DISPLAY", name.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    Child manager;
    if (g_window_manager) {
        start_program(openbox, manager);
    }
    if (g_window_manager && !window_manager_up(name)) {
        std::printf("FAIL: openbox did not start\n");
        return 1;
    }
    QApplication app(argc, argv);
    StackingTest test;
    return QTest::qExec(&test, static_cast<int>(args.size()), args.data());
}

#include "stacking_test.moc"
