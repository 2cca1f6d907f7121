// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game asks of the world outside it: sound, a web browser, the size
// of the desktop and chance. The windowed program and the driver each give
// their own; the game sees only these interfaces.
#pragma once

#include "base/random.h"
#include "core/sounds.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

namespace swoonery {

class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    // Starts the sound and returns at once; it cuts off any sound still
    // playing. A missing file gives the default alert instead.
    virtual void play(Sound sound) = 0;
    // Plays the sound to its end before returning; a missing file is silence.
    virtual void play_to_end(Sound sound) = 0;
};

// Plays nothing: where no sound can be had.
class SilentSound final : public SoundInterface {
public:
    void play(Sound) override {}
    void play_to_end(Sound) override {}
};

enum class BrowserResult {
    Opened,    // the browser was started with the address
    NotFound,  // no program is associated with web pages
    NotOpened, // a browser was found but could not be started
};

class BrowserInterface {
public:
    virtual ~BrowserInterface() = default;
    // Starts the default browser with the address as its one argument.
    virtual BrowserResult open(std::string_view url) = 0;
};

// The size of the desktop the game runs on, in pixels.
struct DesktopSize {
    int width = 0;
    int height = 0;
};

class DesktopInterface {
public:
    virtual ~DesktopInterface() = default;
    virtual DesktopSize size() = 0;
    // Lets `time` pass while the game waits on something outside it, such as
    // another game saving the high-score table. On screen the windows keep
    // painting and show that the game is busy; elsewhere this only sleeps.
    virtual void pause(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }
};

struct Services {
    SoundInterface& sound;
    BrowserInterface& browser;
    DesktopInterface& desktop;
    RandomSource& rng;
    // Where the files Scores and last are kept: the current working directory.
    std::filesystem::path data_dir = ".";
    std::string help_url = "https://swoonery.example.org/help";
    std::string home_url = "https://swoonery.example.org/";
};

} // namespace swoonery
