// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver/recording_services.h"

namespace swoonery::driver {

BrowserResult ScriptedBrowser::open(std::string_view url) {
    launches.push_back({std::string(url), outcome});
    return outcome;
}

double QueuedRandom::uniform() {
    if (queue.empty()) {
        return fallback_.uniform();
    }
    const double u = queue.front();
    queue.pop_front();
    return u;
}

} // namespace swoonery::driver
