// The set-up form: the player's name, remembered in the file `last`, and
// three ratings shared out of a pool of 150 points.
#include "core/game.h"
#include "core/text.h"

#include <algorithm>
#include <fstream>

namespace swoonery {

namespace {

constexpr std::size_t kNameBytes = 20;

// Reads record 1 of `last`, creating the file empty when it is missing. Any
// failure reads as an empty name: the game goes on without remembering it.
std::string read_last(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) {
        std::ofstream create(file, std::ios::binary);
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string bytes(kNameBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(kNameBytes));
    bytes.resize(in.gcount() > 0 ? static_cast<std::size_t>(in.gcount()) : 0);
    for (char& c : bytes) {
        if (c == '\0') {
            c = ' ';
        }
    }
    return cp1252_to_utf8(bytes);
}

// Writes record 1 of `last`: the name in Windows-1252, padded with blanks to
// 20 bytes. Bytes past the record are left as they are.
void write_last(const std::filesystem::path& file, const std::string& name) {
    std::string bytes = utf8_to_cp1252(name);
    bytes.resize(kNameBytes, ' ');
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) {
        out.clear();
        out.open(file, std::ios::binary | std::ios::out | std::ios::trunc);
        if (!out) {
            return;
        }
    }
    out.seekp(0);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void select_all(Control& box) {
    box.sel_start = 0;
    box.sel_length = static_cast<int>(utf8_length(box.text));
}

} // namespace

bool Game::desktop_too_small() {
    const DesktopSize d = svc_.desktop.size();
    return d.width < 800 || d.height < 600;
}

void Game::load_setup_form() {
    SetupWindow& f = *form2();
    f.points_left = 0;
    if (desktop_too_small()) {
        message_box("Swoonery",
                    "The desktop size has to be at least 800x600 for Swoonery to work properly",
                    false, AfterBox::EndProgram);
        return;
    }
    f.saved_name = read_last(svc_.data_dir / "last");
    f.name_txt.text = trim_trailing_blanks(f.saved_name);
    select_all(f.name_txt);
}

void Game::activate_setup_form() {
    SetupWindow* f = form2();
    if (f == nullptr) {
        return;
    }
    f->name_txt.text = trim_trailing_blanks(f->saved_name);
    select_all(f->name_txt);
    f->focus_control = "name_txt";
    ++f->focus_serial;
}

void Game::setup_slider_moved(std::string_view control) {
    SetupWindow& f = *form2();
    const int total = f.looks_sld.value + f.smart_sld.value + f.luck_sld.value;
    f.points_left = sat16(150 - total);
    if (f.points_left >= 0) {
        f.points.text = "Points Left:" + plain_decimal(static_cast<long long>(f.points_left));
        return;
    }
    // The pool is overdrawn: take half the excess from each of the other two.
    // The player's own movement never raises their handlers, and no slider
    // goes below 0.
    const int cut = round16((total - 150) / 2.0);
    auto reduce = [cut](Control& s) { s.value = std::max(0, s.value - cut); };
    if (control == "looks_sld") {
        reduce(f.smart_sld);
        reduce(f.luck_sld);
    } else if (control == "smart_sld") {
        reduce(f.looks_sld);
        reduce(f.luck_sld);
    } else {
        reduce(f.smart_sld);
        reduce(f.looks_sld);
    }
}

void Game::setup_ok() {
    SetupWindow& f = *form2();
    if (f.name_txt.text.empty()) {
        message_box("Swoonery", "Please Enter Your Name !!", false, AfterBox::FocusName);
        return;
    }
    const std::string name = trim_blanks(f.name_txt.text);
    f.visible = false;
    show_main_window();
    if (after_box_ == AfterBox::EndProgram) {
        return; // the main window failed the desktop check: the program ends
    }
    if (SetupWindow* still = form2()) {
        still->saved_name = utf8_truncate(name, kNameBytes);
        still->saved_name.resize(still->saved_name.size() +
                                     (kNameBytes - utf8_length(still->saved_name)),
                                 ' ');
    }
    write_last(svc_.data_dir / "last", name);
}

} // namespace swoonery
