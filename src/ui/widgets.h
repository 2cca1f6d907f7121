// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The few widgets of the game's windows that Qt has no exact match for, and
// the two window frames, whose close box and resize report to the game
// instead of acting on their own.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QString>
#include <QTableWidget>
#include <QToolButton>

#include <array>
#include <functional>
#include <vector>

namespace swoonery::ui {

// A picture box: draws its picture scaled smoothly into its contents,
// keeping the picture's proportions. No picture draws nothing.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // `file` is the name the picture came from, kept for tests and tools.
    void set_picture(const QString& file, const QPixmap& picture);
    const QString& file() const { return file_; }
    bool has_picture() const { return !picture_.isNull(); }
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString file_;
    QPixmap picture_;
};

// A frame with its caption on the top edge. Drawn by hand: the style's own
// group box reads a picture at its first paint, and with it every image
// plugin Qt has, which costs the first window a good part of its start-up.
class TitledFrame : public QWidget {
    Q_OBJECT
public:
    explicit TitledFrame(QWidget* parent = nullptr);
    void set_title(const QString& title);
    const QString& title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

// A button with its picture above its caption; Enter presses it as Space
// does. It wears a focus frame while it has the keyboard, whatever the style.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    void set_picture(const QString& file, const QPixmap& picture);
    const QString& file() const { return file_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit_icon();
    QString file_;
};

// A list box whose rows keep their tab-separated columns apart, and which
// tells a row the player picked (by mouse or keyboard) from one set in code.
// Its tab stops are set by its rows: every row's column n starts at the
// same place, a gap after the longest text of column n - 1.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    // The selected row, -1 for none.
    int selected_row() const;
    // Where column `column` (the text after that many tabs) starts, in
    // pixels from the left of a row's text.
    int column_start(int column) const;
    // The space left between the longest text of a column and the next.
    int column_gap() const;
    // The part of row `row`, in viewport coordinates, where its text is drawn.
    QRect text_rect(int row) const;

Q_SIGNALS:
    void row_picked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    mutable std::vector<int> columns_;
};

// A grid whose row 0 is its fixed row: the row keeps its cells (so the grid
// still holds every row the game gave it), but is shown in the grid's top
// header, which never scrolls, and is hidden from the scrolling rows.
class FixedRowGrid : public QTableWidget {
    Q_OBJECT
public:
    FixedRowGrid(int rows, int columns, QWidget* parent = nullptr);
    // Copies row 0's cells (text, alignment, colours) into the header; call
    // after the cells change.
    void show_fixed_row();
    // Sets the column widths: `weights` shared out over the room beside the
    // vertical scroll bar, each column at least as wide as its widest text or
    // `widest[c]`, the extra width (or the shortfall) taken from `elastic`.
    void fit_columns(const std::vector<int>& weights, const std::vector<QString>& widest,
                     int elastic);
    // Scrolls so that `row` is in view with as many rows above it as fit.
    void bring_into_view(int row);
    // The width a cell needs to show `text` in full.
    int cell_width(const QString& text) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scroll_to_wanted_row();
    int wanted_row_ = -1;
};

// A read-only text box that keeps its last line in view: after every new
// text, and through the layout changes that follow it (a scroll bar coming
// up narrows the box and wraps the text anew), until the player scrolls.
class DialogueBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DialogueBox(QWidget* parent = nullptr);
    // Replaces the text and shows its end.
    void set_text(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void show_end();
    bool pinned_ = false;
};

// A label that acts like a link: clicked by the mouse, or by Space or Enter
// once it has the keyboard focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressed_ = false;
};

// The heart gauge: a column of 21 small pictures, the first n of them
// shown, counted from the bottom, each named after the gauge with its number
// ("_0" at the bottom). A screen reader reads it as one level bar whose value
// is the heart number shown above it.
class HeartGauge : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHearts = 21;
    static constexpr int kSize = 17;
    static constexpr int kMaximum = 100;

    explicit HeartGauge(QWidget* parent = nullptr);
    void set_picture(const QString& file, const QPixmap& picture);
    void set_shown(int n);
    int shown() const { return shown_; }
    const QString& file() const { return hearts_[0]->file(); }
    // The number the gauge stands for, 0 to 100; a change is announced.
    void set_level(int level);
    int level() const { return level_; }

private:
    std::array<PictureBox*, kHearts> hearts_{};
    int shown_ = 0;
    int level_ = 0;
};

// The frame of every window but the main one: a dialog with a fixed border
// whose close box and Escape key ask the game instead of closing.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameDialog(int width, int height);
    std::function<void()> on_close;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The frame of the main window: its close box asks the game, and each
// resize (the first showing included) is reported.
class GameMainWindow : public QMainWindow {
    Q_OBJECT
public:
    GameMainWindow();
    std::function<void()> on_close;
    std::function<void()> on_resize;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace swoonery::ui
