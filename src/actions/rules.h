// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules this layer lends the game: whoever makes a Game hands these in.
#pragma once

#include "core/game.h"

namespace swoonery {

// The action button: dispatch on the open category to its resolver.
Rules play_rules();

} // namespace swoonery
