// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the driver puts in place of sound, browser, desktop and chance: sound
// and browser launches are recorded, draws come from a script's queue. The
// tests and the benchmarks use these same stand-ins.
#pragma once

#include "base/random.h"
#include "core/services.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace swoonery::driver {

// Records each sound by its file name; one played to its end as "wait:NAME".
class RecordingSound final : public SoundInterface {
public:
    void play(Sound sound) override { played.emplace_back(sound_file(sound)); }
    // Runs `while_waiting` as a real sound's wait would run the windows' events.
    void play_to_end(Sound sound) override {
        played.push_back("wait:" + std::string(sound_file(sound)));
        if (while_waiting) {
            while_waiting();
        }
    }
    std::vector<std::string> played;
    std::function<void()> while_waiting;
};

struct BrowserLaunch {
    std::string url;
    BrowserResult result;
};

class ScriptedBrowser final : public BrowserInterface {
public:
    BrowserResult open(std::string_view url) override;
    BrowserResult outcome = BrowserResult::Opened;
    std::vector<BrowserLaunch> launches;
};

class FixedDesktop final : public DesktopInterface {
public:
    DesktopSize size() override { return current; }
    DesktopSize current{1024, 768};
};

// Values queued by the script first; when the queue is empty, a seeded
// generator.
class QueuedRandom final : public RandomSource {
public:
    explicit QueuedRandom(std::uint64_t seed = 1) : fallback_(seed) {}
    double uniform() override;
    void reseed(std::uint64_t seed) { fallback_.reseed(seed); }
    template <class Values> void push(const Values& values) {
        queue.insert(queue.end(), std::begin(values), std::end(values));
    }
    void push(std::initializer_list<double> values) { push<>(values); }
    std::deque<double> queue;

private:
    SeededRandom fallback_;
};

} // namespace swoonery::driver
