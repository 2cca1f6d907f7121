// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pages shipped with the game are checked before a browser is started.
#include "platform/local_page_browser.h"
#include "platform/page_address.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace swoonery {
namespace {

struct AddressCase {
    const char* name;
    const char* url;
    std::optional<std::string> path;
};

class LocalFileOf : public testing::TestWithParam<AddressCase> {};

// A file address yields the path it names, decoded; any other address none.
TEST_P(LocalFileOf, NamesThePathOfLocalAddressesOnly) {
    EXPECT_EQ(local_file_of(GetParam().url), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LocalFileOf,
    testing::Values(AddressCase{"plain", "file:///usr/lib/games/swoonery/help/index.html",
                                "/usr/lib/games/swoonery/help/index.html"},
                    AddressCase{"localhost", "file://localhost/tmp/a.html", "/tmp/a.html"},
                    AddressCase{"scheme_in_capitals", "FILE:///tmp/a.html", "/tmp/a.html"},
                    AddressCase{"escapes_decoded", "file:///my%20games/caf%C3%A9.html",
                                "/my games/caf\xC3\xA9.html"},
                    AddressCase{"escapes_decoded_to_bytes", "file:///x%FFy/%00%2F",
                                std::string("/x\xFFy/\0/", 7)},
                    AddressCase{"bad_escape_kept", "file:///a%zz%4", "/a%zz%4"},
                    AddressCase{"fragment_and_query_dropped", "file:///help/index.html?x=1#keys",
                                "/help/index.html"},
                    AddressCase{"web_address", "https://swoonery.example.org/help", std::nullopt},
                    AddressCase{"other_host", "file://elsewhere/help.html", std::nullopt},
                    AddressCase{"no_slashes", "file:help.html", std::nullopt},
                    AddressCase{"empty", "", std::nullopt}),
    [](const testing::TestParamInfo<AddressCase>& address) {
        return std::string(address.param.name);
    });

class RecordingBrowser final : public BrowserInterface {
public:
    explicit RecordingBrowser(BrowserResult result) : result_(result) {}
    BrowserResult open(std::string_view url) override {
        opened.emplace_back(url);
        return result_;
    }
    std::vector<std::string> opened;

private:
    BrowserResult result_;
};

class LocalPageBrowserTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("swoonery-page-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "help");
        std::ofstream(folder_ / "help" / "index.html") << "<!DOCTYPE html><title>t</title>\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string url(const std::string& relative) const {
        return "file://" + (folder_ / relative).string();
    }
    std::filesystem::path folder_;
};

// A help page that is there is handed to the browser, whose answer counts.
TEST_F(LocalPageBrowserTest, PresentPageGoesToTheBrowser) {
    for (BrowserResult answer :
         {BrowserResult::Opened, BrowserResult::NotFound, BrowserResult::NotOpened}) {
        RecordingBrowser browser(answer);
        LocalPageBrowser checked(browser);
        EXPECT_EQ(checked.open(url("help/index.html")), answer);
        EXPECT_EQ(browser.opened, std::vector<std::string>{url("help/index.html")});
    }
}

// A missing help page (or a folder in its place) is a page not opened, and
// no browser is started for it.
TEST_F(LocalPageBrowserTest, MissingPageIsNotOpenedWithoutStartingABrowser) {
    for (const char* relative :
         {"help/missing.html", "help", "nowhere/index.html", "help/index.html%00.txt"}) {
        RecordingBrowser browser(BrowserResult::Opened);
        LocalPageBrowser checked(browser);
        EXPECT_EQ(checked.open(url(relative)), BrowserResult::NotOpened) << relative;
        EXPECT_TRUE(browser.opened.empty()) << relative;
    }
}

// Whatever the game's folder is called, its help page's address is made of
// letters, digits, "-._~/:" and escapes alone, and names that very file.
TEST_F(LocalPageBrowserTest, AddressOfAnyFolderIsPlainAndFindsItsPage) {
    const std::regex plain("file://([A-Za-z0-9._~:/-]|%[0-9A-F]{2})+");
    for (const std::string name : {"x$(touch x)y", "my games", "it's \"q\"", "a;b&c|d`e`", "100%",
                                   "\xff\xfe-not-utf8", "caf\xC3\xA9"}) {
        const std::filesystem::path page = folder_ / name / "help" / "index.html";
        std::filesystem::create_directories(page.parent_path());
        std::ofstream(page) << "<!DOCTYPE html><title>t</title>\n";
        const std::string address = file_address(page.native());
        EXPECT_TRUE(std::regex_match(address, plain)) << address;
        EXPECT_EQ(local_file_of(address), page.native()) << address;
        RecordingBrowser browser(BrowserResult::Opened);
        EXPECT_EQ(LocalPageBrowser(browser).open(address), BrowserResult::Opened) << address;
        EXPECT_EQ(browser.opened, std::vector<std::string>{address});
    }
    EXPECT_EQ(file_address("help/index.html"), "") << "a relative path names no page";
}

// Web addresses are not checked here: the browser gets them as they are.
TEST_F(LocalPageBrowserTest, WebAddressesGoStraightToTheBrowser) {
    RecordingBrowser browser(BrowserResult::Opened);
    LocalPageBrowser checked(browser);
    EXPECT_EQ(checked.open("https://swoonery.example.org/"), BrowserResult::Opened);
    EXPECT_EQ(browser.opened, std::vector<std::string>{"https://swoonery.example.org/"});
}

} // namespace
} // namespace swoonery
