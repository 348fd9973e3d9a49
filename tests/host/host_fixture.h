// Running the built picture-menu as a user runs it, each test in a
// directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "command.h"

namespace host_test {

namespace fs = std::filesystem;

// Standard output (and standard error where the run joins them) and the exit status.
using test_support::Result;

std::string read_file(const fs::path &path);
void write_file(const fs::path &path, const std::string &text);

// Runs a shell command line; standard error is not captured by itself.
using test_support::run_command;

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs picture-menu with `args` (read by the shell), standard input from
    // `input`, standard output and standard error captured together.
    Result run(const std::string &args, const std::string &input = "") const;

    // The same with standard error apart, in `*errors`, and standard output
    // captured or sent where `redirect` says (e.g. ">/dev/full").
    Result run_apart(const std::string &args, const std::string &input, std::string *errors,
                     const std::string &redirect = "") const;

    // Entries of the test's directory, beside the input file.
    std::size_t entries() const;

    fs::path dir_;
    // Shell words before the program, e.g. "exec setpriv ..." or "ulimit -f 1;".
    std::string wrapper_;
};

}  // namespace host_test
