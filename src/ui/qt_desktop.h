// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's size as Qt sees it: the primary screen, in device-independent
// pixels, so that a 200% display of 3840 by 2160 counts as 1920 by 1080. A
// pause keeps the windows painting under a busy cursor; the player's clicks
// and keys wait until it is over.
#pragma once

#include "core/services.h"

namespace swoonery::ui {

class QtDesktop final : public DesktopInterface {
public:
    DesktopSize size() override;
    void pause(std::chrono::milliseconds time) override;
};

} // namespace swoonery::ui
