// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a driver script: one command per line in, JSON lines out.
#pragma once

#include "core/game.h"
#include "driver/recording_services.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

namespace swoonery::driver {

// The driver command that gives this input, e.g. "select Form1.Do_List 3".
std::string command_text(const Input& input);

class ScriptRunner {
public:
    explicit ScriptRunner(std::filesystem::path data_dir = ".");

    // Runs one line; writes its output (if any) to out. Returns false when
    // the line was an error.
    bool run_line(std::string_view line, std::ostream& out);
    // Runs every line; returns the exit status: 0, or 2 after any error.
    int run(std::istream& in, std::ostream& out);

    std::string dump();
    Game& game() { return *game_; }
    RecordingSound& sound() { return sound_; }
    ScriptedBrowser& browser() { return browser_; }
    QueuedRandom& rng() { return rng_; }
    FixedDesktop& desktop() { return desktop_; }

private:
    std::string execute(std::string_view line, bool& failed);

    RecordingSound sound_;
    ScriptedBrowser browser_;
    FixedDesktop desktop_;
    QueuedRandom rng_;
    std::unique_ptr<Game> game_;
};

} // namespace swoonery::driver
