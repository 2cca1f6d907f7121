#include "platform/linux_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "support/finishes_within.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <optional>

namespace swoonery {
namespace {

using namespace Qt::StringLiterals;

const QString address = u"https://example.test/a b"_s;

struct SplitCase {
    const char* name;
    const char* exec; // as written in the desktop file
    QStringList args; // "ADDR" stands for the address
};

class ExecSplit : public testing::TestWithParam<SplitCase> {};

// Exec lines split by the desktop entry rules, the address always one argument.
TEST_P(ExecSplit, GivesProgramAndArguments) {
    QStringList expected = GetParam().args;
    expected.replaceInStrings(u"ADDR"_s, address);
    EXPECT_EQ(xdg::split_exec(QString::fromUtf8(GetParam().exec), address), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, ExecSplit,
    testing::Values(
        SplitCase{"url_code", "browser %u", {"browser", "ADDR"}},
        SplitCase{"no_code_appends", "browser", {"browser", "ADDR"}},
        SplitCase{
            "list_code_and_option", "browser --new-window %U", {"browser", "--new-window", "ADDR"}},
        SplitCase{"quoted_program", R"("/opt/My Browser/run" %F)", {"/opt/My Browser/run", "ADDR"}},
        SplitCase{
            "escaped_quotes", R"(run "say \\"hi\\" now" %u)", {"run", R"(say "hi" now)", "ADDR"}},
        SplitCase{
            "escaped_dollar_backtick", R"(run "\\$HOME \\`x\\`" %u)", {"run", "$HOME `x`", "ADDR"}},
        SplitCase{
            "escaped_backslash", R"(run "back\\\\slash" %u)", {"run", R"(back\slash)", "ADDR"}},
        SplitCase{"percent", "run --zoom=100%% %u", {"run", "--zoom=100%", "ADDR"}},
        SplitCase{"percent_before_u", "run --x=%%u %u", {"run", "--x=%u", "ADDR"}},
        SplitCase{"dropped_codes", "run %i %c %k %d %D %n %N %v %m %u", {"run", "ADDR"}},
        SplitCase{"empty_quoted_argument", R"(run "" %u)", {"run", "", "ADDR"}},
        SplitCase{"blanks_around", "  run \t  %u  ", {"run", "ADDR"}},
        SplitCase{"string_escape_blank", R"(run\sfast %u)", {"run", "fast", "ADDR"}}),
    [](const auto& c) { return std::string(c.param.name); });

// Exec lines that name no program, or are badly quoted, are refused.
TEST(ExecSplitRefuses, EmptyOrBadlyQuoted) {
    for (const char* exec : {"", "   ", "%i", R"("")", R"(run "unclosed %u)"}) {
        EXPECT_FALSE(xdg::split_exec(QString::fromUtf8(exec), address).has_value()) << exec;
    }
}

// A field code inside quotes is forbidden: substituting it there could hand
// the address to a shell, so the whole entry is refused.
TEST(ExecSplitRefuses, FieldCodesInsideQuotes) {
    for (const char* exec : {R"(sh -c "echo %u")", R"(run "--url=%U")", R"(run "%f" x)",
                             R"(run "100%%")"}) {
        EXPECT_FALSE(xdg::split_exec(QString::fromUtf8(exec), address).has_value()) << exec;
    }
}

// A field code sharing its argument with anything else (a quoted part, an
// escaped blank, an option or variable name) makes the address a piece of
// another command, so the whole entry is refused as well.
TEST(ExecSplitRefuses, FieldCodesJoinedToAnything) {
    for (const char* exec : {R"(sh -c "echo "%u)", R"(sh -c echo\ %u)", R"(sh -c echo\\ %u)",
                             "sh -c X=%u", "browser --open=%f", R"(run ""%U)", "run %u%u"}) {
        EXPECT_FALSE(xdg::split_exec(QString::fromUtf8(exec), address).has_value()) << exec;
    }
}

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

struct LookupCase {
    const char* name;
    std::map<QString, QByteArray> files; // relative path -> contents
    QString expected;                    // relative path, or empty for none
};

const QByteArray https_default = "[Default Applications]\nx-scheme-handler/https=";

class DefaultLookup : public testing::TestWithParam<LookupCase> {};

// The default application is found in the standard order of mimeapps.list files.
TEST_P(DefaultLookup, FindsTheDefaultApplication) {
    const TempTree tree;
    for (const auto& [relative, text] : GetParam().files) {
        tree.write(relative, text);
    }
    const xdg::Paths paths{tree.path(u"config"_s),
                           {tree.path(u"etc"_s)},
                           tree.path(u"data"_s),
                           {tree.path(u"usr1"_s), tree.path(u"usr2"_s)},
                           {u"kde"_s}};
    const QString expected =
        GetParam().expected.isEmpty() ? QString() : tree.path(GetParam().expected);
    EXPECT_EQ(xdg::default_application(paths, u"x-scheme-handler/https"_s), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, DefaultLookup,
    testing::Values(
        LookupCase{"user_config_beats_system",
                   {{"config/mimeapps.list", https_default + "a.desktop"},
                    {"usr1/applications/mimeapps.list", https_default + "b.desktop"},
                    {"usr1/applications/a.desktop", app()},
                    {"usr1/applications/b.desktop", app()}},
                   "usr1/applications/a.desktop"},
        LookupCase{"desktop_specific_list_first",
                   {{"config/mimeapps.list", https_default + "a.desktop"},
                    {"config/kde-mimeapps.list", https_default + "b.desktop"},
                    {"usr1/applications/a.desktop", app()},
                    {"usr1/applications/b.desktop", app()}},
                   "usr1/applications/b.desktop"},
        LookupCase{"first_installed_of_a_list_then_next_file",
                   {{"config/mimeapps.list", https_default + "gone.desktop;gone2.desktop;"},
                    {"etc/mimeapps.list", https_default + "b.desktop"},
                    {"usr2/applications/b.desktop", app()}},
                   "usr2/applications/b.desktop"},
        LookupCase{"hidden_file_is_uninstalled",
                   {{"config/mimeapps.list", https_default + "a.desktop"},
                    {"data/applications/a.desktop", "[Desktop Entry]\nHidden=true\n"},
                    {"usr1/applications/a.desktop", app()}},
                   ""},
        LookupCase{"file_in_subfolder",
                   {{"config/mimeapps.list", https_default + "vendor-web.desktop"},
                    {"usr1/applications/vendor/web.desktop", app()}},
                   "usr1/applications/vendor/web.desktop"},
        LookupCase{
            "any_default_beats_associations",
            {{"config/mimeapps.list", "[Added Associations]\nx-scheme-handler/https=a.desktop\n"
                                      "[Default Applications]\nx-scheme-handler/http=a.desktop\n"},
             {"usr2/applications/mimeapps.list", https_default + "b.desktop"},
             {"usr1/applications/a.desktop", app()},
             {"usr1/applications/b.desktop", app()}},
            "usr1/applications/b.desktop"},
        LookupCase{"removed_association_hides_mime_cache",
                   {{"config/mimeapps.list",
                     "[Removed Associations]\nx-scheme-handler/https=c.desktop;\n"},
                    {"usr2/applications/mimeinfo.cache",
                     "[MIME Cache]\nx-scheme-handler/https=c.desktop;d.desktop;"},
                    {"usr2/applications/c.desktop", app()},
                    {"usr2/applications/d.desktop", app()}},
                   "usr2/applications/d.desktop"},
        LookupCase{"nothing_associated",
                   {{"config/mimeapps.list", "[Default Applications]\ntext/plain=a.desktop\n"},
                    {"usr1/applications/a.desktop", app()}},
                   ""}),
    [](const auto& c) { return std::string(c.param.name); });

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
    ASSERT_EQ(LinuxBrowser().open(url), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"--new-tab"_s, QString::fromStdString(url)}));
}

// A browser named without a folder is found on PATH, and older associations
// (plain http, then web pages) serve when https has none.
TEST_F(FakeDesktop, FallsBackToHttpAndWebPages) {
    for (const char* type : {"x-scheme-handler/http", "text/html"}) {
        QFile::remove(output_);
        associate(type, app("fakebrowser %U"));
        ASSERT_EQ(LinuxBrowser().open("https://example.test/"), BrowserResult::Opened) << type;
        EXPECT_EQ(browser_arguments(), QStringList{u"https://example.test/"_s}) << type;
    }
}

// With no desktop default, the BROWSER variable's first installed command is
// used, then the x-www-browser alternative; a desktop default beats both.
TEST_F(FakeDesktop, FallsBackToBrowserVariableThenAlternative) {
    write_program("x-www-browser", "#!/bin/sh\nexec \"${0%/*}/fakebrowser\" alt \"$@\"\n");
    env_.set("BROWSER", "no-such-browser:fakebrowser --private %s --zoom=100%%");
    ASSERT_EQ(LinuxBrowser().open("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"--private"_s, u"https://example.test/"_s,
                                                u"--zoom=100%"_s}));

    QFile::remove(output_);
    env_.set("BROWSER", std::nullopt);
    ASSERT_EQ(LinuxBrowser().open("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"alt"_s, u"https://example.test/"_s}));

    QFile::remove(output_);
    env_.set("BROWSER", "fakebrowser --from-variable");
    associate("x-scheme-handler/https", app("fakebrowser --from-desktop %u"));
    ASSERT_EQ(LinuxBrowser().open("https://example.test/"), BrowserResult::Opened);
    EXPECT_EQ(browser_arguments(), (QStringList{u"--from-desktop"_s, u"https://example.test/"_s}));
}

// An entry that would put the address inside a shell's command, quoted or
// glued to a quoted part or an escaped blank, is refused: nothing runs, and
// the game says no browser was found.
TEST_F(FakeDesktop, FieldCodeInShellCommandRunsNothing) {
    const QByteArray ran = "'" + tree_.path(u"ran"_s).toUtf8() + "'";
    for (const QByteArray& exec :
         {"/bin/sh -c \"echo %u > " + ran + "\"", "/bin/sh -c \"echo > " + ran + " \"%u",
          "/bin/sh -c echo\\ >" + ran + "\\ %u"}) {
        QFile::remove(tree_.path(u"ran"_s));
        associate("x-scheme-handler/https", app(exec));
        EXPECT_EQ(LinuxBrowser().open("https://example.test/x"), BrowserResult::NotFound)
            << exec.toStdString();
        QThread::msleep(200);
        EXPECT_FALSE(QFile::exists(tree_.path(u"ran"_s))) << exec.toStdString();
    }
}

// An address holding anything but letters, digits, "-._~/:" and whole
// percent escapes is refused as not opened, and no browser is started.
TEST_F(FakeDesktop, AddressThatIsNotPlainStartsNothing) {
    associate("x-scheme-handler/https", app("fakebrowser %u"));
    for (const char* url :
         {"https://example.test/$(touch${IFS}pwned)", "https://example.test/a b",
          "https://example.test/?q=1&r=2", "https://example.test/%zz", "https://example.test/%4",
          "file:///games/caf\xC3\xA9/index.html", ""}) {
        EXPECT_EQ(LinuxBrowser().open(url), BrowserResult::NotOpened) << url;
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
        ASSERT_EQ(browser.open(url), BrowserResult::Opened) << url;
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
        return LinuxBrowser().open("https://example.test/") == BrowserResult::NotFound;
    }));

    QFile::remove(list);
    associate("x-scheme-handler/https", "");
    const QString entry = tree_.path(u"data/applications/web.desktop"_s);
    QFile::remove(entry);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, entry));
    EXPECT_TRUE(test::finishes_within(std::chrono::seconds(5), [] {
        return LinuxBrowser().open("https://example.test/") == BrowserResult::NotFound;
    }));

    QFile::remove(entry);
    tree_.write(u"config/mimeapps.list"_s, QByteArray(70 * 1024, '#') + "\n" + https_default +
                                               "web.desktop\n");
    tree_.write(u"data/applications/web.desktop"_s, app("fakebrowser %u"));
    EXPECT_EQ(LinuxBrowser().open("https://example.test/"), BrowserResult::NotFound);
}

struct FailureCase {
    const char* name;
    std::optional<QByteArray> desktop_file; // nothing: no association at all
    BrowserResult expected;
};

class BrowserFailure : public FakeDesktop, public testing::WithParamInterface<FailureCase> {};

// A missing association or Exec line is "not found"; a program that is
// missing or cannot run is "not opened".
TEST_P(BrowserFailure, ReportsWhy) {
    tree_.write(u"bin/notexecutable"_s, "#!/bin/sh\n");
    write_program("badinterpreter", "#!/nonexistent/interpreter\n");
    if (GetParam().desktop_file) {
        associate("x-scheme-handler/https", *GetParam().desktop_file);
    }
    EXPECT_EQ(LinuxBrowser().open("https://example.test/"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, BrowserFailure,
    testing::Values(
        FailureCase{"no_association", std::nullopt, BrowserResult::NotFound},
        FailureCase{"no_exec_line", "[Desktop Entry]\nType=Application\n", BrowserResult::NotFound},
        FailureCase{"exec_in_other_group",
                    "[Desktop Entry]\n[Desktop Action new]\nExec=fakebrowser\n",
                    BrowserResult::NotFound},
        FailureCase{"badly_quoted_exec", app("\"fakebrowser %u"), BrowserResult::NotFound},
        FailureCase{"program_not_on_path", app("no-such-browser %u"), BrowserResult::NotOpened},
        FailureCase{"program_path_missing", app("/nonexistent/browser %u"),
                    BrowserResult::NotOpened},
        FailureCase{"program_not_executable", app("BIN/notexecutable %u"),
                    BrowserResult::NotOpened},
        FailureCase{"program_cannot_start", app("BIN/badinterpreter %u"),
                    BrowserResult::NotOpened}),
    [](const auto& c) { return std::string(c.param.name); });

} // namespace
} // namespace swoonery

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
