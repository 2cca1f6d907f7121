// Opening the web browser on Linux desktops: the default application for web
// addresses is looked up in the freedesktop.org mimeapps.list files, then in
// the BROWSER variable, then as the x-www-browser alternative, and started
// directly with the address as an argument, with no shell in between.
#pragma once

#include "core/services.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace swoonery {

namespace xdg {

// The base directories a lookup searches, highest priority first.
struct Paths {
    QString config_home;
    QStringList config_dirs;
    QString data_home;
    QStringList data_dirs;
    QStringList desktops; // from XDG_CURRENT_DESKTOP, lower case

    // From XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME, XDG_DATA_DIRS and
    // XDG_CURRENT_DESKTOP, with the standard defaults for those unset.
    static Paths from_environment();
};

// The desktop file of the default application for a MIME type (such as
// "x-scheme-handler/https"), or an empty string when there is none.
QString default_application(const Paths& paths, const QString& mime_type);

// The Exec value of a desktop file's [Desktop Entry] group, still escaped as
// in the file; nothing when the file cannot be read or has no Exec key.
std::optional<QString> desktop_exec(const QString& desktop_file);

// Splits an Exec value into the program and its arguments, with %u, %U, %f
// and %F standing for the address (always one argument, appended when the
// line has none of them). Nothing when the line is empty or badly quoted, or
// when a field code stands inside quotes or shares its argument with
// anything else (a quoted part, an escaped blank, "--url=%u"): the address
// would then be a piece of something else, such as a shell's command, and
// such an entry cannot be used safely.
std::optional<QStringList> split_exec(const QString& exec, const QString& address);

} // namespace xdg

class LinuxBrowser final : public BrowserInterface {
  public:
    // Looks the browser up afresh on every open(), so a change of default
    // browser while the game runs is honoured.
    LinuxBrowser() = default;

    // An address that is not plain (see page_address.h) is NotOpened and
    // nothing is started.
    BrowserResult open(std::string_view url) override;
};

} // namespace swoonery
