// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears of the game's own widgets. Qt describes its
// standard widgets itself; the game's drawn ones are described here: a
// picture box is an image, and the heart gauge is one level bar whose value
// is the heart number, not the column of little pictures it draws.
#pragma once

namespace swoonery::ui {

// Registers the descriptions with Qt. Harmless to call more than once; costs
// nothing until an assistive technology asks.
void install_accessibility();

} // namespace swoonery::ui
