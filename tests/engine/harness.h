// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A game in a temporary folder, played through the driver's script commands.
#pragma once

#include "core/names.h"
#include "driver/script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>

namespace swoonery::test {

// A number written so that reading it back gives the same double.
inline std::string num(double v) {
    std::ostringstream out;
    out.precision(17);
    out << v;
    return out.str();
}

inline std::filesystem::path fresh_dir() {
    static std::mt19937_64 names(std::random_device{}());
    auto dir =
        std::filesystem::temp_directory_path() / ("swoonery-test-" + std::to_string(names()));
    std::filesystem::create_directories(dir);
    return dir;
}

// Script lines for the player's input, written with the typed names so that
// a misspelt window or control does not compile.
inline std::string click(Window w, Control c) {
    return driver::command_text({Input::Kind::Click, w, c, 0, {}});
}
inline std::string select(Window w, Control c, int row) {
    return driver::command_text({Input::Kind::Select, w, c, row, {}});
}
inline std::string slide(Window w, Control c, int value) {
    return driver::command_text({Input::Kind::Slide, w, c, value, {}});
}
inline std::string type(Window w, Control c, std::string text) {
    return driver::command_text({Input::Kind::Type, w, c, 0, std::move(text)});
}
inline std::string close(Window w) {
    return driver::command_text({Input::Kind::Close, w, {}, 0, {}});
}
inline std::string resize(Window w) {
    return driver::command_text({Input::Kind::Resize, w, {}, 0, {}});
}

class Harness {
public:
    Harness() : dir(fresh_dir()), runner(dir) {}
    ~Harness() {
        // The dump hands over the sounds played since the last one, so it
        // is taken only once the test is over.
        keep_transcript("at the end: " + runner.dump() + "\n");
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(dir, ec);
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // Runs script lines; any error line fails the test. Returns the output.
    std::string run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        std::string line;
        while (std::getline(in, line)) {
            if (!runner.run_line(line, out)) {
                ADD_FAILURE() << "script line failed: " << line << "\n" << out.str();
            }
        }
        keep_transcript("> " + script + "\n" + out.str());
        return out.str();
    }
    // Runs the lines as one script.
    std::string run(std::initializer_list<std::string> lines) {
        std::string script;
        for (const std::string& line : lines) {
            script += script.empty() ? "" : "\n";
            script += line;
        }
        return run(script);
    }

    // Starts a game as `name` with face 1, Samantha, and liked topics 1 to 5
    // unless other draws are given.
    void new_game(const std::string& name = "Bob",
                  const std::string& draws = "0 0 0 0.05 0.1 0.15 0.2") {
        run({"rng " + draws, "start", type(Window::Setup, Control::Name, name),
             click(Window::Setup, Control::Ok)});
    }

    Game& game() { return runner.game(); }
    GameState& s() { return runner.game().state(); }
    MainWindow& main() { return *runner.game().main_window(); }
    bool open(Window id) { return runner.game().window(id) != nullptr; }
    template <class W> W& win(Window id) { return runner.game().window_as<W>(id); }
    std::vector<std::string> sounds() {
        auto played = runner.sound().played;
        runner.sound().played.clear();
        return played;
    }

    std::filesystem::path dir;
    driver::ScriptRunner runner;

private:
    // With SWOONERY_TRANSCRIPTS set to a folder, every script a test runs is
    // written there with its output, and the whole state at the end, one file
    // per test: two builds' folders must then be the same, byte for byte, when
    // a change is meant to leave behaviour alone.
    void keep_transcript(std::string text) {
        const char* folder = std::getenv("SWOONERY_TRANSCRIPTS");
        if (folder == nullptr || *folder == '\0') {
            return;
        }
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test == nullptr
                               ? "outside-a-test"
                               : std::string(test->test_suite_name()) + "." + test->name();
        for (char& c : name) {
            c = c == '/' ? '_' : c;
        }
        // The test's own temporary folder differs from run to run.
        const std::string own = dir.string();
        for (auto at = text.find(own); at != std::string::npos; at = text.find(own, at)) {
            text.replace(at, own.size(), "$DIR");
        }
        std::ofstream(std::filesystem::path(folder) / (name + ".txt"), std::ios::app) << text;
    }
};

} // namespace swoonery::test
