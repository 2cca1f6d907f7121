// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the web browser on Linux desktops. The desktop's own lookup (GIO,
// from the GLib that Qt already loads) finds the default application for
// https addresses, then for web pages, and starts it with the address:
// directly, over D-Bus for applications started that way, or through the
// desktop portal when the game runs in a sandbox. Without a desktop default,
// the BROWSER variable, then the x-www-browser alternative. No shell is ever
// put between the game and the browser.
#pragma once

#include "core/services.h"

namespace swoonery {

class LinuxBrowser final : public BrowserInterface {
public:
    // Looks the browser up afresh on every open(), so a change of default
    // browser while the game runs is honoured.
    LinuxBrowser() = default;
    ~LinuxBrowser() override;
    LinuxBrowser(const LinuxBrowser&) = delete;
    LinuxBrowser& operator=(const LinuxBrowser&) = delete;

    BrowserResult open(std::string_view url) override;

private:
    // The desktop's lookup hands a browser a local page as a path, unescaped.
    // A page in a folder whose name a shell would read as more than text
    // ("$(...)", quotes, blanks) is handed on through a link of a plain name
    // to that folder instead, made once and removed with this object.
    std::string plain_local_address(const std::string& url);
    std::string link_folder_;
};

} // namespace swoonery
