// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"
#include "support/finishes_within.h"

#include <csignal>
#include <fstream>

#include <sys/resource.h>
#include <sys/stat.h>

namespace swoonery::test {
namespace {

std::string read_bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct SliderCase {
    int looks, smart, luck; // before the move
    Control moved;
    int to;
    int looks_after, smart_after, luck_after;
    const char* points;
};

class SliderPool : public ::testing::TestWithParam<SliderCase> {};

// Moving a slider past the pool of 150 takes half the excess from each of the
// other two, rounded half to even and never below 0 (what one at 0 cannot
// give, the other gives); either way the label shows what the sliders leave,
// the rounding's one point over included.
TEST_P(SliderPool, SharesOneHundredAndFiftyPoints) {
    const SliderCase& c = GetParam();
    Harness h;
    h.run("start");
    SetupWindow& f = *h.game().setup_form();
    f.looks.value = c.looks;
    f.smart.value = c.smart;
    f.luck.value = c.luck;
    h.run(slide(Window::Setup, c.moved, c.to));
    EXPECT_EQ(f.looks.value, c.looks_after);
    EXPECT_EQ(f.smart.value, c.smart_after);
    EXPECT_EQ(f.luck.value, c.luck_after);
    EXPECT_EQ(f.points.text, c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SliderPool,
    ::testing::Values(
        SliderCase{50, 50, 50, Control::Looks, 60, 60, 45, 45, "Points Left:0"},
        SliderCase{50, 50, 50, Control::Looks, 40, 40, 50, 50, "Points Left:10"},
        SliderCase{50, 50, 50, Control::Smart, 51, 50, 51, 50, "Points Left:-1"}, // excess 1: cut 0
        SliderCase{50, 50, 50, Control::Luck, 52, 49, 49, 52, "Points Left:0"},   // excess 2: cut 1
        SliderCase{50, 50, 50, Control::Luck, 53, 48, 48, 53, "Points Left:1"},   // excess 3: cut 2
        // excess 5: 2.5 -> 2, excess 7: 3.5 -> 4
        SliderCase{50, 50, 50, Control::Looks, 55, 55, 48, 48, "Points Left:-1"},
        SliderCase{50, 50, 50, Control::Looks, 57, 57, 46, 46, "Points Left:1"},
        SliderCase{0, 0, 0, Control::Looks, 100, 100, 0, 0, "Points Left:50"},
        SliderCase{100, 0, 50, Control::Luck, 60, 90, 0, 60, "Points Left:0"}, // clamped at 0
        SliderCase{100, 0, 50, Control::Luck, 100, 50, 0, 100, "Points Left:0"},
        SliderCase{0, 100, 50, Control::Looks, 100, 100, 50, 0, "Points Left:0"},
        SliderCase{20, 50, 90, Control::Smart, 100, 0, 100, 50, "Points Left:0"},
        SliderCase{10, 100, 40, Control::Luck, 51, 4, 94, 51, "Points Left:1"}, // one point free
        SliderCase{100, 100, 100, Control::Smart, 0, 75, 0, 75, "Points Left:0"}));

// The player's own moves cannot overdraw the pool: looks to 100, smart to 0,
// then luck to 100 gives 50/0/100, not 75/0/100 (175 points), and the label
// follows; one more step of looks is the rounding's point over, shown as such.
TEST(SetupForm, PoolCannotBeOverdrawnByMoves) {
    Harness h;
    h.run({"start", slide(Window::Setup, Control::Looks, 100),
           slide(Window::Setup, Control::Smart, 0), slide(Window::Setup, Control::Luck, 100)});
    SetupWindow& f = *h.game().setup_form();
    EXPECT_EQ(f.looks.value, 50);
    EXPECT_EQ(f.smart.value, 0);
    EXPECT_EQ(f.luck.value, 100);
    EXPECT_EQ(f.points.text, "Points Left:0");
    h.run(slide(Window::Setup, Control::Looks, 51));
    EXPECT_EQ(f.looks.value + f.smart.value + f.luck.value, 151);
    EXPECT_EQ(f.points.text, "Points Left:-1");
}

// A fresh set-up form has the sliders at 50, the start texts, and the saved name selected.
TEST(SetupForm, LoadsTheSavedName) {
    Harness h;
    write_bytes(h.dir / "last", "Bob                 ");
    h.run("start");
    SetupWindow& f = *h.game().setup_form();
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.name.text, "Bob");
    EXPECT_EQ(f.name.sel_start, 0);
    EXPECT_EQ(f.name.sel_length, 3);
    EXPECT_EQ(f.points.text, "Points Left :0");
    EXPECT_EQ(f.looks.value, 50);
    EXPECT_EQ(f.name_frame.text, "Please enter your name");
    EXPECT_EQ(f.ratings_frame.text, "How would you rate your self");
}

struct LastFileCase {
    const char* description;
    std::string bytes;
    std::string shown;
};

class LastFile : public ::testing::TestWithParam<LastFileCase> {};

// Whatever `last` holds, the name box shows what can be read, trimmed.
TEST_P(LastFile, ShowsWhatCanBeRead) {
    Harness h;
    write_bytes(h.dir / "last", GetParam().bytes);
    h.run("start");
    EXPECT_EQ(h.game().setup_form()->name.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LastFile,
    ::testing::Values(
        LastFileCase{"empty", "", ""}, LastFileCase{"short", "Al", "Al"},
        LastFileCase{"longer", "Christopher Columbus and more", "Christopher Columbus"},
        LastFileCase{"zero bytes", std::string("Al\0\0\0", 5), "Al"},
        LastFileCase{"high bytes", "Zo\xeb \x80\x81", "Zo\xc3\xab \xe2\x82\xac\xc2\x81"},
        LastFileCase{"blanks", "                    ", ""}));

// With no `last`, the form starts empty and leaves an empty file behind.
TEST(SetupForm, MissingLastIsCreatedEmpty) {
    Harness h;
    h.run("start");
    EXPECT_EQ(h.game().setup_form()->name.text, "");
    ASSERT_TRUE(std::filesystem::exists(h.dir / "last"));
    EXPECT_EQ(std::filesystem::file_size(h.dir / "last"), 0u);
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        out += s;
    }
    return out;
}

struct SavedNameCase {
    std::string typed;
    std::string player;
    std::string bytes;
};

class SavedName : public ::testing::TestWithParam<SavedNameCase> {};

// OK saves the trimmed name as one 20-byte Windows-1252 record.
TEST_P(SavedName, IsTrimmedPaddedAndEncoded) {
    Harness h;
    h.new_game(GetParam().typed);
    EXPECT_EQ(h.s().player_name, GetParam().player);
    EXPECT_EQ(read_bytes(h.dir / "last"), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SavedName,
    ::testing::Values(
        SavedNameCase{"  Bob  ", "Bob", "Bob                 "},
        SavedNameCase{"   ", "", "                    "},
        SavedNameCase{"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST"},
        // the box takes 20 characters and no more
        SavedNameCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST"},
        SavedNameCase{"Zo\xc3\xab \xce\xa9mega", "Zo\xc3\xab \xce\xa9mega",
                      "Zo\xeb ?mega" + std::string(11, ' ')},
        // a script the code page cannot hold at all
        SavedNameCase{repeat("\xe5\xad\x97", 21), repeat("\xe5\xad\x97", 20),
                      std::string(20, '?')}));

// An empty name is refused with a message; the focus goes back to the name box.
TEST(SetupForm, EmptyNameIsRefused) {
    Harness h;
    h.run({"start", type(Window::Setup, Control::Name, ""), click(Window::Setup, Control::Ok)});
    ASSERT_TRUE(h.open(Window::MessageBox));
    auto& box = h.win<MessageBoxWindow>(Window::MessageBox);
    EXPECT_EQ(box.caption, "Swoonery");
    EXPECT_EQ(box.text, "Please Enter Your Name !!");
    EXPECT_FALSE(box.warning);
    EXPECT_FALSE(h.open(Window::Main));
    EXPECT_NE(h.run(click(Window::Setup, Control::Ok)).find("ignored"), std::string::npos);
    const int focus = h.game().setup_form()->focus_serial;
    h.run(click(Window::MessageBox, Control::Ok));
    EXPECT_FALSE(h.open(Window::MessageBox));
    EXPECT_EQ(h.game().setup_form()->focus_serial, focus + 1);
    EXPECT_EQ(h.game().setup_form()->focus_control, Control::Name);
    EXPECT_TRUE(h.game().running());
}

// A `last` that cannot be written (a folder in its place) costs only the memory of the name.
TEST(SetupForm, UnwritableLastIsHarmless) {
    Harness h;
    std::filesystem::create_directory(h.dir / "last");
    h.new_game("Bob");
    EXPECT_TRUE(h.open(Window::Main));
    EXPECT_EQ(h.s().player_name, "Bob");
    EXPECT_FALSE(h.open(Window::MessageBox));
}

// Exit ends the program at once; nothing is saved.
TEST(SetupForm, ExitEndsTheProgram) {
    Harness h;
    h.run(
        {"start", type(Window::Setup, Control::Name, "Bob"), click(Window::Setup, Control::Exit)});
    EXPECT_FALSE(h.game().running());
    EXPECT_EQ(std::filesystem::file_size(h.dir / "last"), 0u);
    EXPECT_NE(h.runner.dump().find("\"running\":false"), std::string::npos);
}

struct DesktopCase {
    int w, h;
    bool passes;
};

class DesktopCheck : public ::testing::TestWithParam<DesktopCase> {};

// Below 800 by 600 in either direction the program says so and ends.
TEST_P(DesktopCheck, AtTheSetupFormsLoad) {
    Harness h;
    h.run("desktop " + std::to_string(GetParam().w) + " " + std::to_string(GetParam().h) +
          "\nstart");
    EXPECT_EQ(h.open(Window::MessageBox), !GetParam().passes);
    if (!GetParam().passes) {
        EXPECT_EQ(h.win<MessageBoxWindow>(Window::MessageBox).text,
                  "The desktop size has to be at least 800x600 for Swoonery to work properly");
        EXPECT_FALSE(h.game().setup_form()->visible);
        h.run(click(Window::MessageBox, Control::Ok));
        EXPECT_FALSE(h.game().running());
    } else {
        EXPECT_TRUE(h.game().setup_form()->visible);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DesktopCheck,
    ::testing::Values(DesktopCase{800, 600, true}, DesktopCase{1024, 768, true},
                      DesktopCase{799, 600, false}, DesktopCase{800, 599, false},
                      DesktopCase{1024, 576, false}, DesktopCase{640, 480, false}));

// The main window checks the desktop when it first shows and on every resize.
TEST(DesktopCheckMain, OnResize) {
    Harness h;
    h.new_game();
    h.run(resize(Window::Main));
    EXPECT_FALSE(h.open(Window::MessageBox));
    h.run({"desktop 799 600", resize(Window::Main)});
    ASSERT_TRUE(h.open(Window::MessageBox));
    EXPECT_NE(h.run(click(Window::Main, Control::CallHer)).find("a message box is open"),
              std::string::npos);
    h.run(click(Window::MessageBox, Control::Ok));
    EXPECT_FALSE(h.game().running());
    std::ostringstream out;
    EXPECT_FALSE(h.runner.run_line(click(Window::Main, Control::CallHer), out));
    EXPECT_NE(out.str().find("the program has ended"), std::string::npos);
}

} // namespace
} // namespace swoonery::test

namespace swoonery::test {
namespace {

// OK rewrites only the 20-byte record of `last`; what follows it stays, and
// the same name again leaves the file untouched.
TEST(SetupForm, OkWritesOnlyTheRecord) {
    Harness h;
    write_bytes(h.dir / "last", "Al                  tail");
    h.new_game("Bob");
    EXPECT_EQ(read_bytes(h.dir / "last"), "Bob                 tail");
    h.run(click(Window::Main, Control::NewGame));
    EXPECT_EQ(h.game().setup_form()->name.text, "Bob");
    const auto before = std::filesystem::last_write_time(h.dir / "last");
    h.run({"rng 0 0 0 0 0 0 0", click(Window::Setup, Control::Ok)});
    EXPECT_EQ(std::filesystem::last_write_time(h.dir / "last"), before);
}

} // namespace
} // namespace swoonery::test

namespace swoonery::test {
namespace {

// A pipe named `last` is no saved name: the set-up form comes up at once with
// an empty name box, and the pipe is left alone.
TEST(LastFile, PipeDoesNotHangTheStart) {
    Harness h;
    ASSERT_EQ(mkfifo((h.dir / "last").c_str(), 0600), 0);
    EXPECT_TRUE(finishes_within(std::chrono::seconds(5), [&] {
        h.run("start");
        return h.open(Window::Setup) && h.game().setup_form()->name.text.empty();
    }));
    EXPECT_TRUE(std::filesystem::is_fifo(h.dir / "last"));
}

// A link named `last` is neither read nor written through: the file it points
// at keeps its bytes, and the link is replaced by the game's own file.
TEST(LastFile, LinkIsReplacedNotWrittenThrough) {
    Harness h;
    write_bytes(h.dir / "victim", "someone else's file, not a name");
    std::filesystem::create_symlink(h.dir / "victim", h.dir / "last");
    h.run("start");
    EXPECT_EQ(h.game().setup_form()->name.text, "");
    h.run({type(Window::Setup, Control::Name, "Bob"), "rng 0 0 0 0 0 0 0",
           click(Window::Setup, Control::Ok)});
    EXPECT_EQ(read_bytes(h.dir / "victim"), "someone else's file, not a name");
    EXPECT_FALSE(std::filesystem::is_symlink(h.dir / "last"));
    EXPECT_EQ(read_bytes(h.dir / "last"), "Bob                 ");
}

// A dangling link named `last` does not make the game create its target.
TEST(LastFile, DanglingLinkCreatesNothing) {
    Harness h;
    std::filesystem::create_symlink(h.dir / "elsewhere", h.dir / "last");
    h.new_game("Bob");
    EXPECT_FALSE(std::filesystem::exists(h.dir / "elsewhere"));
    EXPECT_EQ(read_bytes(h.dir / "last"), "Bob                 ");
}

// When the disk fills up in the middle of saving a new name, the old name
// stays whole and no temporary file is left.
TEST(LastFile, FullDiskKeepsTheOldName) {
    Harness h;
    write_bytes(h.dir / "last", "Alexander           ");
    EXPECT_TRUE(finishes_within(std::chrono::seconds(10), [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{8, 8};
        setrlimit(RLIMIT_FSIZE, &small);
        h.new_game("Bob");
        return h.open(Window::Main);
    }));
    EXPECT_EQ(read_bytes(h.dir / "last"), "Alexander           ");
    long files = std::distance(std::filesystem::directory_iterator(h.dir),
                               std::filesystem::directory_iterator{});
    EXPECT_EQ(files, 1);
}

} // namespace
} // namespace swoonery::test
