// The game's sounds on Windows, through the system's own WAV player. Plain
// Win32, no Qt.
#pragma once

#include "platform/sound.h"

#include <string>

namespace swoonery {

class WindowsSound final : public SoundInterface {
  public:
    // The folder holds the WAV files; a trailing backslash is optional.
    explicit WindowsSound(std::wstring sounds_folder = default_sounds_folder());

    void play(std::string_view file) override;
    void play_to_end(std::string_view file) override;

    // The sounds folder beside the running program, ending in a backslash.
    static std::wstring default_sounds_folder();

  private:
    std::wstring path_of(std::string_view file) const;

    std::wstring folder_;
};

} // namespace swoonery
