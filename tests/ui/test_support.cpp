// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_support.h"

#include "ui/control_sync.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <optional>

namespace swoonery::ui::testing {

namespace {

QtMessageHandler qt_handler = nullptr;

// The offscreen platform says so each time a window is raised or grabs the
// keyboard; that is no finding of the tests.
void quiet_platform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (qt_handler != nullptr) {
        qt_handler(type, context, message);
    }
}

} // namespace

QString object_name(Window window, Control control) {
    return qt_text(control_name(window, control));
}

Harness::Harness(std::uint64_t seed, const QString& pictures_folder)
    : runner(folder.path().toStdString()), rng(runner.rng()), sound(runner.sound()),
      browser(runner.browser()), desktop(runner.desktop()), game(runner.game()),
      pictures(pictures_folder.isEmpty() ? folder.path() : pictures_folder),
      windows(game, pictures) {
    rng.reseed(seed);
    QObject::connect(&windows, &WindowManager::program_ended, &windows, [this] { ended = true; });
    static const bool quiet = [] {
        qt_handler = qInstallMessageHandler(quiet_platform);
        return true;
    }();
    Q_UNUSED(quiet);
}

Harness::~Harness() {
    settle();
}

QWidget* Harness::window(Window id) const {
    const QString name = qt_text(window_name(id));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

void Harness::start_game(const QString& name) {
    windows.start();
    auto* box = find<QLineEdit>(Window::Setup, Control::Name);
    box->selectAll();
    QTest::keyClicks(box, name);
    rng.push({0.01, 0.15, 0.025, 0.075, 0.125, 0.175, 0.225});
    click(find<QAbstractButton>(Window::Setup, Control::Ok));
    settle();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void click_row(QWidget* view, int row) {
    auto* items = qobject_cast<QAbstractItemView*>(view);
    const QRect r = items->visualRect(items->model()->index(row, 0));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, r.center());
    settle();
}

// ---- Comparing the screen with the model -------------------------------------------

namespace {

struct Checker {
    QStringList& out;
    QString where;

    template <class A, class B> void same(const char* what, const A& shown, const B& model) {
        if (!(shown == model)) {
            QString s;
            QDebug(&s) << where << what << "shows" << shown << "but the model has" << model;
            out.push_back(s);
        }
    }
};

QStringList qt_list(const std::vector<std::string>& items) {
    QStringList out;
    for (const std::string& s : items) {
        out.push_back(qt_text(s));
    }
    return out;
}

void check_grid(Checker& ck, const QTableWidget* grid, const Grid& c) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        const bool red = std::find(c.red_rows.begin(), c.red_rows.end(), r) != c.red_rows.end();
        for (int col = 0; col < grid->columnCount(); ++col) {
            const QTableWidgetItem* item = grid->item(r, col);
            const QString model =
                r < static_cast<int>(c.cells.size()) && col < static_cast<int>(c.cells[r].size())
                    ? qt_text(c.cells[r][col])
                    : QString();
            ck.same("cell text", item != nullptr ? item->text() : QString(), model);
            const bool shown_red = item != nullptr && item->foreground().style() != Qt::NoBrush &&
                                   item->foreground().color() == QColor(255, 0, 0);
            ck.same("red cell", shown_red, red);
        }
    }
}

void check_control(Checker& window, QWidget* root, std::string_view name, const ControlEntry& entry,
                   bool window_enabled) {
    const QString object = qt_text(name);
    Checker ck{window.out, window.where + QLatin1Char('.') + object};
    const ControlBase& c = *entry.model;
    if (entry.kind == ControlKind::Menu) {
        const auto& m = entry.as<MenuEntry>();
        auto* action = root->findChild<QAction*>(object);
        if (action == nullptr) {
            ck.out.push_back(ck.where + " has no menu entry " + object);
            return;
        }
        ck.same("caption", action->text(), qt_text(c.text));
        ck.same("visible", action->isVisible(), c.visible);
        // A menu's title goes with the menu bar: Qt disables it with the bar.
        ck.same("enabled", action->isEnabled(),
                c.enabled && (action->menu() == nullptr || window_enabled));
        ck.same("checked", action->isChecked(), m.checked);
        return;
    }
    QWidget* w = root->findChild<QWidget*>(object);
    if (w == nullptr) {
        if (c.visible) {
            ck.out.push_back(ck.where + " has no widget " + object);
        }
        return;
    }
    ck.same("visible", !w->isHidden(), c.visible);
    ck.same("enabled", w->isEnabled(), c.enabled && window_enabled);
    ck.same("tooltip", w->toolTip(), qt_text(c.tooltip));
    switch (entry.kind) {
    case ControlKind::Button:
        ck.same("caption", qobject_cast<QAbstractButton*>(w)->text(), qt_text(c.text));
        if (auto* pb = qobject_cast<PictureButton*>(w)) {
            ck.same("picture", pb->file(), qt_text(entry.as<Button>().picture));
        }
        break;
    case ControlKind::Label:
        ck.same("caption", qobject_cast<QLabel*>(w)->text(), qt_text(c.text));
        break;
    case ControlKind::Frame:
        if (auto* f = qobject_cast<TitledFrame*>(w)) {
            ck.same("caption", f->title(), qt_text(c.text));
        }
        break;
    case ControlKind::TextBox:
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            ck.same("text", e->text(), qt_text(c.text));
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
            ck.same("text", t->toPlainText(), qt_multiline(c.text));
        }
        break;
    case ControlKind::ListBox: {
        auto* list = qobject_cast<ListBox*>(w);
        QStringList rows;
        for (int i = 0; i < list->count(); ++i) {
            rows.push_back(list->item(i)->text());
        }
        const auto& model = entry.as<swoonery::ListBox>();
        ck.same("rows", rows, qt_list(model.items));
        ck.same("selected row", list->selected_row(), model.selected);
        break;
    }
    case ControlKind::Slider:
        ck.same("value", qobject_cast<QSlider*>(w)->value(), entry.as<Slider>().value);
        break;
    case ControlKind::Picture:
        if (auto* p = qobject_cast<PictureBox*>(w)) {
            ck.same("picture", p->file(), qt_text(entry.as<swoonery::PictureBox>().picture));
        }
        break;
    case ControlKind::Hearts: {
        const auto& model = entry.as<swoonery::HeartGauge>();
        auto* gauge = qobject_cast<HeartGauge*>(w);
        ck.same("hearts shown", gauge->shown(), model.shown);
        const auto lit = gauge->findChildren<PictureBox*>();
        const auto visible = std::count_if(lit.begin(), lit.end(),
                                           [](const PictureBox* p) { return !p->isHidden(); });
        ck.same("heart pictures visible", static_cast<int>(visible), model.shown);
        ck.same("picture", gauge->file(), qt_text(model.picture));
        break;
    }
    case ControlKind::Grid:
        check_grid(ck, qobject_cast<QTableWidget*>(w), entry.as<Grid>());
        break;
    case ControlKind::Menu:
        break;
    }
}

} // namespace

QStringList Harness::differences() const {
    QStringList out;
    for (const Window id : game.load_order()) {
        const WindowModel& model = *game.window(id);
        Checker ck{out, qt_text(window_name(id))};
        QWidget* root = window(id);
        if (root == nullptr) {
            out.push_back(ck.where + " is loaded but has no window on screen");
            continue;
        }
        ck.same("window visible", !root->isHidden(), model.visible);
        ck.same("window caption", root->windowTitle(), qt_text(model.caption));
        bool enabled = model.enabled;
        if (auto* main = qobject_cast<QMainWindow*>(root)) {
            ck.same("main window enabled", main->centralWidget()->isEnabled(), model.enabled);
            ck.same("menu bar enabled", main->menuBar()->isEnabled(), model.enabled);
            ck.same("main window frame enabled", main->isEnabled(), true);
        } else {
            ck.same("window enabled", root->isEnabled(), model.enabled);
        }
        if (id == Window::MessageBox) {
            const auto& m = static_cast<const MessageBoxWindow&>(model);
            auto* box = qobject_cast<QMessageBox*>(root);
            ck.same("message", box->text(), qt_text(m.text));
            ck.same("warning icon", box->icon() == QMessageBox::Warning, m.warning);
        }
        for (const ControlEntry& entry : model.controls()) {
            check_control(ck, root, control_name(id, entry.id), entry, enabled);
        }
    }
    // No window of the game on screen that the model does not have.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const std::optional<Window> id = window_by_name(w->objectName().toStdString());
        if (!w->isHidden() && id && game.window(*id) == nullptr) {
            out.push_back(w->objectName() + " is on screen but not loaded");
        }
    }
    return out;
}

} // namespace swoonery::ui::testing
