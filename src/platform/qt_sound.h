// The game's sounds on Qt Multimedia: a small WAV player of our own on an
// audio sink, so that a sound plays to its very end and a sound that never
// reports its end (no audio server) cannot hold the game up.
#pragma once

#include "platform/sound.h"

#include <QString>

#include <functional>
#include <memory>

namespace swoonery {

class QtSound final : public SoundInterface {
  public:
    using Alert = std::function<void()>;

    // How long play_to_end waits past a sound's length before giving up on it.
    static constexpr int end_margin_ms = 500;

    // Nothing is read and no audio device is opened until the first sound is
    // asked for; each file is then read once and kept. The alert is what
    // play() gives for a file it cannot play.
    explicit QtSound(QString sounds_folder = default_sounds_folder(), Alert alert = default_alert);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(std::string_view file) override;
    void play_to_end(std::string_view file) override;

    // True while a sound is still going (for the tests and the window's own use).
    bool is_playing() const;

    // <program folder>/sounds/; needs the application object to exist.
    static QString default_sounds_folder();
    // The desktop's alert sound (the bell), when there is a GUI application.
    static void default_alert();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace swoonery
