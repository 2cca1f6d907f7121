// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every sound the game plays, and the file in the sounds folder that holds it,
// both from the list in asset_names.h.
#pragma once

#include "core/asset_names.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace swoonery {

// Named after the list of sound files, in its order.
enum class Sound {
#define SWOONERY_SOUND_ENUMERATOR(name, file) name,
    SWOONERY_SOUNDS(SWOONERY_SOUND_ENUMERATOR)
#undef SWOONERY_SOUND_ENUMERATOR
};

#define SWOONERY_SOUND_FILE(name, file) std::string_view(file),
inline constexpr auto kSoundFiles = std::to_array({SWOONERY_SOUNDS(SWOONERY_SOUND_FILE)});
#undef SWOONERY_SOUND_FILE

constexpr std::string_view sound_file(Sound sound) {
    return kSoundFiles[static_cast<std::size_t>(sound)];
}

// The n-th of the seven movie sounds, n from 1.
constexpr Sound movie_sound(long long n) {
    return static_cast<Sound>(static_cast<long long>(Sound::Movie1) + n - 1);
}
static_assert(movie_sound(7) == Sound::Movie7, "the movie sounds stand together, in order");

} // namespace swoonery
