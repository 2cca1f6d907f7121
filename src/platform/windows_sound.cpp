#include "platform/windows_sound.h"

#include "platform/windows_text.h"

#include <mmsystem.h>

#include <utility>

namespace swoonery {

WindowsSound::WindowsSound(std::wstring sounds_folder) : folder_(std::move(sounds_folder)) {
    if (!folder_.empty() && folder_.back() != L'\\' && folder_.back() != L'/') {
        folder_ += L'\\';
    }
}

std::wstring WindowsSound::default_sounds_folder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return L"sounds\\";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return path + L"sounds\\";
}

std::wstring WindowsSound::path_of(std::string_view file) const {
    return folder_ + widen(file);
}

void WindowsSound::play(std::string_view file) {
    // A new sound stops the one playing; a missing file gives the default sound.
    const std::wstring path = path_of(file);
    PlaySoundW(path.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
}

void WindowsSound::play_to_end(std::string_view file) {
    const std::wstring path = path_of(file);
    PlaySoundW(path.c_str(), nullptr, SND_SYNC | SND_FILENAME | SND_NODEFAULT);
}

} // namespace swoonery
