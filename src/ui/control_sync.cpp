// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_sync.h"

#include "ui/pictures.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QBrush>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QTableWidget>

#include <algorithm>

namespace swoonery::ui {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString qt_multiline(const std::string& text) {
    QString s = qt_text(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

namespace {

// The position in UTF-16 units of the character `chars` characters into `s`.
int utf16_index(const QString& s, int chars) {
    int index = 0;
    for (int n = 0; n < chars && index < s.size(); ++n) {
        index += s.at(index).isHighSurrogate() && index + 1 < s.size() ? 2 : 1;
    }
    return index;
}

// Whether `field` of the model differs from the copy last shown, or there is
// none.
template <class Model, class Field>
bool changed(const Model& now, const Model* before, Field field) {
    return before == nullptr || before->*field != now.*field;
}

} // namespace

namespace sync {

void accessible_name(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) {
        w->setAccessibleName(name);
    }
}

void accessible_description(QWidget* w, const QString& description) {
    if (w->accessibleDescription() != description) {
        w->setAccessibleDescription(description);
    }
}

void common(QWidget* w, const ControlBase& now, const ControlBase* before) {
    if (changed(now, before, &ControlBase::visible)) {
        w->setVisible(now.visible);
    }
    if (changed(now, before, &ControlBase::enabled)) {
        w->setEnabled(now.enabled);
    }
    if (changed(now, before, &ControlBase::tooltip)) {
        w->setToolTip(qt_text(now.tooltip));
    }
}

void button(QAbstractButton* w, const Button& now, const Button* before) {
    common(w, now, before);
    if (changed(now, before, &Button::text)) {
        w->setText(qt_text(now.text));
    }
}

void picture_button(PictureButton* w, Pictures& pictures, const Button& now, const Button* before) {
    button(w, now, before);
    if (changed(now, before, &Button::picture)) {
        w->set_picture(qt_text(now.picture), pictures.get(now.picture));
    }
}

void label(QLabel* w, const Label& now, const Label* before) {
    common(w, now, before);
    if (changed(now, before, &Label::text)) {
        w->setText(qt_text(now.text));
    }
}

void frame(TitledFrame* w, const Frame& now, const Frame* before) {
    common(w, now, before);
    if (changed(now, before, &Frame::text)) {
        w->set_title(qt_text(now.text));
    }
}

void line_edit(QLineEdit* w, const TextBox& now, const TextBox* before) {
    const QSignalBlocker block(w);
    common(w, now, before);
    if (changed(now, before, &TextBox::max_length)) {
        w->setMaxLength(now.max_length > 0 ? now.max_length : 32767);
    }
    if (changed(now, before, &TextBox::read_only)) {
        w->setReadOnly(now.read_only);
    }
    const QString text = qt_text(now.text);
    const bool set_here = w->text() != text;
    if (set_here) {
        w->setText(text);
    }
    // A selection the game asks for is shown; the caret the player left
    // after typing is not moved.
    const bool players_edit = !set_here && before != nullptr && before->text != now.text;
    const bool selection_moved = before == nullptr || before->sel_start != now.sel_start ||
                                 before->sel_length != now.sel_length;
    if (set_here || (selection_moved && !players_edit)) {
        const int start = utf16_index(text, now.sel_start);
        const int end = utf16_index(text, now.sel_start + now.sel_length);
        w->setSelection(start, end - start);
    }
}

void text_view(DialogueBox* w, const TextBox& now, const TextBox* before) {
    common(w, now, before);
    if (changed(now, before, &TextBox::read_only)) {
        w->setReadOnly(now.read_only);
    }
    const QString text = qt_multiline(now.text);
    if (changed(now, before, &TextBox::text) || w->toPlainText() != text) {
        const QSignalBlocker block(w);
        // The newest line is the one to read: an appended goodbye must not
        // sit below the box's edge.
        w->set_text(text);
    }
}

void list(ListBox* w, const swoonery::ListBox& now, const swoonery::ListBox* before) {
    const QSignalBlocker block(w);
    common(w, now, before);
    const bool refill = changed(now, before, &swoonery::ListBox::items) ||
                        w->count() != static_cast<int>(now.items.size());
    if (refill) {
        QStringList rows;
        rows.reserve(static_cast<qsizetype>(now.items.size()));
        for (const std::string& item : now.items) {
            rows.push_back(qt_text(item));
        }
        w->clear();
        w->addItems(rows);
        // A row is read as one item, its columns one after the other.
        for (int r = 0; r < w->count(); ++r) {
            QStringList parts = rows[r].split(QLatin1Char('\t'), Qt::SkipEmptyParts);
            for (QString& part : parts) {
                part = part.trimmed();
            }
            parts.removeAll(QString());
            w->item(r)->setData(Qt::AccessibleTextRole, parts.join(QStringLiteral(", ")));
        }
    }
    const bool in_range = now.selected >= 0 && now.selected < w->count();
    if (refill || w->selected_row() != (in_range ? now.selected : -1)) {
        if (in_range) {
            w->setCurrentRow(now.selected);
        } else {
            w->clearSelection();
            w->setCurrentRow(-1);
        }
    }
}

void slider(QSlider* w, const Slider& now, const Slider* before) {
    const QSignalBlocker block(w);
    common(w, now, before);
    if (w->value() != now.value || w->sliderPosition() != now.value) {
        w->setValue(now.value);
        w->setSliderPosition(now.value);
    }
}

void picture(PictureBox* w, Pictures& pictures, const swoonery::PictureBox& now,
             const swoonery::PictureBox* before) {
    common(w, now, before);
    if (changed(now, before, &swoonery::PictureBox::picture)) {
        w->set_picture(qt_text(now.picture), pictures.get(now.picture));
    }
}

void hearts(HeartGauge* w, Pictures& pictures, const swoonery::HeartGauge& now,
            const swoonery::HeartGauge* before) {
    common(w, now, before);
    if (changed(now, before, &swoonery::HeartGauge::picture)) {
        w->set_picture(qt_text(now.picture), pictures.get(now.picture));
    }
    if (changed(now, before, &swoonery::HeartGauge::shown)) {
        w->set_shown(now.shown);
    }
}

void grid(QTableWidget* w, const Grid& now, const Grid* before) {
    const QSignalBlocker block(w);
    common(w, now, before);
    const bool cells_changed = changed(now, before, &Grid::cells);
    if (cells_changed) {
        const auto rows = static_cast<int>(now.cells.size());
        if (rows > w->rowCount()) {
            w->setRowCount(rows);
        }
        for (int r = 0; r < w->rowCount(); ++r) {
            const auto* cells = r < rows ? &now.cells[static_cast<std::size_t>(r)] : nullptr;
            for (int c = 0; c < w->columnCount(); ++c) {
                const QString text = cells != nullptr && c < static_cast<int>(cells->size())
                                         ? qt_text((*cells)[static_cast<std::size_t>(c)])
                                         : QString();
                QTableWidgetItem* item = w->item(r, c);
                if (item == nullptr) {
                    item = new QTableWidgetItem;
                    w->setItem(r, c, item);
                }
                if (item->text() != text) {
                    item->setText(text);
                }
            }
        }
    }
    if (cells_changed || changed(now, before, &Grid::red_rows)) {
        const QBrush red(QColor(255, 0, 0));
        for (int r = 0; r < w->rowCount(); ++r) {
            const bool marked =
                std::find(now.red_rows.begin(), now.red_rows.end(), r) != now.red_rows.end();
            for (int c = 0; c < w->columnCount(); ++c) {
                if (QTableWidgetItem* item = w->item(r, c)) {
                    item->setForeground(marked ? red : QBrush());
                }
            }
        }
    }
}

void action(QAction* a, const MenuEntry& now, const MenuEntry* before) {
    const QSignalBlocker block(a);
    if (changed(now, before, &MenuEntry::text)) {
        a->setText(qt_text(now.text));
    }
    if (changed(now, before, &MenuEntry::visible)) {
        a->setVisible(now.visible);
    }
    if (changed(now, before, &MenuEntry::enabled)) {
        a->setEnabled(now.enabled);
    }
    if (changed(now, before, &MenuEntry::checkable)) {
        a->setCheckable(now.checkable);
    }
    if (a->isChecked() != now.checked) {
        a->setChecked(now.checked);
    }
}

} // namespace sync

} // namespace swoonery::ui
