// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux_browser.h"

#include "platform/page_address.h"

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gio/gio.h>

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace swoonery {

namespace {

namespace fs = std::filesystem;

// GLib reads the desktop's association lists and application entries whole,
// and would wait forever on a pipe put in their place, or read an endless
// device until memory runs out. Before it looks, every such file must be a
// regular file of the size such files have; otherwise the desktop's default
// counts as missing.
constexpr std::uintmax_t kEntryLimit = 64 * 1024;
constexpr std::uintmax_t kCacheLimit = 4 * 1024 * 1024;

std::vector<fs::path> base_dirs(const char* variable, const char* fallback) {
    std::vector<fs::path> dirs;
    const QByteArray value = qgetenv(variable);
    for (const QByteArray& dir : (value.isEmpty() ? QByteArray(fallback) : value).split(':')) {
        if (dir.startsWith('/')) {
            dirs.emplace_back(dir.toStdString());
        }
    }
    return dirs;
}

fs::path home_dir(const char* variable, const char* under_home) {
    const QByteArray value = qgetenv(variable);
    if (value.startsWith('/')) {
        return fs::path(value.toStdString());
    }
    return fs::path(qgetenv("HOME").toStdString()) / under_home;
}

// False when the file is there but is not a regular file of at most `limit`
// bytes (a missing file, or a link to nothing, is fine: it is not read).
bool sound_file(const fs::path& file, std::uintmax_t limit) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error || status.type() == fs::file_type::not_found) {
        return true;
    }
    return status.type() == fs::file_type::regular && fs::file_size(file, error) <= limit && !error;
}

bool desktop_files_are_sound() {
    std::vector<fs::path> config = base_dirs("XDG_CONFIG_DIRS", "/etc/xdg");
    config.insert(config.begin(), home_dir("XDG_CONFIG_HOME", ".config"));
    std::vector<fs::path> data = base_dirs("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    data.insert(data.begin(), home_dir("XDG_DATA_HOME", ".local/share"));

    std::vector<std::string> lists = {"mimeapps.list"};
    for (const QByteArray& desktop : qgetenv("XDG_CURRENT_DESKTOP").toLower().split(':')) {
        if (!desktop.isEmpty()) {
            lists.push_back(desktop.toStdString() + "-mimeapps.list");
        }
    }
    for (const fs::path& dir : config) {
        for (const std::string& list : lists) {
            if (!sound_file(dir / list, kEntryLimit)) {
                return false;
            }
        }
    }
    for (const fs::path& dir : data) {
        const fs::path applications = dir / "applications";
        for (const std::string& list : lists) {
            if (!sound_file(applications / list, kEntryLimit)) {
                return false;
            }
        }
        for (const char* cache : {"mimeinfo.cache", "defaults.list"}) {
            if (!sound_file(applications / cache, kCacheLimit)) {
                return false;
            }
        }
        std::error_code error;
        for (fs::recursive_directory_iterator it(applications, error), end; !error && it != end;
             it.increment(error)) {
            if (it->path().extension() == ".desktop" && !sound_file(it->path(), kEntryLimit)) {
                return false;
            }
        }
    }
    return true;
}

// Whether the game runs in a sandbox, where only the desktop portal can open
// a page: GLib's own test.
bool sandboxed() {
    return fs::exists("/.flatpak-info") || qgetenv("GIO_USE_PORTALS") == "1";
}

// The desktop's default application for https addresses, then for web
// pages; nothing when there is none.
GAppInfo* desktop_default() {
    if (GAppInfo* app = g_app_info_get_default_for_uri_scheme("https")) {
        return app;
    }
    return g_app_info_get_default_for_type("text/html", FALSE);
}

// The path of a local address with its escapes decoded, as bytes; nothing
// for any other address.
std::optional<std::string> local_path(const std::string& url) {
    constexpr std::string_view kFile = "file://";
    if (url.compare(0, kFile.size(), kFile) != 0) {
        return std::nullopt;
    }
    std::string path;
    for (std::size_t i = kFile.size(); i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size()) {
            path.push_back(static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            path.push_back(url[i]);
        }
    }
    return path;
}

// Starts `app` with the address: true when it was started.
bool launch(GAppInfo* app, const std::string& address) {
    GList uris{};
    uris.data = const_cast<char*>(address.c_str());
    GError* error = nullptr;
    const bool started = g_app_info_launch_uris(app, &uris, nullptr, &error) != FALSE;
    g_clear_error(&error);
    return started;
}

// The program of a command, as a path that can be started: a name with a
// folder is taken as it is, a bare name is looked up on PATH. Empty when
// there is no such program.
QString resolve_program(const QString& name) {
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo file(name);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(name);
}

// The first installed command of the BROWSER variable: commands separated by
// colons, each split at blanks, "%s" standing for the address (appended when
// a command has none) and "%%" for a percent sign.
std::optional<QStringList> browser_variable(const QString& address) {
    const QString value = QString::fromLocal8Bit(qgetenv("BROWSER"));
    for (const QString& command : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList args;
        bool has_address = false;
        for (const QString& word :
             command.split(QRegularExpression(QStringLiteral("[ \\t]+")), Qt::SkipEmptyParts)) {
            QString arg;
            for (qsizetype i = 0; i < word.size(); ++i) {
                if (word[i] == QLatin1Char('%') && i + 1 < word.size() &&
                    (word[i + 1] == QLatin1Char('s') || word[i + 1] == QLatin1Char('%'))) {
                    const bool is_address = word[++i] == QLatin1Char('s');
                    arg += is_address ? address : QStringLiteral("%");
                    has_address = has_address || is_address;
                } else {
                    arg += word[i];
                }
            }
            args.append(arg);
        }
        if (args.isEmpty() || resolve_program(args.first()).isEmpty()) {
            continue;
        }
        if (!has_address) {
            args.append(address);
        }
        return args;
    }
    return std::nullopt;
}

} // namespace

LinuxBrowser::~LinuxBrowser() {
    if (!link_folder_.empty()) {
        std::error_code error;
        fs::remove_all(link_folder_, error);
    }
}

std::string LinuxBrowser::plain_local_address(const std::string& url) {
    const std::optional<std::string> path = local_path(url);
    if (!path || is_plain_address(*path)) {
        return url;
    }
    // A link to the page's folder's parent, so that the page's own links to
    // the pictures beside its folder still lead there.
    const fs::path page(*path);
    const fs::path target = page.parent_path().parent_path();
    if (link_folder_.empty()) {
        std::string folder = (fs::temp_directory_path() / "swoonery-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr) {
            return {};
        }
        link_folder_ = folder;
    }
    const fs::path link = fs::path(link_folder_) / "game";
    std::error_code error;
    fs::remove(link, error);
    fs::create_directory_symlink(target, link, error);
    if (error) {
        return {};
    }
    const std::string plain =
        file_address((link / page.parent_path().filename() / page.filename()).string());
    return is_plain_address(plain) ? plain : std::string();
}

BrowserResult LinuxBrowser::open(std::string_view url) {
    // Only a plain address is handed on: whatever a browser's entry or the
    // BROWSER variable does with it, even through a shell, it holds nothing
    // that a shell or an option parser reads as more than text.
    if (!is_plain_address(url)) {
        return BrowserResult::NotOpened;
    }
    const std::string address(url);
    if (sandboxed()) {
        GError* error = nullptr;
        const bool opened =
            g_app_info_launch_default_for_uri(address.c_str(), nullptr, &error) != FALSE;
        g_clear_error(&error);
        return opened ? BrowserResult::Opened : BrowserResult::NotOpened;
    }
    // The order a Debian user expects: the desktop's default, then the
    // BROWSER variable, then the system's x-www-browser alternative.
    if (desktop_files_are_sound()) {
        if (GAppInfo* app = desktop_default()) {
            const std::string plain = plain_local_address(address);
            const bool started = !plain.empty() && launch(app, plain);
            g_object_unref(app);
            return started ? BrowserResult::Opened : BrowserResult::NotOpened;
        }
    }
    const QString text = QString::fromStdString(address);
    std::optional<QStringList> args = browser_variable(text);
    if (!args && !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty()) {
        args = QStringList{QStringLiteral("x-www-browser"), text};
    }
    if (!args) {
        return BrowserResult::NotFound;
    }
    const QString program = resolve_program(args->takeFirst());
    if (program.isEmpty()) {
        return BrowserResult::NotOpened;
    }
    return QProcess::startDetached(program, *args) ? BrowserResult::Opened
                                                   : BrowserResult::NotOpened;
}

} // namespace swoonery
