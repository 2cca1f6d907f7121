// Opening the web browser on Windows: the program that opens .htm files is
// started with the address. Plain Win32, no Qt.
#pragma once

#include "platform/browser.h"

namespace swoonery {

class WindowsBrowser final : public BrowserInterface {
  public:
    // owner_window is the HWND of the game's main window (may be null); it
    // owns any error box the shell shows.
    explicit WindowsBrowser(void* owner_window = nullptr) : owner_(owner_window) {}

    BrowserResult open(std::string_view url) override;

  private:
    void* owner_;
};

} // namespace swoonery
