// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The swoonery-sound module: the real sound service, loaded by the game when
// it first needs it (see lazy_sound.h).
#include "platform/qt_sound.h"
#include "ui/lazy_sound.h"

#include <QtGlobal>

#include <chrono>

#include <type_traits>

extern "C" Q_DECL_EXPORT swoonery::SoundInterface* swoonery_create_sound() {
    return new swoonery::QtSound();
}

extern "C" Q_DECL_EXPORT bool swoonery_close_sound(swoonery::SoundInterface* sound, int limit_ms) {
    auto* qt_sound = static_cast<swoonery::QtSound*>(sound);
    if (!qt_sound->shut_down(std::chrono::milliseconds(limit_ms))) {
        return false;
    }
    delete qt_sound;
    return true;
}

// The entry points' types is the one the game resolves it as.
static_assert(std::is_same_v<decltype(&swoonery_create_sound), swoonery::ui::CreateSound>);
static_assert(std::is_same_v<decltype(&swoonery_close_sound), swoonery::ui::CloseSound>);
