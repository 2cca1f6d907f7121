// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The driver program as a script author meets it: standard input or a file,
// JSON lines out, exit status 2 after an error.
#include "json_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <vector>

namespace {

struct DriverRun {
    std::string out;
    int status;
};

// Runs a shell command, giving its standard output and exit status.
DriverRun run_command(const std::string& cmd) {
    DriverRun r{{}, -1};
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n = 0;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) {
            r.out.append(buf, n);
        }
        const int st = pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    return r;
}

DriverRun run_driver(const std::string& script) {
    static std::mt19937_64 names(std::random_device{}());
    const auto dir =
        std::filesystem::temp_directory_path() / ("swoonery-cli-" + std::to_string(names()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "script.txt";
    std::ofstream(file) << script;
    const DriverRun r =
        run_command("cd '" + dir.string() + "' && '" SWOONERY_DRIVER "' < script.txt");
    std::filesystem::remove_all(dir);
    return r;
}

// One line of strict JSON (RFC 8259, valid UTF-8), by the fuzzers' reader,
// which is written apart from the driver's writer so that the two cannot
// share a fault.
bool valid_json(std::string_view line) {
    std::string why;
    return swoonery::fuzz::parse_json(line, why).has_value();
}

std::vector<std::string> lines_of(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t nl = out.find('\n'); nl != std::string::npos; nl = out.find('\n', from)) {
        lines.push_back(out.substr(from, nl - from));
        from = nl + 1;
    }
    if (from < out.size()) {
        lines.push_back(out.substr(from)); // an unterminated last line is checked too
    }
    return lines;
}

// The protocol's own example gives what the protocol says it gives.
TEST(DriverCli, ProtocolExample) {
    const DriverRun r =
        run_driver("desktop 1024 768\nrng 0.6 0.15 0.01 0.06 0.11 0.16 0.21\nstart\n"
                   "type Form2.name_txt Bob\nclick Form2.Command1\nclick Form1.Command2\n"
                   "dump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"picture\":\"girl7.bmp\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Gname\":\"Lisa\""), std::string::npos);
    EXPECT_NE(r.out.find("\"liked_topics\":[1,2,3,4,5]"), std::string::npos);
    EXPECT_NE(r.out.find("\"cash\":45"), std::string::npos);
    EXPECT_NE(r.out.find("Lisa: Hello?\\r\\nBob: Hi Lisa this is Bob\\r\\nLisa:Ohh .... How are "
                         "you???"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"sounds\":[\"phonet.wav\"]"), std::string::npos);
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1); // one line
}

// Input the player could not give is reported and skipped; the exit status stays 0.
TEST(DriverCli, IgnoredInput) {
    const DriverRun r = run_driver("click Form1.Command2\nstart\nclick Form1.cmd_ok\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"ignored\":\"Form1 is not open\"}\n{\"ignored\":\"Form1 is not open\"}\n");
}

class DriverErrors : public ::testing::TestWithParam<const char*> {};

// Malformed commands and unknown names are errors: nothing changes, and the
// driver ends with status 2.
TEST_P(DriverErrors, EndWithStatusTwo) {
    const DriverRun r = run_driver(std::string("start\n") + GetParam() + "\ndump\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out.rfind("{\"error\":", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"running\":true"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Lines, DriverErrors,
                         ::testing::Values("jump", "click Form2", "click Form99.OK",
                                           "click Form2.Nothing", "slide Form2.looks_sld 101",
                                           "select Form2.name_txt 0", "rng 1", "rng -0.1",
                                           "rng abc", "set cash 40000", "set nothing 1",
                                           "set last_visit_day 12 1", "set interest_table 3 X",
                                           "browser maybe", "desktop 800", "start",
                                           "set game_over yes", "type Form2.Command1 x"));

// Once the program has ended only dump still works.
TEST(DriverCli, AfterTheEnd) {
    const DriverRun r = run_driver("start\nclick Form2.Command2\nclick Form2.Command1\ndump\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out.rfind("{\"error\":\"the program has ended\"}\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"running\":false"), std::string::npos);
}

// The checker itself tells valid JSON lines from invalid ones.
TEST(DriverCli, JsonCheckRejectsWhatParsersReject) {
    EXPECT_TRUE(valid_json(R"({"a":[1,-2.5e3,true,null,"x\u00e9\n"],"b":{}})"));
    EXPECT_TRUE(valid_json("{\"\xC3\xA9\xF0\x9F\x98\x80\":1}"));
    for (const char* bad : {"{\"a\":1", "{\"a\" 1}", "[01]", "\"\xFF\"", "\"\xC0\xAF\"",
                            "\"\xED\xA0\x80\"", "\"\x01\"", "\"\\x\"", "[1,]"}) {
        EXPECT_FALSE(valid_json(bad)) << bad;
    }
}

// Whatever bytes a script holds, every line the driver prints is valid JSON in
// UTF-8: names with bytes that are not UTF-8, and raw bytes quoted in errors.
TEST(DriverCli, EveryLineIsValidJson) {
    std::mt19937 bytes(20261208);
    std::vector<std::string> scripts = {
        "start\xff\xfe\n",
        "start\nset player_name Bo\xe9\xff\x80\ndump\n",
        "start\ntype Form2.name_txt \xC3\x28\xF0\x28\x8C\x28\nclick Form2.Command1\ndump\n",
        "click Form\x80.Command1\nset Gname \xF4\x90\x80\x80\ndump\n",
    };
    const std::vector<std::string> words = {"start",
                                            "dump",
                                            "set player_name ",
                                            "set Gname ",
                                            "type Form2.name_txt ",
                                            "click Form2.Command1",
                                            "rng ",
                                            "click "};
    for (int n = 0; n < 100; ++n) {
        std::string script;
        for (int line = 0; line < 6; ++line) {
            script += words[bytes() % words.size()];
            for (unsigned k = bytes() % 12; k > 0; --k) {
                const char c = static_cast<char>(bytes() % 256);
                script += c == '\n' ? 'x' : c;
            }
            script += '\n';
        }
        script += "dump\n";
        scripts.push_back(script);
    }
    for (const std::string& script : scripts) {
        const DriverRun r = run_driver(script);
        ASSERT_NE(r.status, -1);
        for (const std::string& line : lines_of(r.out)) {
            EXPECT_TRUE(valid_json(line)) << line;
        }
    }
}

// A folder given as the script is refused like a missing file, with status 2.
TEST(DriverCli, FolderAsScriptIsAnError) {
    const auto dir = std::filesystem::temp_directory_path();
    const DriverRun folder =
        run_command("'" SWOONERY_DRIVER "' '" + dir.string() + "' 2>/dev/null");
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.out, "");
    const DriverRun missing = run_command("'" SWOONERY_DRIVER "' '" +
                                          (dir / "no-such-script").string() + "' 2>/dev/null");
    EXPECT_EQ(missing.status, 2);
}

// Opening the table from the menu in a game started in the current folder
// names the file by its clean absolute path when it cannot be read.
TEST(DriverCli, MessagesNameACleanPath) {
    const auto dir = std::filesystem::temp_directory_path() / "swoonery-cli-clean-path";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Scores");
    std::ofstream(dir / "script.txt")
        << "rng 0 0 0 0 0 0 0\nstart\ntype Form2.name_txt Bob\nclick Form2.Command1\n"
           "click Form1.hscores\ndump\n";
    const DriverRun r =
        run_command("cd '" + dir.string() + "' && '" SWOONERY_DRIVER "' script.txt");
    EXPECT_NE(r.out.find("The high-score file \\\"" + (dir / "Scores").string() + "\\\""),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("/./"), std::string::npos);
    std::filesystem::remove_all(dir);
}

// A save killed between writing and renaming its table leaves a temporary
// file; the next game's save removes it and leaves nothing else behind.
TEST(DriverCli, NextSaveClearsWhatAKilledSaveLeft) {
    if (run_command("command -v strace >/dev/null 2>&1").status != 0) {
        GTEST_SKIP() << "strace is not installed (apt-get install strace)";
    }
    const auto dir = std::filesystem::temp_directory_path() / "swoonery-cli-killed-save";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "script.txt")
        << "rng 0 0 0 0 0 0 0\nstart\ntype Form2.name_txt Bob\nclick Form2.Command1\n"
           "click Form1.hscores\n";
    std::ofstream(dir / "last") << "Bob                 "; // the same name is not saved again
    const std::string in_dir = "cd '" + dir.string() + "' && ";
    // Killed at the flush of the new table, after it was written.
    run_command(in_dir + "strace -o /dev/null -e trace=fsync -e inject=fsync:signal=KILL '" +
                SWOONERY_DRIVER + "' script.txt >/dev/null 2>&1");
    const auto names = [&dir] {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir)) {
            out.push_back(e.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    const std::vector<std::string> after_kill = names();
    ASSERT_TRUE(std::any_of(after_kill.begin(), after_kill.end(), [](const std::string& n) {
        return n.rfind("Scores.tmp-", 0) == 0;
    })) << "the kill left no temporary file: nothing was tested";
    const DriverRun r = run_command(in_dir + "'" SWOONERY_DRIVER "' script.txt");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"Scores", "last", "script.txt"}));
    std::filesystem::remove_all(dir);
}

} // namespace
