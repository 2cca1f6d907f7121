// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A fresh, empty folder for each test, removed afterwards, with `file` the
// path of a high-score file inside it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#include <unistd.h>

namespace swoonery::test {

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("swoonery-") + info->test_suite_name() + "-" + info->name() +
                           "-" + std::to_string(getpid());
        for (char& c : name) {
            c = c == '/' ? '_' : c; // parameterised tests' names
        }
        folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        file = folder / "Scores";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    long files_in_folder() const {
        return std::distance(std::filesystem::directory_iterator(folder),
                             std::filesystem::directory_iterator{});
    }
    std::filesystem::path folder;
    std::filesystem::path file;
};

} // namespace swoonery::test
