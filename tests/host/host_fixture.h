// Running picture-menu as a user runs it, for the end-to-end tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace host_test {

namespace fs = std::filesystem;

struct Result {
    std::string output;  // standard output and standard error, as they interleave
    int exit = -1;
};

std::string read_file(const fs::path &path);
void write_file(const fs::path &path, const std::string &text);
// Runs a shell command line, standard error joined to standard output.
Result run_command(const std::string &command);

// A fresh folder per test; run() starts picture-menu.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs picture-menu with `args`, standard input from `input`.
    Result run(const std::string &args, const std::string &input = "") const;

    fs::path dir_;
};

}  // namespace host_test
