// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lazy_sound.h"

#include <QtGlobal>

#include <utility>

namespace swoonery::ui {

LazySound::LazySound(const QString& module) : library_(module) {}

LazySound::~LazySound() {
    // The program closes the sound before it ends; a service still running
    // here gets the same bounded close. The module itself is left loaded,
    // since a service held up by the server may still run its code.
    close(300);
}

bool LazySound::loaded() const {
    return module_service_ != nullptr;
}

void LazySound::preload() {
    service();
}

bool LazySound::close(int limit_ms) {
    tried_ = true; // no sound after the close, even a first one
    SoundInterface* const running = std::exchange(module_service_, nullptr);
    if (running == nullptr) {
        return true;
    }
    const auto close_service = reinterpret_cast<CloseSound>(library_.resolve(kSoundModuleClose));
    // Without its close entry point the module's service is left running
    // rather than deleted by code that may not match the module's.
    return close_service != nullptr && close_service(running, limit_ms);
}

SoundInterface& LazySound::service() {
    if (!tried_) {
        tried_ = true;
        if (const auto create =
                reinterpret_cast<CreateSound>(library_.resolve(kSoundModuleEntry))) {
            module_service_ = create();
        }
        if (module_service_ == nullptr) {
            qWarning("swoonery: no sound (%s)", qPrintable(library_.errorString()));
        }
    }
    return module_service_ != nullptr ? *module_service_ : silent_;
}

void LazySound::play(Sound sound) {
    service().play(sound);
}

void LazySound::play_to_end(Sound sound) {
    service().play_to_end(sound);
}

} // namespace swoonery::ui
