// Form1, the main window: five picture buttons on the left, the day and cash
// panels, her face, the heart gauge, the dialogue box and the action list.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"
#include "ui/window_manager.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace swoonery::ui {

namespace {

constexpr int kWidth = 482;
constexpr int kHeight = 397;

// The coloured panels behind the day and the cash.
QFrame* panel(QWidget* parent, const char* name, const QRect& place, const QColor& fill) {
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(place);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, fill);
    pal.setColor(QPalette::WindowText, fill.darker(170));
    f->setPalette(pal);
    f->setAutoFillBackground(true);
    return f;
}

class MainWindowAdapter final : public WindowAdapter {
public:
    explicit MainWindowAdapter(WindowManager& manager) : WindowAdapter(manager, WindowId::Form1) {
        window_ = new GameMainWindow;
        set_root(window_);
        window_->on_close = close_request();
        window_->on_resize = [m = &manager] { m->resize(WindowId::Form1); };

        central_ = new QWidget;
        central_->setObjectName(QStringLiteral("client"));
        central_->setFixedSize(kWidth, kHeight);
        window_->setCentralWidget(central_);

        build_buttons();
        build_status();
        build_actions();
        build_menus();
        // Fixed at the client area plus whatever the menu bar needs.
        window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }

protected:
    void sync_window(const Window& model) override {
        const auto& m = static_cast<const MainWindow&>(model);
        const std::array<std::string, 5> captions = {m.Command1.text, m.Command2.text, m.Command3.text,
                                                     m.Command4.text, m.Command5.text};
        if (captions != captions_) {
            captions_ = captions;
            fit_captions();
        }
    }

    void set_enabled(bool enabled) override {
        // Only the window's content: a disabled QMainWindow would take every
        // window parented to it down too.
        central_->setEnabled(enabled);
        window_->menuBar()->setEnabled(enabled);
    }

private:
    template <class W> W* named(W* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    }
    template <class W> W* named(W* w, ControlId control) { return ui::named(w, control); }

    // The five buttons share one caption size: the largest at which every
    // caption fits its button.
    void fit_captions() {
        QFont f = QApplication::font(buttons_.front());
        const int room = buttons_.front()->width() - 8;
        auto fits = [this, room](const QFont& font) {
            const QFontMetrics fm(font);
            return std::all_of(captions_.begin(), captions_.end(), [&](const std::string& c) {
                return fm.horizontalAdvance(qt_text(c)) <= room;
            });
        };
        while (!fits(f) && f.pointSizeF() > 6.0) {
            f.setPointSizeF(f.pointSizeF() - 0.5);
        }
        for (PictureButton* b : buttons_) {
            b->setFont(f);
        }
    }

    void bind_picture_button(ControlId name, const QRect& place) {
        auto* b = named(new PictureButton(central_), name);
        buttons_.push_back(b);
        b->setGeometry(place);
        b->setAutoRaise(false);
        bind(name, b, [this, b](const Control& now, const Control* before) {
            sync::picture_button(b, pictures(), now, before);
        });
        forward_click(b, name);
    }

    void build_buttons() {
        auto* frame2 = named(new TitledFrame(central_), ControlId::Frame2);
        frame2->setGeometry(8, 0, 89, 385);
        bind(ControlId::Frame2, nullptr,
             [frame2](const Control& now, const Control* before) { sync::frame(frame2, now, before); });
        // In the order of the keyboard's Tab, top to bottom.
        bind_picture_button(ControlId::Command2, QRect(16, 16, 73, 57));
        bind_picture_button(ControlId::Command1, QRect(16, 80, 73, 57));
        bind_picture_button(ControlId::Command3, QRect(16, 144, 73, 73));
        bind_picture_button(ControlId::Command4, QRect(16, 224, 73, 73));
        bind_picture_button(ControlId::Command5, QRect(16, 304, 73, 73));
    }

    void build_status() {
        panel(central_, "Shape1", QRect(104, 8, 225, 65), QColor(255, 196, 214));
        panel(central_, "Shape2", QRect(104, 72, 225, 49), QColor(255, 244, 184));

        auto* days = named(new QLabel(central_), ControlId::days_lbl);
        days->setGeometry(136, 16, 161, 49);
        days->setTextFormat(Qt::PlainText);
        days->setAlignment(Qt::AlignCenter);
        QFont heavy = days->font();
        heavy.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")});
        heavy.setPointSize(24);
        heavy.setWeight(QFont::Black);
        days->setFont(heavy);
        bind(ControlId::days_lbl, nullptr,
             [days](const Control& now, const Control* before) { sync::label(days, now, before); });

        auto* money = named(new QLabel(central_), ControlId::money_lbl);
        money->setGeometry(112, 80, 209, 25);
        money->setTextFormat(Qt::PlainText);
        money->setAlignment(Qt::AlignCenter);
        QFont bold = money->font();
        bold.setPointSizeF(13.5);
        bold.setBold(true);
        money->setFont(bold);
        bind(ControlId::money_lbl, nullptr,
             [money](const Control& now, const Control* before) { sync::label(money, now, before); });

        auto* face = named(new PictureBox(central_), ControlId::Picture7);
        face->setGeometry(336, 8, 105, 113);
        face->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bind(ControlId::Picture7, nullptr, [this, face](const Control& now, const Control* before) {
            sync::picture(face, pictures(), now, before);
        });

        // The heart bar: its number on top, a line, and the hearts below.
        auto* bar = named(new QFrame(central_), ControlId::Picture1);
        bar->setGeometry(452, 8, 23, 377);
        bar->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->setBackgroundRole(QPalette::Base);
        bar->setAutoFillBackground(true);
        bind(ControlId::Picture1, nullptr,
             [bar](const Control& now, const Control* before) { sync::plain(bar, now, before); });

        auto* rate = named(new QLabel(bar), ControlId::heart_rate);
        rate->setGeometry(1, 2, 21, 13);
        rate->setTextFormat(Qt::PlainText);
        rate->setAlignment(Qt::AlignCenter);
        QFont small = rate->font();
        small.setPointSizeF(6.5);
        small.setBold(true);
        rate->setFont(small);
        bind(ControlId::heart_rate, nullptr,
             [rate](const Control& now, const Control* before) { sync::label(rate, now, before); });

        auto* line = named(new QFrame(bar), "Line1");
        line->setGeometry(2, 16, 19, 1);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);

        auto* hearts = named(new HeartGauge(bar), ControlId::heart);
        hearts->move(3, 377 - 2 - HeartGauge::kSize * HeartGauge::kHearts);
        bind(ControlId::heart, nullptr, [this, hearts](const Control& now, const Control* before) {
            sync::hearts(hearts, pictures(), now, before);
        });
    }

    void build_actions() {
        auto* talk = named(new DialogueBox(central_), ControlId::Talk);
        talk->setGeometry(104, 128, 337, 49);
        QFont bold = talk->font();
        bold.setBold(true);
        talk->setFont(bold);
        // The keyboard reaches the box too, to scroll back through a reply
        // longer than the box; it comes after the list and its button.
        talk->setFocusPolicy(Qt::StrongFocus);
        talk->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        talk->setTabChangesFocus(true);
        bind(ControlId::Talk, talk,
             [talk](const Control& now, const Control* before) { sync::text_view(talk, now, before); });

        auto* frame1 = named(new TitledFrame(central_), ControlId::Frame1);
        frame1->setGeometry(104, 176, 337, 209);
        bind(ControlId::Frame1, nullptr,
             [frame1](const Control& now, const Control* before) { sync::frame(frame1, now, before); });

        auto* list = named(new ListBox(frame1), ControlId::Do_List);
        list->setGeometry(8, 16, 321, 160);
        bind(ControlId::Do_List, list,
             [list](const Control& now, const Control* before) { sync::list(list, now, before); });
        forward_pick(list, ControlId::Do_List);

        auto* ok = named(new QPushButton(frame1), ControlId::cmd_ok);
        ok->setGeometry(256, 184, 73, 17);
        ok->setAutoDefault(true);
        bind(ControlId::cmd_ok, ok,
             [ok](const Control& now, const Control* before) { sync::button(ok, now, before); });
        forward_click(ok, ControlId::cmd_ok);
        QWidget::setTabOrder(list, ok);
        QWidget::setTabOrder(ok, talk);
    }

    void bind_action(QAction* action, ControlId name) {
        action->setObjectName(object_name(name));
        bind(name, nullptr, [action](const Control& now, const Control* before) {
            sync::action(action, now, before);
        });
        forward_click(action, name);
    }

    QMenu* bind_menu(ControlId name) {
        QMenu* menu = window_->menuBar()->addMenu(QString());
        menu->setObjectName(object_name(name));
        QAction* title = menu->menuAction();
        title->setObjectName(object_name(name));
        bind(name, nullptr, [title](const Control& now, const Control* before) {
            sync::action(title, now, before);
        });
        // Opening a menu is the click on its title; the game lets it open.
        QObject::connect(menu, &QMenu::aboutToShow, menu,
                         [m = &manager(), control = name] {
                             m->click(WindowId::Form1, control);
                         });
        return menu;
    }

    void build_menus() {
        QMenu* file = bind_menu(ControlId::ngame);
        bind_action(file->addAction(QString()), ControlId::newgame);
        bind_action(file->addAction(QString()), ControlId::rstart);
        file->addSeparator();
        bind_action(file->addAction(QString()), ControlId::exit);

        bind_action(window_->menuBar()->addAction(QString()), ControlId::hscores);

        QMenu* sounds = bind_menu(ControlId::snds);
        bind_action(sounds->addAction(QString()), ControlId::sndenable);

        QMenu* help = bind_menu(ControlId::help);
        bind_action(help->addAction(QString()), ControlId::onlinehelp);
        help->addSeparator();
        bind_action(help->addAction(QString()), ControlId::about);
    }

    GameMainWindow* window_ = nullptr;
    QWidget* central_ = nullptr;
    std::vector<PictureButton*> buttons_;
    std::array<std::string, 5> captions_;
};

} // namespace

std::unique_ptr<WindowAdapter> make_main_window(WindowManager& manager) {
    return std::make_unique<MainWindowAdapter>(manager);
}

} // namespace swoonery::ui
