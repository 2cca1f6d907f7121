// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver/random_player.h"

#include "driver/script.h"

#include <array>
#include <vector>

namespace swoonery::driver {

namespace {

struct Candidate {
    Input::Kind kind;
    Window window;
    Control control;
    int rows = 0;
};

constexpr std::array<std::string_view, 6> kNames = {"Bob", "  Al  ", "Zoë Ångström",
                                                    "",    "   ",    "Maximilian-Alexander-Long"};

} // namespace

std::optional<Input> RandomPlayer::next(const Game& game, bool allow_exit) {
    std::vector<Candidate> options;
    const bool box_open = game.window(Window::MessageBox) != nullptr;
    for (const Window id : game.load_order()) {
        const WindowModel& w = *game.window(id);
        if (!w.visible || !w.enabled || (box_open && id != Window::MessageBox)) {
            continue;
        }
        const bool ends = id == Window::Main || id == Window::Setup;
        if ((allow_exit || !ends) && (id != Window::MessageBox || pick(4) == 0)) {
            options.push_back({Input::Kind::Close, id, Control::Ok});
        }
        for (const ControlEntry& nc : w.controls()) {
            const ControlBase& c = *nc.model;
            if (!c.visible || !c.enabled) {
                continue;
            }
            if (!allow_exit && nc.id == Control::Exit) {
                continue;
            }
            switch (nc.kind) {
            case ControlKind::Button:
            case ControlKind::Menu:
                // Like a player, it plays far more than it uses the menus.
                for (int k = id == Window::Main && nc.kind == ControlKind::Button ? 8 : 1; k > 0;
                     --k) {
                    options.push_back({Input::Kind::Click, id, nc.id});
                }
                break;
            case ControlKind::Label:
                if (nc.id == Control::HomeLink) {
                    options.push_back({Input::Kind::Click, id, nc.id});
                }
                break;
            case ControlKind::ListBox:
                if (const auto& list = nc.as<ListBox>(); !list.items.empty()) {
                    for (int k = 0; k < 8; ++k) {
                        options.push_back(
                            {Input::Kind::Select, id, nc.id, static_cast<int>(list.items.size())});
                    }
                }
                break;
            case ControlKind::Slider:
                options.push_back({Input::Kind::Slide, id, nc.id});
                break;
            case ControlKind::TextBox:
                if (!nc.as<TextBox>().read_only) {
                    options.push_back({Input::Kind::Type, id, nc.id});
                }
                break;
            default:
                break;
            }
        }
    }
    if (options.empty()) {
        return std::nullopt;
    }
    const Candidate& c = options[pick(options.size())];
    Input input;
    input.kind = c.kind;
    input.window = c.window;
    input.control = c.control;
    switch (c.kind) {
    case Input::Kind::Select:
        input.value = static_cast<int>(pick(static_cast<std::size_t>(c.rows)));
        break;
    case Input::Kind::Slide:
        input.value = static_cast<int>(pick(101));
        break;
    case Input::Kind::Type:
        input.text = kNames[pick(kNames.size())];
        break;
    default:
        break;
    }
    return input;
}

std::string RandomPlayer::step(Game& game, bool allow_exit) {
    const std::optional<Input> input = next(game, allow_exit);
    if (!input) {
        return {};
    }
    game.apply(*input);
    return command_text(*input);
}

} // namespace swoonery::driver
