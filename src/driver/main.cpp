// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// swoonery-driver: plays the game from a script on standard input or in the
// file named as the only argument.
#include "driver/script.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: swoonery-driver [SCRIPT]\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    swoonery::driver::ScriptRunner runner;
    if (argc == 2) {
        // A folder opens as a stream that reads nothing: refuse it as
        // plainly as a missing file.
        std::error_code ec;
        std::ifstream script;
        if (!std::filesystem::is_directory(argv[1], ec)) {
            script.open(argv[1]);
        }
        if (!script.is_open()) {
            std::cerr << "swoonery-driver: cannot read " << argv[1] << '\n';
            return 2;
        }
        return runner.run(script, std::cout);
    }
    return runner.run(std::cin, std::cout);
}
