// Form5, the top-20 table: a grid of 22 rows whose first row holds the
// column titles on grey, and this game's result in red.
#include "ui/adapters.h"
#include "ui/control_sync.h"
#include "ui/widgets.h"
#include "ui/window_adapter.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace swoonery::ui {

namespace {

constexpr int kRows = 22;
// Column widths in twips, at 15 twips to the pixel.
constexpr std::array<int, 5> kColumnTwips = {350, 3100, 1250, 1550, 1250};
constexpr int kTwipsPerPixel = 15;

class ScoresWindowAdapter final : public WindowAdapter {
public:
    explicit ScoresWindowAdapter(WindowManager& manager) : WindowAdapter(manager, WindowId::Form5) {
        auto* dialog = new GameDialog(508, 387);
        set_root(dialog);
        dialog->on_close = close_request();

        auto* grid = new QTableWidget(kRows, static_cast<int>(kColumnTwips.size()), dialog);
        grid->setObjectName(QStringLiteral("Score_list"));
        grid->setGeometry(8, 8, 492, 342);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        grid->setFocusPolicy(Qt::StrongFocus);
        grid->setWordWrap(false);
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(std::max(16, grid->fontMetrics().height() + 3));
        grid->horizontalHeader()->setMinimumSectionSize(1);
        for (int c = 0; c < grid->columnCount(); ++c) {
            grid->setColumnWidth(c, (kColumnTwips[static_cast<std::size_t>(c)] +
                                     kTwipsPerPixel / 2) / kTwipsPerPixel);
        }
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
        bind("Score_list", grid,
             [grid](const Control& now, const Control* before) {
                 sync::grid(grid, now, before);
                 // The grid holds more than it shows: bring the new entry into view.
                 if (!now.red_rows.empty() && now.red_rows.front() < grid->rowCount()) {
                     grid->scrollToItem(grid->item(now.red_rows.front(), 0));
                 }
             });

        dialog_button(dialog, "Command2", QRect(8, 360, 89, 25), false);
        dialog_button(dialog, "Command1", QRect(424, 357, 65, 25), true);
    }
};

} // namespace

std::unique_ptr<WindowAdapter> make_scores_window(WindowManager& manager) {
    return std::make_unique<ScoresWindowAdapter>(manager);
}

} // namespace swoonery::ui
