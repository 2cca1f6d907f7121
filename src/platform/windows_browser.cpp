#include "platform/windows_browser.h"

#include "platform/windows_command_line.h"
#include "platform/windows_text.h"

#include <shellapi.h>

#include <string>

namespace swoonery {

namespace {

// An empty .htm file in the temp folder, to ask which program opens web
// pages. It is removed when this goes out of scope, whatever happened.
class TemporaryPage {
  public:
    TemporaryPage() {
        wchar_t folder[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
        if (length == 0 || length > MAX_PATH) {
            return;
        }
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::wstring candidate = std::wstring(folder) + L"swoonery-" +
                                           std::to_wstring(GetCurrentProcessId()) + L"-" +
                                           std::to_wstring(++counter) + L".htm";
            const HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                path_ = candidate;
                return;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) {
                return;
            }
        }
    }
    ~TemporaryPage() {
        if (!path_.empty()) {
            DeleteFileW(path_.c_str());
        }
    }
    TemporaryPage(const TemporaryPage&) = delete;
    TemporaryPage& operator=(const TemporaryPage&) = delete;

    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
};

bool succeeded(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

BrowserResult WindowsBrowser::open(std::string_view url) {
    wchar_t program[MAX_PATH] = {};
    {
        const TemporaryPage page;
        if (page.path().empty()) {
            return BrowserResult::NotOpened;
        }
        const HINSTANCE found = FindExecutableW(page.path().c_str(), nullptr, program);
        if (!succeeded(found)) {
            return reinterpret_cast<INT_PTR>(found) == SE_ERR_NOASSOC ? BrowserResult::NotFound
                                                                      : BrowserResult::NotOpened;
        }
    }
    if (program[0] == L'\0') {
        return BrowserResult::NotFound;
    }
    const std::wstring argument = quote_windows_argument(widen(url));
    const HINSTANCE started = ShellExecuteW(static_cast<HWND>(owner_), L"open", program,
                                            argument.c_str(), nullptr, SW_SHOWNORMAL);
    return succeeded(started) ? BrowserResult::Opened : BrowserResult::NotOpened;
}

} // namespace swoonery
