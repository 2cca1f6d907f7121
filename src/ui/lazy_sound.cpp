#include "ui/lazy_sound.h"

#include <QtGlobal>

namespace swoonery::ui {

LazySound::LazySound(const QString& module) : library_(module) {}

LazySound::~LazySound() {
    // The service's code lives in the module, which is left loaded.
    service_.reset();
}

bool LazySound::loaded() const { return service_ != nullptr && library_.isLoaded(); }

void LazySound::preload() { service(); }

bool LazySound::close(int limit_ms) {
    if (!loaded()) {
        return true;
    }
    const auto close_service = reinterpret_cast<CloseSound>(library_.resolve(kSoundModuleClose));
    if (close_service == nullptr || close_service(service_.get(), limit_ms)) {
        service_.reset();
        return true;
    }
    // Still held up by the audio server: left as it is, never destroyed.
    static_cast<void>(service_.release());
    return false;
}

SoundInterface& LazySound::service() {
    if (!tried_) {
        tried_ = true;
        if (const auto create =
                reinterpret_cast<CreateSound>(library_.resolve(kSoundModuleEntry))) {
            service_.reset(create());
        }
        if (service_ == nullptr) {
            qWarning("swoonery: no sound (%s)", qPrintable(library_.errorString()));
            service_ = std::make_unique<SilentSound>();
        }
    }
    return *service_;
}

void LazySound::play(Sound sound) { service().play(sound); }

void LazySound::play_to_end(Sound sound) { service().play_to_end(sound); }

} // namespace swoonery::ui
