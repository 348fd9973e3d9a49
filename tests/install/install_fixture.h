// Installing the build's components into a temporary root, shared by the
// install and package tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "command.h"

namespace install_test {

namespace fs = std::filesystem;

using test_support::Result;

// Both outputs of a command line, and its exit status.
inline Result run(const std::string &command)
{
    return test_support::run_command(command + " 2>&1");
}

// Every file below root, relative to it.
inline std::set<std::string> files_below(const fs::path &root)
{
    std::set<std::string> files;
    if (fs::exists(root))
        for (const auto &entry : fs::recursive_directory_iterator(root))
            if (!entry.is_directory())
                files.insert(fs::relative(entry.path(), root).string());
    return files;
}

class Install : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("picture-install-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Installs the components into dir_/root with the prefix /usr; the files
    // below dir_/root/usr.
    std::set<std::string> install(std::initializer_list<const char *> components) const
    {
        for (const char *component : components) {
            Result r = run("DESTDIR=" + root().string() +
                           " " CMAKE_PROGRAM " --install " BUILD_DIR " --prefix /usr --component " +
                           component);
            EXPECT_EQ(r.exit, 0) << r.output;
        }
        return files_below(usr());
    }
    fs::path root() const { return dir_ / "root"; }
    fs::path usr() const { return root() / "usr"; }

    fs::path dir_;
};

inline std::string path(const char *dir, const char *file)
{
    return (fs::path(dir) / file).lexically_normal().string();
}

}  // namespace install_test
