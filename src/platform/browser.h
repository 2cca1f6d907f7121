// Opening a web page in the user's default browser.
#pragma once

#include <string_view>

namespace swoonery {

enum class BrowserResult {
    Opened,    // the browser was started with the address
    NotFound,  // no program is associated with web pages
    NotOpened, // a browser was found but could not be started
};

class BrowserInterface {
public:
    virtual ~BrowserInterface() = default;
    // Starts the default browser with the address as its one argument.
    virtual BrowserResult open(std::string_view url) = 0;
};

} // namespace swoonery
