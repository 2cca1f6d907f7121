// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/local_page_browser.h"

#include <QByteArray>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace swoonery {

std::optional<std::string> local_file_of(std::string_view url) {
    const QUrl parsed(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())));
    if (!parsed.isLocalFile()) {
        return std::nullopt;
    }
    // "file://localhost/path" names this machine too; any other host does not.
    if (!parsed.host().isEmpty() && parsed.host() != QLatin1String("localhost")) {
        return std::nullopt;
    }
    // The escapes are decoded to bytes, not to text: a folder whose name is
    // not UTF-8 is still the folder the address names.
    const QByteArray path =
        QByteArray::fromPercentEncoding(parsed.path(QUrl::FullyEncoded).toLatin1());
    if (!path.startsWith('/')) {
        return std::nullopt; // "file:help.html" names no file for certain
    }
    return path.toStdString();
}

BrowserResult LocalPageBrowser::open(std::string_view url) {
    if (const auto file = local_file_of(url)) {
        // A NUL ("%00") would end the name the system is asked about early.
        std::error_code error;
        if (file->find('\0') != std::string::npos ||
            !std::filesystem::is_regular_file(*file, error)) {
            return BrowserResult::NotOpened;
        }
    }
    return browser_.open(url);
}

} // namespace swoonery
