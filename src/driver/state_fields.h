// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game state by field name: written into the dump, set by `set`.
#pragma once

#include "core/game_state.h"
#include "driver/json.h"

#include <string>
#include <string_view>

namespace swoonery::driver {

void dump_state(const GameState& s, Json& out);

// Sets field `name` from the rest of a `set` line. Returns "" on success or
// why the field or value was refused (nothing is changed then).
std::string set_field(GameState& s, std::string_view name, std::string_view args);

} // namespace swoonery::driver
