// The driver program as a script author meets it: standard input or a file,
// JSON lines out, exit status 2 after an error.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>

namespace {

struct DriverRun {
    std::string out;
    int status;
};

DriverRun run_driver(const std::string& script) {
    static std::mt19937_64 names(std::random_device{}());
    const auto dir = std::filesystem::temp_directory_path() / ("swoonery-cli-" + std::to_string(names()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "script.txt";
    std::ofstream(file) << script;
    const std::string cmd = "cd '" + dir.string() + "' && '" SWOONERY_DRIVER "' < script.txt";
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
    std::filesystem::remove_all(dir);
    return r;
}

// The protocol's own example gives what the protocol says it gives.
TEST(DriverCli, ProtocolExample) {
    const DriverRun r = run_driver("desktop 1024 768\nrng 0.6 0.15 0.01 0.06 0.11 0.16 0.21\nstart\n"
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

} // namespace
