// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sound, loaded when it is first needed. The real sound service
// sits in a module beside the program (swoonery-sound) because the audio
// libraries cost start-up time the first window should not wait for. Without
// the module the game plays silently.
#pragma once

#include "core/services.h"

#include <QLibrary>
#include <QString>

namespace swoonery::ui {

class LazySound final : public SoundInterface {
public:
    // `module` is the module's file name without its suffix, e.g.
    // "<program folder>/swoonery-sound".
    explicit LazySound(const QString& module);
    ~LazySound() override;
    LazySound(const LazySound&) = delete;
    LazySound& operator=(const LazySound&) = delete;

    void play(Sound sound) override;
    void play_to_end(Sound sound) override;

    // Loads the module now, if it is not loaded yet.
    void preload();
    // False when the module could not be loaded and the game stays silent.
    bool loaded() const;
    // Ends the sound service, waiting at most `limit_ms` for it. False when
    // the audio server holds it up: the program should then end at once,
    // without the audio libraries' clean-up. Later sounds are silent.
    bool close(int limit_ms);

private:
    SoundInterface& service();

    QLibrary library_;
    // The module's service belongs to the module: only its close entry point
    // ends it, and at most once. Null when none was made or once it is ended.
    SoundInterface* module_service_ = nullptr;
    // Stands in when the module is missing, and after close.
    SilentSound silent_;
    bool tried_ = false;
};

// The module's one entry point: a new sound service playing from the
// program's sounds folder.
inline constexpr const char* kSoundModuleEntry = "swoonery_create_sound";
using CreateSound = SoundInterface* (*)();
// And its way out: ends a service it made, waiting at most `limit_ms`; false
// when the service could not end in time and was left running.
inline constexpr const char* kSoundModuleClose = "swoonery_close_sound";
using CloseSound = bool (*)(SoundInterface*, int limit_ms);

} // namespace swoonery::ui
