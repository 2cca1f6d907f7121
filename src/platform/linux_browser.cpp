#include "platform/linux_browser.h"

#include "base/safe_file.h"
#include "platform/page_address.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace swoonery {

namespace xdg {

namespace {

// Absolute paths only: the base directory rules say relative ones are ignored.
QStringList absolute_dirs(const QByteArray& value, const QStringList& fallback) {
    QStringList dirs;
    for (const QString& dir : QString::fromLocal8Bit(value).split(QLatin1Char(':'))) {
        if (QDir::isAbsolutePath(dir)) {
            dirs.append(QDir::cleanPath(dir));
        }
    }
    return dirs.isEmpty() ? fallback : dirs;
}

QString absolute_dir(const char* variable, const QString& fallback) {
    const QString dir = QString::fromLocal8Bit(qgetenv(variable));
    return QDir::isAbsolutePath(dir) ? QDir::cleanPath(dir) : fallback;
}

// The groups of a desktop-entry style file: group name -> key -> value.
using Groups = QHash<QString, QHash<QString, QString>>;

// Desktop entries and mimeapps.list files are a few KiB; the caches that list
// every installed application run larger. Anything bigger, or not a regular
// file (a pipe, a device), is no file of the desktop's and is ignored, so it
// can neither hang the game nor fill its memory.
constexpr std::size_t kEntryLimit = 64 * 1024;
constexpr std::size_t kCacheLimit = 4 * 1024 * 1024;

Groups read_groups(const QString& path, std::size_t limit = kEntryLimit) {
    Groups groups;
    const files::SmallRead read =
        files::read_small_file(std::filesystem::path(QFile::encodeName(path).toStdString()),
                               limit + 1, files::Links::Follow);
    if (!read.error.empty() || read.bytes.size() > limit) {
        return groups;
    }
    QHash<QString, QString>* group = nullptr;
    for (const QByteArray& raw :
         QByteArray::fromRawData(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()))
             .split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            // A repeated group adds nothing: the first one counts.
            group = groups.contains(name) ? nullptr : &groups[name];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (group == nullptr || equals <= 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        if (!group->contains(key)) {
            group->insert(key, line.mid(equals + 1).trimmed());
        }
    }
    return groups;
}

QStringList desktop_ids(const Groups& groups, const QString& group, const QString& mime_type) {
    const auto found = groups.constFind(group);
    if (found == groups.constEnd()) {
        return {};
    }
    return found->value(mime_type).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

// A desktop file ID names a file under an applications folder, with the
// folder separators of any subfolder written as '-'.
QString find_id_in(const QString& dir, const QString& id) {
    const QFileInfo direct(dir + QLatin1Char('/') + id);
    if (direct.isFile()) {
        return direct.filePath();
    }
    for (qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0;
         dash = id.indexOf(QLatin1Char('-'), dash + 1)) {
        const QString sub = dir + QLatin1Char('/') + id.left(dash);
        if (QFileInfo(sub).isDir()) {
            if (QString found = find_id_in(sub, id.mid(dash + 1)); !found.isEmpty()) {
                return found;
            }
        }
    }
    return {};
}

// The file of an installed application: Hidden=true means the user deleted it.
QString installed_application(const QStringList& application_dirs, const QString& id) {
    if (!id.endsWith(QLatin1String(".desktop")) || id.contains(QLatin1Char('/'))) {
        return {};
    }
    for (const QString& dir : application_dirs) {
        const QString path = find_id_in(dir, id);
        if (path.isEmpty()) {
            continue;
        }
        const Groups groups = read_groups(path);
        const auto entry = groups.constFind(QStringLiteral("Desktop Entry"));
        if (entry == groups.constEnd() ||
            entry->value(QStringLiteral("Hidden")) == QLatin1String("true")) {
            return {};
        }
        return path;
    }
    return {};
}

// One folder of the lookup, with its mimeapps.list files in priority order.
struct Level {
    QStringList lists;
    QString cache;           // mimeinfo.cache, for the data folders
    QString legacy_defaults; // defaults.list, for the data folders
};

std::vector<Level> levels(const Paths& paths) {
    const auto lists_in = [&](const QString& dir) {
        QStringList lists;
        for (const QString& desktop : paths.desktops) {
            lists.append(dir + QLatin1Char('/') + desktop + QLatin1String("-mimeapps.list"));
        }
        lists.append(dir + QLatin1String("/mimeapps.list"));
        return lists;
    };
    std::vector<Level> result;
    result.push_back({lists_in(paths.config_home), {}, {}});
    for (const QString& dir : paths.config_dirs) {
        result.push_back({lists_in(dir), {}, {}});
    }
    QStringList data = {paths.data_home};
    data.append(paths.data_dirs);
    for (const QString& dir : data) {
        const QString applications = dir + QLatin1String("/applications");
        result.push_back({lists_in(applications), applications + QLatin1String("/mimeinfo.cache"),
                          applications + QLatin1String("/defaults.list")});
    }
    return result;
}

// Undoes the general escapes of desktop entry string values.
QString unescape_value(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default:
            // Not a string escape: it is left for the Exec quoting rules.
            out += c;
            out += value[i];
        }
    }
    return out;
}

} // namespace

Paths Paths::from_environment() {
    const QString home = QDir::homePath();
    Paths paths;
    paths.config_home = absolute_dir("XDG_CONFIG_HOME", home + QLatin1String("/.config"));
    paths.config_dirs = absolute_dirs(qgetenv("XDG_CONFIG_DIRS"), {QStringLiteral("/etc/xdg")});
    paths.data_home = absolute_dir("XDG_DATA_HOME", home + QLatin1String("/.local/share"));
    paths.data_dirs = absolute_dirs(qgetenv("XDG_DATA_DIRS"), {QStringLiteral("/usr/local/share"),
                                                               QStringLiteral("/usr/share")});
    for (const QString& desktop : QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"))
                                      .split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        paths.desktops.append(desktop.toLower());
    }
    return paths;
}

QString default_application(const Paths& paths, const QString& mime_type) {
    QStringList application_dirs = {paths.data_home + QLatin1String("/applications")};
    for (const QString& dir : paths.data_dirs) {
        application_dirs.append(dir + QLatin1String("/applications"));
    }
    const std::vector<Level> all = levels(paths);

    // The first installed application named as a default wins.
    const QString defaults = QStringLiteral("Default Applications");
    for (const Level& level : all) {
        for (const QString& list : level.lists) {
            for (const QString& id : desktop_ids(read_groups(list), defaults, mime_type)) {
                if (QString path = installed_application(application_dirs, id); !path.isEmpty()) {
                    return path;
                }
            }
        }
    }
    for (const Level& level : all) {
        if (level.legacy_defaults.isEmpty()) {
            continue;
        }
        for (const QString& id :
             desktop_ids(read_groups(level.legacy_defaults, kCacheLimit), defaults, mime_type)) {
            if (QString path = installed_application(application_dirs, id); !path.isEmpty()) {
                return path;
            }
        }
    }

    // Failing that, the first application associated with the type, less
    // those whose association a higher-priority file removed.
    QSet<QString> removed;
    const auto first_associated = [&](const QStringList& ids) -> QString {
        for (const QString& id : ids) {
            if (removed.contains(id)) {
                continue;
            }
            if (QString path = installed_application(application_dirs, id); !path.isEmpty()) {
                return path;
            }
        }
        return {};
    };
    for (const Level& level : all) {
        for (const QString& list : level.lists) {
            const Groups groups = read_groups(list);
            for (const QString& id :
                 desktop_ids(groups, QStringLiteral("Removed Associations"), mime_type)) {
                removed.insert(id);
            }
            if (QString path = first_associated(
                    desktop_ids(groups, QStringLiteral("Added Associations"), mime_type));
                !path.isEmpty()) {
                return path;
            }
        }
        if (!level.cache.isEmpty()) {
            if (QString path =
                    first_associated(desktop_ids(read_groups(level.cache, kCacheLimit),
                                                 QStringLiteral("MIME Cache"), mime_type));
                !path.isEmpty()) {
                return path;
            }
        }
    }
    return {};
}

std::optional<QString> desktop_exec(const QString& desktop_file) {
    const Groups groups = read_groups(desktop_file);
    const auto entry = groups.constFind(QStringLiteral("Desktop Entry"));
    if (entry == groups.constEnd() || !entry->contains(QStringLiteral("Exec"))) {
        return std::nullopt;
    }
    return entry->value(QStringLiteral("Exec"));
}

std::optional<QStringList> split_exec(const QString& exec, const QString& address) {
    const QString line = unescape_value(exec);
    QStringList args;
    QString current;
    bool in_argument = false; // also true for an argument written as ""
    bool quoted = false;
    bool has_address = false;
    // Where the current word of the line began (-1 between words), and
    // whether it holds the address. The address must be a word of its own:
    // glued to a quoted part ("sh -c "echo "%u), an escaped blank
    // (echo\ %u) or anything else (X=%u), it becomes a piece of another
    // program's command line, which the game cannot vouch for.
    qsizetype word_start = -1;
    bool word_has_address = false;
    const auto word_ends_at = [&](qsizetype end) {
        const bool alone = !word_has_address || end - word_start == 2;
        word_start = -1;
        word_has_address = false;
        return alone;
    };

    // Returns how many characters after the '%' the field code used.
    const auto field_code = [&](qsizetype at) -> qsizetype {
        if (at + 1 == line.size()) {
            return 0;
        }
        switch (line[at + 1].unicode()) {
        case 'u':
        case 'U':
        case 'f':
        case 'F':
            current += address;
            in_argument = true;
            has_address = true;
            word_has_address = true;
            break;
        case '%':
            current += QLatin1Char('%');
            in_argument = true;
            break;
        default:
            // %i, %c, %k, the deprecated codes and unknown ones stand for nothing.
            break;
        }
        return 1;
    };

    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        const bool blank =
            c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
        if (word_start < 0 && (quoted || !blank)) {
            word_start = i;
        }
        if (c == QLatin1Char('%') && quoted) {
            // Field codes are not allowed inside quotes: substituting there
            // could hand the address to a shell ("sh -c \"... %u\""). Such
            // an entry cannot be used safely.
            return std::nullopt;
        }
        if (c == QLatin1Char('%')) {
            i += field_code(i);
        } else if (quoted) {
            static constexpr std::array<char16_t, 4> escapable = {u'"', u'`', u'$', u'\\'};
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < line.size() &&
                       std::find(escapable.begin(), escapable.end(), line[i + 1].unicode()) !=
                           escapable.end()) {
                current += line[++i];
            } else {
                current += c;
            }
        } else if (blank) {
            if (word_start >= 0 && !word_ends_at(i)) {
                return std::nullopt;
            }
            if (in_argument) {
                args.append(current);
                current.clear();
                in_argument = false;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            in_argument = true;
        } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            // Not allowed unquoted, but read the way shells would.
            current += line[++i];
            in_argument = true;
        } else {
            current += c;
            in_argument = true;
        }
    }
    if (quoted || (word_start >= 0 && !word_ends_at(line.size()))) {
        return std::nullopt;
    }
    if (in_argument) {
        args.append(current);
    }
    if (args.isEmpty() || args.first().isEmpty()) {
        return std::nullopt;
    }
    if (!has_address) {
        args.append(address);
    }
    return args;
}

} // namespace xdg

namespace {

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

// The command of the desktop's default application for web pages: nothing
// when there is none, or when its entry cannot be used.
std::optional<QStringList> desktop_default(const QString& address) {
    const xdg::Paths paths = xdg::Paths::from_environment();
    for (const char* type : {"x-scheme-handler/https", "x-scheme-handler/http", "text/html"}) {
        const QString desktop_file = xdg::default_application(paths, QString::fromLatin1(type));
        if (desktop_file.isEmpty()) {
            continue;
        }
        const std::optional<QString> exec = xdg::desktop_exec(desktop_file);
        return exec ? xdg::split_exec(*exec, address) : std::nullopt;
    }
    return std::nullopt;
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

BrowserResult LinuxBrowser::open(std::string_view url) {
    // Only a plain address is handed on: whatever a browser's entry or the
    // BROWSER variable does with it, even through a shell, it holds nothing
    // that a shell or an option parser reads as more than text.
    if (!is_plain_address(url)) {
        return BrowserResult::NotOpened;
    }
    const QString address = QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()));
    // The order a Debian user expects: the desktop's default, then the
    // BROWSER variable, then the system's x-www-browser alternative.
    std::optional<QStringList> args = desktop_default(address);
    if (!args) {
        args = browser_variable(address);
    }
    if (!args && !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty()) {
        args = QStringList{QStringLiteral("x-www-browser"), address};
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
