// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/names.h"
#include "driver/script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string_view>

namespace swoonery {
namespace {

// Every control of every window answers to exactly one name of its own
// window, which leads back to it there and to no other window's control.
TEST(Names, EachControlHasOneNameInItsWindow) {
    driver::ScriptRunner runner;
    const auto names = control_names();
    const auto entries = [&](Window w, auto also) {
        return std::count_if(names.begin(), names.end(),
                             [&](const ControlName& n) { return n.window == w && also(n); });
    };
    for (int i = 0; i < kWindowCount; ++i) {
        const auto w = static_cast<Window>(i);
        SCOPED_TRACE(window_name(w));
        EXPECT_EQ(window_by_name(window_name(w)), w);
        const auto model = runner.game().make_window(w);
        std::set<std::string_view> seen;
        for (const ControlEntry& c : model->controls()) {
            const std::string_view name = control_name(w, c.id);
            EXPECT_EQ(entries(w, [&](const ControlName& n) { return n.control == c.id; }), 1)
                << name;
            EXPECT_TRUE(seen.insert(name).second) << "two controls named " << name;
            EXPECT_EQ(control_by_name(w, name), c.id) << name;
        }
        // The table names nothing the window does not have.
        EXPECT_EQ(entries(w, [](const ControlName&) { return true; }),
                  static_cast<std::ptrdiff_t>(model->controls().size()));
        // A name of another window means here only what this window calls so.
        for (const ControlName& n : names) {
            if (const auto found = control_by_name(w, n.name)) {
                EXPECT_EQ(control_name(w, *found), n.name);
            }
        }
    }
    EXPECT_EQ(control_by_name(Window::Setup, "cmd_ok"), std::nullopt);
    EXPECT_EQ(control_by_name(Window::MessageBox, "Command1"), std::nullopt);
}

} // namespace
} // namespace swoonery
