#include "driver/random_player.h"

#include "base/text.h"

#include <array>
#include <vector>

namespace swoonery::driver {

namespace {

struct Candidate {
    enum class Kind { Click, Select, Slide, Type, Close } kind;
    WindowId window;
    std::string_view control;
    int rows = 0;
};

constexpr std::array<std::string_view, 6> kNames = {"Bob", "  Al  ", "Zoë Ångström", "", "   ",
                                                    "Maximilian-Alexander-Long"};

} // namespace

std::string RandomPlayer::step(Game& game, bool allow_exit) {
    std::vector<Candidate> options;
    const bool box_open = game.window(WindowId::MsgBox) != nullptr;
    for (const WindowId id : game.load_order()) {
        const Window& w = *game.window(id);
        if (!w.visible || !w.enabled || (box_open && id != WindowId::MsgBox)) {
            continue;
        }
        const bool ends = id == WindowId::Form1 || id == WindowId::Form2;
        if ((allow_exit || !ends) && (id != WindowId::MsgBox || pick(4) == 0)) {
            options.push_back({Candidate::Kind::Close, id, {}});
        }
        for (const NamedControl& nc : w.controls()) {
            const Control& c = *nc.control;
            if (!c.visible || !c.enabled) {
                continue;
            }
            if (!allow_exit && ((id == WindowId::Form1 && nc.name == "exit") ||
                                (id == WindowId::Form2 && nc.name == "Command2"))) {
                continue;
            }
            switch (c.kind) {
            case ControlKind::Button:
            case ControlKind::Menu:
                // Like a player, it plays far more than it uses the menus.
                for (int k = id == WindowId::Form1 && c.kind == ControlKind::Button ? 8 : 1; k > 0;
                     --k) {
                    options.push_back({Candidate::Kind::Click, id, nc.name});
                }
                break;
            case ControlKind::Label:
                if (id == WindowId::Form13 && nc.name == "Label3") {
                    options.push_back({Candidate::Kind::Click, id, nc.name});
                }
                break;
            case ControlKind::ListBox:
                if (!c.items.empty()) {
                    for (int k = 0; k < 8; ++k) {
                        options.push_back({Candidate::Kind::Select, id, nc.name,
                                           static_cast<int>(c.items.size())});
                    }
                }
                break;
            case ControlKind::Slider:
                options.push_back({Candidate::Kind::Slide, id, nc.name});
                break;
            case ControlKind::TextBox:
                if (!c.read_only) {
                    options.push_back({Candidate::Kind::Type, id, nc.name});
                }
                break;
            default:
                break;
            }
        }
    }
    if (options.empty()) {
        return {};
    }
    const Candidate& c = options[pick(options.size())];
    const std::string target =
        std::string(window_name(c.window)) + (c.control.empty() ? "" : "." + std::string(c.control));
    switch (c.kind) {
    case Candidate::Kind::Click:
        game.click(window_name(c.window), c.control);
        return "click " + target;
    case Candidate::Kind::Select: {
        const int row = static_cast<int>(pick(static_cast<std::size_t>(c.rows)));
        game.select(window_name(c.window), c.control, row);
        return "select " + target + " " + plain_decimal(static_cast<long long>(row));
    }
    case Candidate::Kind::Slide: {
        const int v = static_cast<int>(pick(101));
        game.slide(window_name(c.window), c.control, v);
        return "slide " + target + " " + plain_decimal(static_cast<long long>(v));
    }
    case Candidate::Kind::Type: {
        const std::string_view name = kNames[pick(kNames.size())];
        game.type(window_name(c.window), c.control, name);
        return "type " + target + " " + std::string(name);
    }
    case Candidate::Kind::Close:
        game.close(window_name(c.window));
        return "close " + target;
    }
    return {};
}

} // namespace swoonery::driver
