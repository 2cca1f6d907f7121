// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux_browser.h"
#include "platform/page_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include "support/finishes_within.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <optional>

namespace swoonery {
namespace {

using namespace Qt::StringLiterals;

// Files under a temporary root, written for one case.
struct TempTree {
    QTemporaryDir dir;

    QString path(const QString& relative) const { return dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& text) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
};

QByteArray app(const QByteArray& exec = "browser %u") {
    return "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec + "\n";
}

const QByteArray https_default = "[Default Applications]\nx-scheme-handler/https=";

// Opens the address in a process of its own: the desktop's lookup reads its
// folders once per process, and each test sets up a desktop of its own. Gives
// nothing when the lookup did not come back within `limit`.
std::optional<BrowserResult>
open_in_child(const std::string& url, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(static_cast<int>(LinuxBrowser().open(url)));
    }
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (clock.elapsed() > limit.count()) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return std::nullopt;
        }
        QThread::msleep(5);
    }
    if (!WIFEXITED(status)) {
        return std::nullopt;
    }
    return static_cast<BrowserResult>(WEXITSTATUS(status));
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    void set(const char* name, const std::optional<QByteArray>& value) {
        if (saved_.count(name) == 0) {
            saved_[name] =
                qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        }
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            value ? qputenv(name.c_str(), *value) : qunsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<QByteArray>> saved_;
};

// A desktop where the test decides the default browser: a script that
// writes the arguments it was started with, NUL-separated, to a file.
class FakeDesktop : public testing::Test {
protected:
    void SetUp() override {
        env_.set("XDG_CONFIG_HOME", tree_.path(u"config"_s).toLocal8Bit());
        env_.set("XDG_CONFIG_DIRS", tree_.path(u"etc"_s).toLocal8Bit());
        env_.set("XDG_DATA_HOME", tree_.path(u"data"_s).toLocal8Bit());
        env_.set("XDG_DATA_DIRS", tree_.path(u"usr"_s).toLocal8Bit());
        env_.set("XDG_CURRENT_DESKTOP", std::nullopt);
        // Only the test's own programs: no browser of the machine's can answer.
        env_.set("PATH", tree_.path(u"bin"_s).toLocal8Bit());
        env_.set("BROWSER", std::nullopt);
        const QByteArray out = "'" + output_.toLocal8Bit() + "'";
        write_program("fakebrowser",
                      "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > " + out +
                          ".part\n/bin/mv " + out + ".part " + out + "\n");
    }
    void write_program(const char* name, const QByteArray& text) {
        tree_.write(u"bin/"_s + QLatin1String(name), text);
        QFile::setPermissions(tree_.path(u"bin/"_s + QLatin1String(name)),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    void associate(const char* type, QByteArray desktop_file) {
        tree_.write(u"config/mimeapps.list"_s,
                    "[Default Applications]\n" + QByteArray(type) + "=web.desktop\n");
        tree_.write(u"data/applications/web.desktop"_s,
                    desktop_file.replace("BIN", tree_.path(u"bin"_s).toUtf8()));
    }
    // What the fake browser was started with, once it has run.
    std::optional<QStringList> browser_arguments() const {
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(output_) && clock.elapsed() < 5000) {
            QThread::msleep(10);
        }
        QFile file(output_);
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        QStringList args;
        for (const QByteArray& arg : file.readAll().split('\0')) {
            args.append(QString::fromUtf8(arg));
        }
        args.removeLast(); // what follows the last NUL
        return args;
    }

    TempTree tree_;
    ScopedEnvironment env_;
    QString output_ = tree_.path(u"arguments"_s);
};

// The address reaches the browser as one argument, untouched by any shell.
TEST_F(FakeDesktop, AddressArrivesAsOneArgument) {
    associate("x-scheme-handler/https", app("\"BIN/fakebrowser\" --new-tab %u"));
    const std::string url =
        "https://example.test/a%20b%3Fwho%3D%24HOME%3Brm%20-rf%20~%26x%3D%60id%60";
    ASSERT_EQ(open_in_child(url), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"--new-tab"_s, QString::fromStdString(url)}));
}

// A browser named without a folder is found on PATH, and the default for
// web pages serves when https has none.
TEST_F(FakeDesktop, FallsBackToWebPages) {
    associate("text/html", app("fakebrowser %U"));
    ASSERT_EQ(open_in_child("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), QStringList{u"https://example.test/"_s});
}

// An entry as the installers of sandboxed applications export them, with the
// address between markers of their own, gets the address where it asks.
TEST_F(FakeDesktop, SandboxedApplicationEntry) {
    associate("x-scheme-handler/https",
              app("BIN/fakebrowser run --file-forwarding org.example.Web @@u %U @@"));
    ASSERT_EQ(open_in_child("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(),
              (QStringList{u"run"_s, u"--file-forwarding"_s, u"org.example.Web"_s, u"@@u"_s,
                           u"https://example.test/"_s, u"@@"_s}));
}

// With no desktop default, the BROWSER variable's first installed command is
// used, then the x-www-browser alternative; a desktop default beats both.
TEST_F(FakeDesktop, FallsBackToBrowserVariableThenAlternative) {
    write_program("x-www-browser", "#!/bin/sh\nexec \"${0%/*}/fakebrowser\" alt \"$@\"\n");
    env_.set("BROWSER", "no-such-browser:fakebrowser --private %s --zoom=100%%");
    ASSERT_EQ(open_in_child("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(),
              (QStringList{u"--private"_s, u"https://example.test/"_s, u"--zoom=100%"_s}));

    QFile::remove(output_);
    env_.set("BROWSER", std::nullopt);
    ASSERT_EQ(open_in_child("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"alt"_s, u"https://example.test/"_s}));

    QFile::remove(output_);
    env_.set("BROWSER", "fakebrowser --from-variable");
    associate("x-scheme-handler/https", app("fakebrowser --from-desktop %u"));
    ASSERT_EQ(open_in_child("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"--from-desktop"_s, u"https://example.test/"_s}));
}

// A local page in a folder whose name a shell would run reaches even a
// browser entry that hands its address to a shell only as a plain name: the
// desktop's lookup passes local pages on as paths, so the page is handed on
// through a link of a plain name, and the page is still there behind it.
TEST_F(FakeDesktop, PageInAFolderOfAnyNameReachesAShellAsText) {
    tree_.write(u"x$(touch${IFS}pwned)y/help/index.html"_s, "<html></html>");
    associate("x-scheme-handler/https", "[Desktop Entry]\nType=Application\nName=Browser\nPath=" +
                                            tree_.path(u""_s).toUtf8() +
                                            "\nExec=/bin/sh -c \"BIN/fakebrowser \"%u\n");
    const std::string page =
        file_address(tree_.path(u"x$(touch${IFS}pwned)y/help/index.html"_s).toStdString());
    ASSERT_EQ(open_in_child(page), BrowserResult::Opened);
    const std::optional<QStringList> args = browser_arguments();
    ASSERT_TRUE(args && args->size() == 1) << (args ? args->join(u' ').toStdString() : "none");
    EXPECT_TRUE(args->front().endsWith(u"/game/help/index.html"_s)) << args->front().toStdString();
    EXPECT_EQ(QFile(args->front()).size(), 13);
    EXPECT_FALSE(QFile::exists(tree_.path(u"pwned"_s)));
}

// An address holding anything but letters, digits, "-._~/:" and whole
// percent escapes is refused as not opened, and no browser is started.
TEST_F(FakeDesktop, AddressThatIsNotPlainStartsNothing) {
    associate("x-scheme-handler/https", app("fakebrowser %u"));
    for (const char* url :
         {"https://example.test/$(touch${IFS}pwned)", "https://example.test/a b",
          "https://example.test/?q=1&r=2", "https://example.test/%zz", "https://example.test/%4",
          "file:///games/caf\xC3\xA9/index.html", ""}) {
        EXPECT_EQ(open_in_child(url), BrowserResult::NotOpened) << url;
    }
    QThread::msleep(200);
    EXPECT_FALSE(QFile::exists(output_));
}

struct NoSound final : SoundInterface {
    void play(Sound) override {}
    void play_to_end(Sound) override {}
};
struct NoDesktop final : DesktopInterface {
    DesktopSize size() override { return {}; }
};
struct NoChance final : RandomSource {
    double uniform() override { return 0; }
};

// The game's own web addresses are plain, so they reach the browser.
TEST_F(FakeDesktop, GameWebAddressesAreOpened) {
    associate("x-scheme-handler/https", app("fakebrowser %u"));
    NoSound sound;
    LinuxBrowser browser;
    NoDesktop desktop;
    NoChance chance;
    const Services services{sound, browser, desktop, chance};
    for (const std::string& url : {services.help_url, services.home_url}) {
        QFile::remove(output_);
        ASSERT_EQ(open_in_child(url), BrowserResult::Opened) << url;
        EXPECT_EQ(browser_arguments(), QStringList{QString::fromStdString(url)});
    }
}

// A pipe, an endless device or an oversized file where the desktop's files
// should be neither hangs the game nor fills its memory: the file is ignored.
TEST_F(FakeDesktop, OddDesktopFilesAreIgnored) {
    const QString list = tree_.path(u"config/mimeapps.list"_s);
    associate("x-scheme-handler/https", app("fakebrowser %u"));
    QFile::remove(list);
    ASSERT_EQ(mkfifo(QFile::encodeName(list).constData(), 0600), 0);
    EXPECT_TRUE(test::finishes_within(std::chrono::seconds(5), [] {
        return open_in_child("https://example.test/") == BrowserResult::NotFound;
    }));

    QFile::remove(list);
    associate("x-scheme-handler/https", "");
    const QString entry = tree_.path(u"data/applications/web.desktop"_s);
    QFile::remove(entry);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, entry));
    EXPECT_TRUE(test::finishes_within(std::chrono::seconds(5), [] {
        return open_in_child("https://example.test/") == BrowserResult::NotFound;
    }));

    QFile::remove(entry);
    tree_.write(u"config/mimeapps.list"_s,
                QByteArray(70 * 1024, '#') + "\n" + https_default + "web.desktop\n");
    tree_.write(u"data/applications/web.desktop"_s, app("fakebrowser %u"));
    EXPECT_EQ(open_in_child("https://example.test/"), BrowserResult::NotFound);
}

struct FailureCase {
    const char* name;
    std::optional<QByteArray> desktop_file; // nothing: no association at all
    BrowserResult expected;
};

class BrowserFailure : public FakeDesktop, public testing::WithParamInterface<FailureCase> {};

// Nothing associated, or an entry whose program is not installed (which the
// desktop's lookup passes over), is "not found"; an associated entry that
// cannot start anything is "not opened".
TEST_P(BrowserFailure, ReportsWhy) {
    tree_.write(u"bin/notexecutable"_s, "#!/bin/sh\n");
    if (GetParam().desktop_file) {
        associate("x-scheme-handler/https", *GetParam().desktop_file);
    }
    EXPECT_EQ(open_in_child("https://example.test/"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, BrowserFailure,
    testing::Values(
        FailureCase{"no_association", std::nullopt, BrowserResult::NotFound},
        FailureCase{"no_exec_line", "[Desktop Entry]\nType=Application\n",
                    BrowserResult::NotOpened},
        FailureCase{"exec_in_other_group",
                    "[Desktop Entry]\n[Desktop Action new]\nExec=fakebrowser\n",
                    BrowserResult::NotFound},
        FailureCase{"badly_quoted_exec", app("\"fakebrowser %u"), BrowserResult::NotFound},
        FailureCase{"program_not_on_path", app("no-such-browser %u"), BrowserResult::NotFound},
        FailureCase{"program_path_missing", app("/nonexistent/browser %u"),
                    BrowserResult::NotFound},
        FailureCase{"program_not_executable", app("BIN/notexecutable %u"),
                    BrowserResult::NotFound}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace
} // namespace swoonery

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
