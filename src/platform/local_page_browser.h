// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pages shipped with the game (file: addresses) are checked before the
// browser is started: a browser given a missing file would open an error page
// of its own, while the game is to report the page as not opened.
#pragma once

#include "core/services.h"

#include <optional>
#include <string>
#include <string_view>

namespace swoonery {

// The local path of a "file://" address (percent-escapes decoded to the bytes
// they stand for), or nothing for any other address or for a file address
// naming another host.
std::optional<std::string> local_file_of(std::string_view url);

class LocalPageBrowser final : public BrowserInterface {
public:
    explicit LocalPageBrowser(BrowserInterface& browser) : browser_(browser) {}

    // A file address whose file is missing (or is no regular file, or whose
    // name holds a NUL) is NotOpened and no browser is started; any other
    // address goes to the browser unchanged.
    BrowserResult open(std::string_view url) override;

private:
    BrowserInterface& browser_;
};

} // namespace swoonery
