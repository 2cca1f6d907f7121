// The desktop's size as Qt sees it: the primary screen, in device-independent
// pixels, so that a 200% display of 3840 by 2160 counts as 1920 by 1080.
#pragma once

#include "core/services.h"

namespace swoonery::ui {

class QtDesktop final : public DesktopInterface {
public:
    DesktopSize size() override;
};

} // namespace swoonery::ui
