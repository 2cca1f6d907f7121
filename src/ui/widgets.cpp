// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets.h"

#include "ui/pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

namespace swoonery::ui {

// ---- PictureBox -----------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {}

void PictureBox::set_picture(const QString& file, const QPixmap& picture) {
    file_ = file;
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    draw_fitted(p, contentsRect(), picture_);
}

// ---- TitledFrame ----------------------------------------------------------------

TitledFrame::TitledFrame(QWidget* parent) : QWidget(parent) {}

void TitledFrame::set_title(const QString& title) {
    title_ = title;
    // Read as a group under its caption.
    setAccessibleName(title);
    update();
}

void TitledFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int top = title_.isEmpty() ? 0 : fm.height() / 2;
    // An etched line: dark, with a light one inside it.
    const QRect outer = rect().adjusted(0, top, -2, -2);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(outer);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(outer.translated(1, 1));
    if (!title_.isEmpty()) {
        const int gap = 3;
        const QString shown = fm.elidedText(title_, Qt::ElideRight, width() - 16 - 2 * gap);
        const QRect text(8, 0, fm.horizontalAdvance(shown) + 2 * gap, fm.height());
        p.fillRect(text, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(text.adjusted(gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
}

// ---- PictureButton --------------------------------------------------------------

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::set_picture(const QString& file, const QPixmap& picture) {
    file_ = file;
    setIcon(smooth_icon(picture));
    fit_icon();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    QToolButton::resizeEvent(event);
    fit_icon();
}

void PictureButton::changeEvent(QEvent* event) {
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fit_icon();
    }
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // The style marks a focused tool button faintly or not at all: a frame
    // in the highlight colour, inside the button's bevel.
    QPainter p(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
}

void PictureButton::fit_icon() {
    // Whatever room the caption leaves, up to 48 pixels.
    const int room = height() - fontMetrics().height() - 14;
    const int side = std::clamp(std::min(room, width() - 12), 8, 48);
    setIconSize(QSize(side, side));
}

// ---- ListBox --------------------------------------------------------------------

namespace {

// Draws a row's tab-separated parts at the columns its list box works out.
class TabStopDelegate final : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(ListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QRect r = list_->text_rect(index.row());
        const QPalette::ColorGroup group =
            !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled : QPalette::Normal;
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(
            opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setClipRect(r);
        const QStringList parts = text.split(QLatin1Char('\t'));
        for (int c = 0; c < parts.size(); ++c) {
            if (parts[c].isEmpty()) {
                continue;
            }
            const QRect cell(r.left() + list_->column_start(c), r.top(), r.width(), r.height());
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              parts[c]);
        }
        painter->restore();
    }

private:
    ListBox* list_;
};

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TabStopDelegate(this));
    // The columns follow the rows: worked out afresh whenever they change.
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] { columns_.clear(); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] { columns_.clear(); });
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { columns_.clear(); });
    connect(model(), &QAbstractItemModel::dataChanged, this, [this] { columns_.clear(); });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT row_picked(row(item)); });
}

int ListBox::selected_row() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

int ListBox::column_gap() const {
    return 2 * fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 4;
}

int ListBox::column_start(int column) const {
    if (columns_.empty()) {
        // A run of tabs is one step to the next column: a column that is empty
        // in every row takes no room. Each column starts a gap after the
        // longest text of the column before it, blanks included.
        const QFontMetrics fm = fontMetrics();
        std::vector<QStringList> rows;
        int widest = 0;
        for (int r = 0; r < count(); ++r) {
            rows.push_back(item(r)->text().split(QLatin1Char('\t')));
            widest = std::max(widest, static_cast<int>(rows.back().size()));
        }
        columns_.assign(static_cast<std::size_t>(std::max(widest, 1)), 0);
        for (int c = 1; c < widest; ++c) {
            int end = columns_[static_cast<std::size_t>(c - 1)];
            bool any = false;
            for (const QStringList& parts : rows) {
                if (c - 1 < parts.size() && !parts[c - 1].isEmpty()) {
                    any = true;
                    end = std::max(end, columns_[static_cast<std::size_t>(c - 1)] +
                                            fm.horizontalAdvance(parts[c - 1]));
                }
            }
            columns_[static_cast<std::size_t>(c)] = any ? end + column_gap() : end;
        }
    }
    if (column < 0) {
        return 0;
    }
    return column < static_cast<int>(columns_.size()) ? columns_[static_cast<std::size_t>(column)]
                                                      : columns_.back();
}

QRect ListBox::text_rect(int row) const {
    QStyleOptionViewItem opt;
    initViewItemOption(&opt);
    opt.rect = visualRect(model()->index(row, 0));
    opt.features |= QStyleOptionViewItem::HasDisplay;
    QRect r = style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return r.adjusted(margin, 0, -margin, 0);
}

void ListBox::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        columns_.clear();
    }
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = selected_row();
    // A freshly filled list marks its first row as current but chooses none:
    // the first arrow, Home or Space chooses the row the focus frame is on
    // (End the last), instead of moving past it or doing nothing.
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (before < 0 && currentItem() != nullptr && plain) {
        const int key = event->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Space ||
            key == Qt::Key_Home || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
            key == Qt::Key_End) {
            const int chosen = key == Qt::Key_Home || key == Qt::Key_PageUp ? 0
                               : key == Qt::Key_End                         ? count() - 1
                                                                            : currentRow();
            setCurrentRow(chosen, QItemSelectionModel::ClearAndSelect);
            event->accept();
            Q_EMIT row_picked(chosen);
            return;
        }
    }
    // Space on the chosen row chooses it again, as a click on it does (the
    // action button comes back for another go), instead of searching the
    // rows for one that starts with a blank.
    if (before >= 0 && plain && event->key() == Qt::Key_Space) {
        event->accept();
        Q_EMIT row_picked(before);
        return;
    }
    QListWidget::keyPressEvent(event);
    const int after = selected_row();
    if (after >= 0 && after != before) {
        Q_EMIT row_picked(after);
    }
}

// ---- FixedRowGrid ---------------------------------------------------------------

FixedRowGrid::FixedRowGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // Twenty rows never fit: the scroll bar is always there, and the columns
    // are sized for the room it leaves.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (rows > 0) {
        setRowHidden(0, true);
    }
}

void FixedRowGrid::show_fixed_row() {
    if (rowCount() == 0) {
        return;
    }
    setRowHidden(0, true);
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* cell = item(0, c);
        QTableWidgetItem* head = horizontalHeaderItem(c);
        if (head == nullptr) {
            head = new QTableWidgetItem;
            setHorizontalHeaderItem(c, head);
        }
        if (cell == nullptr) {
            head->setText(QString());
            continue;
        }
        head->setText(cell->text());
        head->setTextAlignment(Qt::Alignment::fromInt(cell->textAlignment()));
        head->setForeground(cell->foreground());
    }
    // The row's background goes to the whole header as a style sheet rather
    // than to each title: a title's own background gives every painting of
    // it a palette of its own, which the style's cache of painted sections
    // took for a new one each time, so every opening of a window added
    // pictures to that cache until it was full.
    const QTableWidgetItem* first = item(0, 0);
    const QColor ground = first != nullptr && first->background().style() != Qt::NoBrush
                              ? first->background().color()
                              : QColor();
    const QString sheet =
        ground.isValid() ? QStringLiteral("QHeaderView::section { background-color: %1;"
                                          " border: none; border-right: 1px solid palette(mid);"
                                          " border-bottom: 1px solid palette(mid); }")
                               .arg(ground.name())
                         : QString();
    if (horizontalHeader()->styleSheet() != sheet) {
        horizontalHeader()->setStyleSheet(sheet);
    }
}

int FixedRowGrid::cell_width(const QString& text) const {
    // What the style keeps of a cell for its text, asked of the style itself
    // on a cell of a trial width: the grid line, the text rectangle's own
    // inset and the text margin on each side that painting takes off again.
    constexpr int kTrial = 200;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    option.rect = QRect(0, 0, kTrial - (showGrid() ? 1 : 0), rowHeight(0) > 0 ? rowHeight(0) : 20);
    const QRect room = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int kept = kTrial - (room.width() - 2 * margin);
    // Text is laid out in fractions of a pixel: round the width up.
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text))) + kept;
}

void FixedRowGrid::fit_columns(const std::vector<int>& weights, const std::vector<QString>& widest,
                               int elastic) {
    const int columns = std::min(columnCount(), static_cast<int>(weights.size()));
    if (columns == 0 || elastic < 0 || elastic >= columns) {
        return;
    }
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    int total_weight = 0;
    for (int c = 0; c < columns; ++c) {
        total_weight += weights[static_cast<std::size_t>(c)];
    }
    if (total_weight <= 0) {
        return;
    }
    int used = 0;
    for (int c = 0; c < columns; ++c) {
        if (c == elastic) {
            continue;
        }
        const auto i = static_cast<std::size_t>(c);
        int w = room * weights[i] / total_weight;
        if (i < widest.size()) {
            w = std::max(w, cell_width(widest[i]));
        }
        for (int r = 0; r < rowCount(); ++r) {
            if (const QTableWidgetItem* cell = item(r, c)) {
                w = std::max(w, cell_width(cell->text()));
            }
        }
        setColumnWidth(c, w);
        used += w;
    }
    setColumnWidth(elastic, std::max(1, room - used));
}

void FixedRowGrid::bring_into_view(int row) {
    wanted_row_ = row;
    if (isVisible()) {
        scroll_to_wanted_row();
    }
}

void FixedRowGrid::showEvent(QShowEvent* event) {
    QTableWidget::showEvent(event);
    // Until the grid is shown its viewport has no size to scroll by.
    scroll_to_wanted_row();
}

void FixedRowGrid::scroll_to_wanted_row() {
    if (wanted_row_ < 0 || wanted_row_ >= rowCount()) {
        return;
    }
    updateGeometries();
    verticalScrollBar()->setValue(0);
    // From the top, the least scrolling that shows the row leaves it at the
    // bottom, with as many rows above it as fit.
    scrollTo(model()->index(wanted_row_, 0), QAbstractItemView::EnsureVisible);
}

// ---- DialogueBox ----------------------------------------------------------------

DialogueBox::DialogueBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // The player's own scrolling (keys, wheel, the bar) lets go of the end.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { pinned_ = false; });
    // The range changes while the document is still inside an edit (a new
    // text's layout); moving the cursor then would change the document's
    // cursors while it is going through them, so the end is shown once the
    // edit is over.
    connect(
        verticalScrollBar(), &QScrollBar::rangeChanged, this,
        [this] {
            if (pinned_) {
                show_end();
            }
        },
        Qt::QueuedConnection);
}

void DialogueBox::set_text(const QString& text) {
    setPlainText(text);
    pinned_ = true;
    show_end();
}

void DialogueBox::show_end() {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void DialogueBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    if (pinned_) {
        show_end();
    }
}

void DialogueBox::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    if (pinned_) {
        show_end();
    }
}

// ---- LinkLabel ------------------------------------------------------------------

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool was_pressed = pressed_;
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (was_pressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    QLabel::focusOutEvent(event);
}

// ---- HeartGauge -----------------------------------------------------------------

HeartGauge::HeartGauge(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize * kHearts);
    for (int i = 0; i < kHearts; ++i) {
        auto* heart = new PictureBox(this);
        heart->setGeometry(0, kSize * (kHearts - 1 - i), kSize, kSize);
        heart->hide();
        hearts_[static_cast<std::size_t>(i)] = heart;
    }
    // Each heart is named after the gauge, with its number from the bottom.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        for (int i = 0; i < kHearts; ++i) {
            hearts_[static_cast<std::size_t>(i)]->setObjectName(name +
                                                                QStringLiteral("_%1").arg(i));
        }
    });
}

void HeartGauge::set_picture(const QString& file, const QPixmap& picture) {
    for (PictureBox* heart : hearts_) {
        heart->set_picture(file, picture);
    }
}

void HeartGauge::set_level(int level) {
    level = std::clamp(level, 0, kMaximum);
    if (level == level_) {
        return;
    }
    level_ = level;
    QAccessibleValueChangeEvent event(this, level_);
    QAccessible::updateAccessibility(&event);
}

void HeartGauge::set_shown(int n) {
    n = std::clamp(n, 0, kHearts);
    for (int i = 0; i < kHearts; ++i) {
        hearts_[static_cast<std::size_t>(i)]->setVisible(i < n);
    }
    shown_ = n;
}

// ---- Window frames --------------------------------------------------------------

GameDialog::GameDialog(int width, int height) : QDialog(nullptr) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(width, height);
    setSizeGripEnabled(false);
}

void GameDialog::reject() {
    if (on_close) {
        on_close();
    }
}

void GameDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (on_close) {
        on_close();
    }
}

GameMainWindow::GameMainWindow() : QMainWindow(nullptr) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void GameMainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (on_close) {
        on_close();
    }
}

void GameMainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (on_resize) {
        on_resize();
    }
}

} // namespace swoonery::ui
