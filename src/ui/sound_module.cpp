// The swoonery-sound module: the real sound service, loaded by the game when
// it first needs it (see lazy_sound.h).
#include "platform/qt_sound.h"
#include "ui/lazy_sound.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT swoonery::SoundInterface* swoonery_create_sound() {
    return new swoonery::QtSound();
}

// The entry point's type is the one the game resolves it as.
static_assert(std::is_same_v<decltype(&swoonery_create_sound), swoonery::ui::CreateSound>);
