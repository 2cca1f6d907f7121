// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player must be able to read: the top-20 table's header and its
// new row, every score in full, the last line of the dialogue box, the
// sliders' numbers and the list columns of every menu.
#include "test_support.h"

#include "scores/score_file.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextCursor>

#include <algorithm>

using namespace swoonery;
using namespace swoonery::ui;
using namespace swoonery::ui::testing;

namespace {

// Sets her heart value as a game event would, and shows it.
void set_heart(Harness& h, int value) {
    h.game.state().heart_value = static_cast<int16>(value);
    h.game.display_heart(static_cast<int16>(value));
    h.windows.refresh();
}

// A table file of `better` results above the score of the win below and
// `worse` results under it.
void write_table(Harness& h, int better, int worse, double best = 2e9) {
    scores::ScoreTable table;
    for (auto& e : table) {
        e = scores::empty_entry();
    }
    for (int i = 0; i < better + worse && i < 21; ++i) {
        auto& e = table[static_cast<std::size_t>(i)];
        e.name = scores::fit_name(i < better ? "Alexander Montgomery" : "Al");
        e.score = i < better ? best - i : 5e8 - i;
        e.days = 29;
        e.money = Currency::dollars(32000);
    }
    QVERIFY(scores::write_scores(h.folder.filePath(QStringLiteral("Scores")).toStdString(), table)
                .empty());
}

// Wins the game as a player would: a call and a topic she likes at 95 hearts,
// then OK on the win window. The score is 1000000000.
FixedRowGrid* win_to_the_table(Harness& h) {
    h.start_game();
    set_heart(h, 95);
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer));
    click_row(h.find<ui::ListBox>(Window::Main, Control::ActionList), 1);
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));
    click(h.find<QAbstractButton>(Window::Win, Control::Ok));
    auto* grid = h.find<FixedRowGrid>(Window::HighScores, Control::ScoreGrid);
    if (grid == nullptr || !QTest::qWaitForWindowExposed(grid->window())) {
        return nullptr;
    }
    return grid;
}

// Whether all of row `row` lies inside the grid's viewport.
// Starts a game and calls her about two topics; the second, Art, which she
// does not care for, ends the call with the goodbye. Returns the dialogue box.
QPlainTextEdit* call_to_the_goodbye(Harness& h) {
    h.start_game();
    click(h.find<QAbstractButton>(Window::Main, Control::CallHer));
    auto* list = h.find<ui::ListBox>(Window::Main, Control::ActionList);
    click_row(list, 0);
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));
    click_row(list, 10);
    click(h.find<QAbstractButton>(Window::Main, Control::ActionButton));
    return h.find<QPlainTextEdit>(Window::Main, Control::Dialogue);
}

bool row_in_view(const QTableWidget* grid, int row) {
    const int top = grid->rowViewportPosition(row);
    return !grid->isRowHidden(row) && top >= 0 &&
           top + grid->rowHeight(row) <= grid->viewport()->height();
}

// The first column of dark ink at or right of `from` in the band of `rows`
// of the grabbed `image`, -1 for none.
int first_ink(const QImage& image, const QRect& band, int from) {
    for (int x = std::max(0, from); x < image.width(); ++x) {
        for (int y = band.top() + 1; y < band.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                return x;
            }
        }
    }
    return -1;
}

} // namespace

class ReadableWindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void table_keeps_its_header_and_the_rows_above_data();
    void table_keeps_its_header_and_the_rows_above();
    void every_cell_is_read_in_full();
    void the_goodbye_is_in_view();
    void dialogue_box_takes_the_keyboard_but_no_typing();
    void dialogue_box_survives_texts_of_changing_length();
    void sliders_show_their_numbers();
    void menu_columns_line_up_data();
    void menu_columns_line_up();
    void message_box_is_as_wide_as_its_title();
};

void ReadableWindowsTest::table_keeps_its_header_and_the_rows_above_data() {
    QTest::addColumn<int>("better");
    QTest::addColumn<int>("rank");
    QTest::newRow("a win at rank 1") << 0 << 1;
    QTest::newRow("a win at rank 2") << 1 << 2;
    QTest::newRow("a win at rank 20") << 19 << 20;
}

void ReadableWindowsTest::table_keeps_its_header_and_the_rows_above() {
    // The column titles stay in view above the rows, and the new entry is
    // shown with as many of the better rows above it as the grid can hold.
    QFETCH(int, better);
    QFETCH(int, rank);
    Harness h;
    write_table(h, better, 20 - better);
    FixedRowGrid* grid = win_to_the_table(h);
    QVERIFY(grid != nullptr);
    QCOMPARE(h.game.window_as<ScoresWindow>(Window::HighScores).grid.red_rows,
             std::vector<int>({rank}));

    QHeaderView* header = grid->horizontalHeader();
    QVERIFY(header->isVisible());
    const QStringList titles = {QString(), QStringLiteral("Name"), QStringLiteral("Total Days  "),
                                QStringLiteral("Money Spent "), QStringLiteral("Score  ")};
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(grid->horizontalHeaderItem(c)->text(), titles[c]);
    }
    QVERIFY(grid->isRowHidden(0)); // shown in the header, not twice
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Name"));

    QVERIFY(row_in_view(grid, rank));
    int first = 1;
    while (first < rank && !row_in_view(grid, first)) {
        ++first;
    }
    // Every row from the first shown to the new one is in view; the one below
    // the new entry is only shown when the rows above it all are.
    for (int r = first; r <= rank; ++r) {
        QVERIFY2(row_in_view(grid, r), qPrintable(QStringLiteral("row %1").arg(r)));
    }
    if (first > 1) {
        QVERIFY(!row_in_view(grid, rank + 1));
    }
    QCOMPARE(first, std::max(1, rank - (grid->viewport()->height() / grid->rowHeight(1)) + 1));
    VERIFY_SCREEN_MATCHES(h);
}

void ReadableWindowsTest::every_cell_is_read_in_full() {
    // With the best score there can be in every row, no cell is cut off and
    // there is nothing to scroll sideways; the grid keeps its size.
    Harness h;
    write_table(h, 20, 0, 10000000000.0);
    FixedRowGrid* grid = win_to_the_table(h);
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->geometry(), QRect(8, 8, 492, 342));
    QCOMPARE(grid->item(1, 4)->text(), QStringLiteral("10000000000"));
    QVERIFY(grid->verticalScrollBar()->isVisible());
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);

    // What a cell needs is the item delegate's own word for it, plus the
    // grid line; every rank from 1 to 20 and every other cell must have it.
    int total = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        total += grid->columnWidth(c);
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QModelIndex index = grid->model()->index(r, c);
            QStyleOptionViewItem option;
            option.initFrom(grid);
            option.font = grid->font();
            option.fontMetrics = grid->fontMetrics();
            option.rect = QRect(0, 0, grid->columnWidth(c), grid->rowHeight(1));
            const int needed = grid->itemDelegate()->sizeHint(option, index).width() + 1;
            QVERIFY2(needed <= grid->columnWidth(c),
                     qPrintable(QStringLiteral("row %1 column %2: %3 needs %4 of %5")
                                    .arg(r)
                                    .arg(c)
                                    .arg(grid->item(r, c)->text())
                                    .arg(needed)
                                    .arg(grid->columnWidth(c))));
        }
    }
    QVERIFY(total <= grid->viewport()->width());
    // The columns keep their order of size; only the name gave up room.
    QVERIFY(grid->columnWidth(0) < grid->columnWidth(2));
    QVERIFY(grid->columnWidth(2) < grid->columnWidth(3));
    QVERIFY(grid->columnWidth(1) > 2 * grid->columnWidth(3) - 20);
}

void ReadableWindowsTest::the_goodbye_is_in_view() {
    // The second topic of a call ends it with a goodbye appended to her
    // reply; however the reply wraps, the goodbye's line is in view.
    Harness h;
    QPlainTextEdit* talk = call_to_the_goodbye(h);
    QVERIFY(talk->toPlainText().endsWith(QStringLiteral(" I got go now BYE!!")));
    QCoreApplication::processEvents(); // the layout that follows a new text

    QVERIFY(talk->verticalScrollBar()->maximum() > 0); // more lines than the box shows
    QCOMPARE(talk->verticalScrollBar()->value(), talk->verticalScrollBar()->maximum());
    QTextCursor end(talk->document());
    end.movePosition(QTextCursor::End);
    const QRect last = talk->cursorRect(end);
    QVERIFY2(talk->viewport()->rect().contains(last),
             qPrintable(QStringLiteral("last line at %1..%2 of %3")
                            .arg(last.top())
                            .arg(last.bottom())
                            .arg(talk->viewport()->height())));
    VERIFY_SCREEN_MATCHES(h);
}

void ReadableWindowsTest::dialogue_box_takes_the_keyboard_but_no_typing() {
    // Tab reaches the dialogue box after the list and its button; the arrow
    // keys scroll it back, and typing changes nothing.
    Harness h;
    QPlainTextEdit* talk = call_to_the_goodbye(h);
    auto* list = h.find<ui::ListBox>(Window::Main, Control::ActionList);
    const QString before = talk->toPlainText();

    QWidget* main = h.window(Window::Main);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), talk);
    const int bottom = talk->verticalScrollBar()->value();
    QVERIFY(bottom > 0);
    QTest::keyClick(talk, Qt::Key_Up);
    QTest::keyClick(talk, Qt::Key_Up);
    QVERIFY(talk->verticalScrollBar()->value() < bottom);
    QTest::keyClicks(talk, QStringLiteral("xyz"));
    QTest::keyClick(talk, Qt::Key_Backspace);
    QCOMPARE(talk->toPlainText(), before);
    QCOMPARE(QString::fromStdString(h.game.main_window()->dialogue.text)
                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             before);
}

void ReadableWindowsTest::dialogue_box_survives_texts_of_changing_length() {
    // New texts that make the scroll bar come and go, one after another, as
    // quick calls do: keeping the end in view must never touch the document
    // while it is still taking a text in (that corrupted memory), and the
    // last line is in view after each.
    DialogueBox box;
    box.resize(300, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QString line = QStringLiteral("Lisa: Ohh .... How are you??? I am fine thanks\r\n");
    for (int i = 0; i < 400; ++i) {
        box.set_text(line.repeated(1 + (i * 7) % 13) + QStringLiteral("Lisa: I got go now BYE!!"));
        if (i % 3 == 0) {
            box.resize(300 - i % 40, 60 + i % 7);
        }
        QCoreApplication::processEvents();
        QCOMPARE(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
    }
}

void ReadableWindowsTest::sliders_show_their_numbers() {
    // Each slider's number follows it, whether the player moved it or the
    // pool's rule cut it.
    Harness h;
    h.windows.start();
    auto number = [&h](Control slider) {
        return h.find<QLabel>(Window::Setup, slider, QStringLiteral("_value"))->text();
    };
    QCOMPARE(number(Control::Looks), QStringLiteral("50"));
    QCOMPARE(number(Control::Smart), QStringLiteral("50"));
    QCOMPARE(number(Control::Luck), QStringLiteral("50"));

    auto* looks = h.find<QSlider>(Window::Setup, Control::Looks);
    QTest::keyClick(looks, Qt::Key_PageUp);
    QTest::keyClick(looks, Qt::Key_PageUp);
    settle();
    QCOMPARE(number(Control::Looks), QStringLiteral("60"));
    QCOMPARE(number(Control::Smart), QStringLiteral("45"));
    QCOMPARE(number(Control::Luck), QStringLiteral("45"));

    auto* luck = h.find<QSlider>(Window::Setup, Control::Luck);
    QTest::keyClick(luck, Qt::Key_Home);
    settle();
    QCOMPARE(number(Control::Luck), QStringLiteral("0"));
    QCOMPARE(number(Control::Looks), QStringLiteral("60"));
    // The numbers stand beside their sliders, inside the form.
    QWidget* form = h.window(Window::Setup);
    for (const Control slider : {Control::Looks, Control::Smart, Control::Luck}) {
        auto* s = h.find<QSlider>(Window::Setup, slider);
        auto* n = h.find<QLabel>(Window::Setup, slider, QStringLiteral("_value"));
        const QRect sr(s->mapTo(form, QPoint(0, 0)), s->size());
        const QRect nr(n->mapTo(form, QPoint(0, 0)), n->size());
        QVERIFY(!sr.intersects(nr));
        QVERIFY(nr.left() >= sr.right());
        QVERIFY(std::abs(nr.center().y() - sr.center().y()) <= 4);
        QVERIFY(form->rect().contains(nr));
        QVERIFY(n->fontMetrics().horizontalAdvance(QStringLiteral("100")) <
                n->contentsRect().width());
    }
    QCOMPARE(form->size(), QSize(291, 375));
    VERIFY_SCREEN_MATCHES(h);
}

void ReadableWindowsTest::message_box_is_as_wide_as_its_title() {
    // A message box with a short text and a longer title is wide enough for
    // the title in a title bar's bold face and the frame's buttons, so no
    // window manager has to cut the title short.
    Harness h;
    h.start_game();
    h.browser.outcome = BrowserResult::NotFound;
    h.find<QAction>(Window::Main, Control::OnlineHelp)->trigger();
    settle();
    QWidget* box = h.window(Window::MessageBox);
    QVERIFY(box != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QCOMPARE(box->windowTitle(), QStringLiteral("Browser Not Found"));
    QFont bold = box->font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
    QVERIFY2(box->width() >= title + 100,
             qPrintable(QStringLiteral("%1 px for a title of %2 px").arg(box->width()).arg(title)));
}

void ReadableWindowsTest::menu_columns_line_up_data() {
    QTest::addColumn<Control>("button");
    QTest::addColumn<int>("heart");
    QTest::addColumn<QList<int>>("columns"); // the columns (tab counts) that must line up
    QTest::newRow("gifts") << Control::BuyGift << 20 << QList<int>{1};
    QTest::newRow("topics") << Control::CallHer << 20 << QList<int>{};
    QTest::newRow("places") << Control::TakeHerOut << 40 << QList<int>{3};
    QTest::newRow("jobs") << Control::GoToWork << 20 << QList<int>{1, 2};
    QTest::newRow("shopping") << Control::GoShopping << 20 << QList<int>{2};
}

void ReadableWindowsTest::menu_columns_line_up() {
    // In every menu each price (and each job's availability) starts at the
    // same place in every row, clear of the longest text before it, and ends
    // inside the list.
    QFETCH(Control, button);
    QFETCH(int, heart);
    QFETCH(QList<int>, columns);
    Harness h;
    h.start_game();
    set_heart(h, heart);
    h.game.change_cash(2000);
    h.windows.refresh();
    h.rng.push({0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.5, 0.5});
    click(h.find<QAbstractButton>(Window::Main, button));
    auto* list = h.find<ui::ListBox>(Window::Main, Control::ActionList);
    QVERIFY(list->count() > 0);
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QFontMetrics fm = list->fontMetrics();
    const QImage image = list->viewport()->grab().toImage();

    for (const int column : columns) {
        int ink = -1;
        for (int r = 0; r < list->count(); ++r) {
            const QStringList parts = list->item(r)->text().split(QLatin1Char('\t'));
            QVERIFY(parts.size() > column);
            const QRect text = list->text_rect(r);
            if (text.bottom() > list->viewport()->height()) {
                break; // below the list's edge: not drawn
            }
            // Everything before the column ends a gap short of where it starts.
            int before = 0;
            for (int c = 0; c < column; ++c) {
                if (!parts[c].isEmpty()) {
                    before =
                        std::max(before, list->column_start(c) + fm.horizontalAdvance(parts[c]));
                }
            }
            QVERIFY(before + list->column_gap() <= list->column_start(column));
            QVERIFY2(text.left() + list->column_start(column) +
                             fm.horizontalAdvance(parts[column]) <=
                         text.right(),
                     qPrintable(parts.join(QLatin1Char('|'))));
            // Where the ink of the column's text starts on screen: the same
            // for every row, its first letter being the same or the same kind.
            const int x =
                first_ink(image, QRect(text.left(), text.top(), 1, text.height()),
                          text.left() + list->column_start(column) - list->column_gap() / 2);
            QVERIFY(x >= 0);
            if (ink < 0) {
                ink = x;
            }
            QVERIFY2(std::abs(x - ink) <= 1,
                     qPrintable(QStringLiteral("row %1 (%2) starts at %3, not %4")
                                    .arg(r)
                                    .arg(parts.join(QLatin1Char('|')))
                                    .arg(x)
                                    .arg(ink)));
        }
    }
    if (columns.isEmpty()) {
        for (int r = 0; r < list->count(); ++r) {
            QVERIFY(!list->item(r)->text().contains(QLatin1Char('\t')));
        }
    }
    VERIFY_SCREEN_MATCHES(h);
}

QTEST_MAIN(ReadableWindowsTest)
#include "readable_windows_test.moc"
