#include "ui/widgets.h"

#include "ui/pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextOption>

#include <algorithm>

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

void PictureButton::fit_icon() {
    // Whatever room the caption leaves, up to 48 pixels.
    const int room = height() - fontMetrics().height() - 14;
    const int side = std::clamp(std::min(room, width() - 12), 8, 48);
    setIconSize(QSize(side, side));
}

// ---- ListBox --------------------------------------------------------------------

namespace {

// Draws a row's text with tab stops every eight average characters, as list
// boxes have always done, so that the price columns line up.
class TabStopDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        QRect r = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        r.adjust(margin, 0, -margin, 0);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled)
                                               ? QPalette::Disabled
                                               : QPalette::Normal;
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        QTextOption to(Qt::AlignLeft | Qt::AlignVCenter);
        to.setWrapMode(QTextOption::NoWrap);
        to.setTabStopDistance(8.0 * QFontMetricsF(opt.font).averageCharWidth());
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(
            opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setClipRect(r);
        painter->drawText(QRectF(r), text, to);
        painter->restore();
    }
};

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TabStopDelegate(this));
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

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = selected_row();
    QListWidget::keyPressEvent(event);
    const int after = selected_row();
    if (after >= 0 && after != before) {
        Q_EMIT row_picked(after);
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
        heart->setObjectName(QStringLiteral("heart_%1").arg(i));
        heart->setGeometry(0, kSize * (kHearts - 1 - i), kSize, kSize);
        heart->hide();
        hearts_[static_cast<std::size_t>(i)] = heart;
    }
}

void HeartGauge::set_picture(const QString& file, const QPixmap& picture) {
    for (PictureBox* heart : hearts_) {
        heart->set_picture(file, picture);
    }
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
