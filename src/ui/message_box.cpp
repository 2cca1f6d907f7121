// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message boxes: a real QMessageBox with the title, the text, a
// warning icon or none, and OK. Closing it in any way is the click on OK.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/window_adapter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QWindow>

namespace swoonery::ui {

namespace {

class MessageBoxAdapter final : public WindowAdapter {
public:
    explicit MessageBoxAdapter(WindowManager& manager)
        : WindowAdapter(manager, Window::MessageBox) {
        box_ = new QMessageBox;
        set_root(box_);
        box_->setTextFormat(Qt::PlainText);
        QPushButton* ok = bind_closing_button(Control::Ok, box_, box_->addButton(QMessageBox::Ok));
        ok->setIcon(QIcon());
        box_->setDefaultButton(ok);
        box_->setEscapeButton(ok);
    }

protected:
    void sync_window(const WindowModel& model) override {
        const auto& m = static_cast<const MessageBoxWindow&>(model);
        if (m.text != text_ || box_->text().isEmpty()) {
            box_->setText(qt_text(m.text));
            text_ = m.text;
        }
        const QMessageBox::Icon icon = m.warning ? QMessageBox::Warning : QMessageBox::NoIcon;
        if (box_->icon() != icon) {
            box_->setIcon(icon);
        }
        fit_title(qt_text(m.caption));
    }

    void show_window() override {
        // The box stays over the window the player was in, without becoming
        // its child.
        QWidget* owner = QApplication::activeWindow();
        if (owner != nullptr && owner != box_ && owner->windowHandle() != nullptr) {
            box_->winId();
            box_->windowHandle()->setTransientParent(owner->windowHandle());
        }
        box_->open();
    }

private:
    // A box is at least as wide as its title, which the window manager
    // would otherwise cut short ("Browse...t Found"): the title in a bold
    // face, as title bars have it, and room for the frame's buttons.
    void fit_title(const QString& title) {
        auto* grid = qobject_cast<QGridLayout*>(box_->layout());
        if (grid == nullptr) {
            return;
        }
        QFont bold = box_->font();
        bold.setBold(true);
        const int wanted = QFontMetrics(bold).horizontalAdvance(title) + kTitleBarButtons;
        if (title_room_ == nullptr) {
            title_room_ = new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
            grid->addItem(title_room_, grid->rowCount(), 0, 1, grid->columnCount());
        } else if (title_room_->sizeHint().width() != wanted) {
            title_room_->changeSize(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
            grid->invalidate();
        }
    }

    // A window icon and close, maximise and minimise buttons, with margins.
    static constexpr int kTitleBarButtons = 120;

    QMessageBox* box_ = nullptr;
    QSpacerItem* title_room_ = nullptr;
    std::string text_;
};

} // namespace

std::unique_ptr<WindowAdapter> make_message_box(WindowManager& manager) {
    return std::make_unique<MessageBoxAdapter>(manager);
}

} // namespace swoonery::ui
