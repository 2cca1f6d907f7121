// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sounds: a small WAV player of our own on the PulseAudio server,
// so that a sound plays to its very end. The player lives on a thread of its
// own and never waits on the server: a server that hangs, refuses or is not
// there can silence the game but never hold its windows up, and a server that
// comes (back) later is found by the next sound.
#pragma once

#include "core/services.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace swoonery {

class QtSound final : public SoundInterface {
public:
    using Alert = std::function<void()>;

    // How long play_to_end waits past a sound's length before giving up on it.
    static constexpr int end_margin_ms = 300;

    // Each file is read once, when it is first asked for, and kept. The audio
    // server is reached from the sound's own thread only. The alert is what play()
    // gives for a missing file; one that is there but cannot be played is silence.
    explicit QtSound(QString sounds_folder = default_sounds_folder(), Alert alert = default_alert);
    // Waits a moment for the sound's thread to end; a thread still held up
    // is left behind (see shut_down).
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(Sound sound) override { play(sound_file(sound)); }
    void play_to_end(Sound sound) override { play_to_end(sound_file(sound)); }

    // Asks the sound's thread to play a file of the sounds folder and
    // returns at once.
    void play(std::string_view file);
    // Returns once the sound has been heard to its end, or when its length
    // plus end_margin_ms has passed, whichever comes first; windows keep
    // painting meanwhile and the player's input waits.
    void play_to_end(std::string_view file);

    // True while the last sound asked for may still be going.
    bool is_playing() const;

    // Ends the sound's thread, waiting at most `limit` for it. The thread never
    // waits on a server it is connected to, but the audio library may start a
    // server for the game and wait for that. False when the thread is held up
    // so: the program should then end without running the libraries' clean-up.
    bool shut_down(std::chrono::milliseconds limit);

    // <program folder>/sounds/; needs the application object to exist.
    static QString default_sounds_folder();
    // The desktop's alert sound (the bell), when there is a GUI application.
    static void default_alert();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace swoonery
