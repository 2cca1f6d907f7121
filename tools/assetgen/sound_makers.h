// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sounds, one function each; every one returns a finished buffer
// (DC removed, faded at both ends, normalised to about -1 dBFS).
#pragma once

#include "synth.h"

namespace assetgen::sounds {

// Places to go on a date.
Buffer dinner();
Buffer beach();
Buffer bowling();
Buffer carnival();
Buffer play();
Buffer club();
Buffer pub();
Buffer rock();
Buffer birds();
// Seven film cues.
Buffer movie_suspense();
Buffer movie_romance();
Buffer movie_action();
Buffer movie_horror();
Buffer movie_comedy();
Buffer movie_sci_fi();
Buffer movie_fanfare();
// People and things.
Buffer laugh();
Buffer money();
Buffer hang_up();
Buffer cash_register();
Buffer humpf();
Buffer phone_ring();
Buffer doorbell();
Buffer car();
Buffer sigh(bool male);
Buffer siren();
Buffer found();
Buffer meow();
Buffer kiss();

} // namespace assetgen::sounds
