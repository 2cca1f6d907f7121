// The sound service the game asks to play its WAV files (from the program's
// sounds folder, by file name).
#pragma once

#include <string_view>

namespace swoonery {

class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    // Starts the sound and returns at once; it cuts off any sound still
    // playing. A missing file gives the default alert instead.
    virtual void play(std::string_view file) = 0;
    // Plays the sound to its end before returning; a missing file is silence.
    virtual void play_to_end(std::string_view file) = 0;
};

// Plays nothing: for tools and tests that have no use for sound.
class SilentSound final : public SoundInterface {
public:
    void play(std::string_view) override {}
    void play_to_end(std::string_view) override {}
};

} // namespace swoonery
