// The game's message boxes: a real QMessageBox with the title, the text, a
// warning icon or none, and OK. Closing it in any way is the click on OK.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/window_adapter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace swoonery::ui {

namespace {

class MessageBoxAdapter final : public WindowAdapter {
public:
    explicit MessageBoxAdapter(WindowManager& manager) : WindowAdapter(manager, WindowId::MsgBox) {
        box_ = new QMessageBox;
        set_root(box_);
        box_->setTextFormat(Qt::PlainText);
        QPushButton* ok =
            bind_closing_button(ControlId::OK, box_, box_->addButton(QMessageBox::Ok));
        ok->setIcon(QIcon());
        box_->setDefaultButton(ok);
        box_->setEscapeButton(ok);
    }

protected:
    void sync_window(const Window& model) override {
        const auto& m = static_cast<const MessageBoxWindow&>(model);
        if (m.text != text_ || box_->text().isEmpty()) {
            box_->setText(qt_text(m.text));
            text_ = m.text;
        }
        const QMessageBox::Icon icon = m.warning ? QMessageBox::Warning : QMessageBox::NoIcon;
        if (box_->icon() != icon) {
            box_->setIcon(icon);
        }
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
    QMessageBox* box_ = nullptr;
    std::string text_;
};

} // namespace

std::unique_ptr<WindowAdapter> make_message_box(WindowManager& manager) {
    return std::make_unique<MessageBoxAdapter>(manager);
}

} // namespace swoonery::ui
