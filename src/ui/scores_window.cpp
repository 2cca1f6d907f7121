// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The top-20 table: a grid of 22 rows whose first row holds the
// column titles on grey and stays in view, and this game's result in red.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace swoonery::ui {

namespace {

constexpr int kRows = 22;
// Column widths in twips, at 15 twips to the pixel.
constexpr std::array<int, 5> kColumnTwips = {350, 3100, 1250, 1550, 1250};
// The widest text a column may have to show: the best score there can be,
// and the most a 16-bit sum of money and days can reach.
const std::array<const char*, 5> kWidest = {"20", "", "32767 Days", "$32767", "10000000000"};
constexpr int kNameColumn = 1;

// The columns keep their proportions in the room the scroll bar leaves; a
// column too narrow for its widest text gets its width, from the Name column.
void fit_columns(FixedRowGrid* grid) {
    std::vector<int> weights(kColumnTwips.begin(), kColumnTwips.end());
    std::vector<QString> widest;
    for (const char* text : kWidest) {
        widest.push_back(QLatin1String(text));
    }
    grid->fit_columns(weights, widest, kNameColumn);
}

class ScoresWindowAdapter final : public WindowAdapter {
public:
    explicit ScoresWindowAdapter(WindowManager& manager)
        : WindowAdapter(manager, Window::HighScores) {
        auto* dialog = new GameDialog(508, 387);
        set_root(dialog);
        dialog->on_close = close_request();

        auto* grid = new FixedRowGrid(kRows, static_cast<int>(kColumnTwips.size()), dialog);
        grid->setGeometry(8, 8, 492, 342);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        grid->setFocusPolicy(Qt::StrongFocus);
        grid->setWordWrap(false);
        grid_ = grid;
        const int row_height = std::max(16, grid->fontMetrics().height() + 3);
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(row_height);
        grid->horizontalHeader()->setMinimumSectionSize(1);
        grid->horizontalHeader()->setFixedHeight(row_height + 2);
        const QBrush title(QColor(0xE0, 0xE0, 0xE0));
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                auto* item = new QTableWidgetItem;
                item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
                if (r == 0) {
                    item->setBackground(title);
                }
                grid->setItem(r, c, item);
            }
        }
        grid->show_fixed_row();
        fit_columns(grid);
        bind_grid(Control::ScoreGrid, grid, [grid](const Grid& now) {
            grid->show_fixed_row();
            // The rank's column has no title on screen; a screen reader
            // still says what its numbers are.
            if (QTableWidgetItem* rank = grid->horizontalHeaderItem(0)) {
                rank->setData(Qt::AccessibleTextRole, QStringLiteral("Rank"));
            }
            fit_columns(grid);
            // The grid holds more than it shows: bring the new entry into view.
            if (!now.red_rows.empty()) {
                grid->bring_into_view(now.red_rows.front());
            }
        });

        dialog_button(dialog, Control::PlayAgain, QRect(8, 360, 89, 25), false);
        dialog_button(dialog, Control::Ok, QRect(424, 357, 65, 25), true);
    }

protected:
    // The grid is read under the window's caption.
    void sync_window(const WindowModel& model) override {
        sync::accessible_name(grid_, qt_text(model.caption));
    }

private:
    FixedRowGrid* grid_ = nullptr;
};

} // namespace

std::unique_ptr<WindowAdapter> make_scores_window(WindowManager& manager) {
    return std::make_unique<ScoresWindowAdapter>(manager);
}

} // namespace swoonery::ui
