// The size of the desktop the game runs on, in pixels.
#pragma once

namespace swoonery {

struct DesktopSize {
    int width = 0;
    int height = 0;
};

class DesktopInterface {
public:
    virtual ~DesktopInterface() = default;
    virtual DesktopSize size() = 0;
};

} // namespace swoonery
