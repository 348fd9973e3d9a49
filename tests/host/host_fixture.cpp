#include "host_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace host_test {

std::string read_file(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_file(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void HostTest::SetUp()
{
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char &c : name)
        if (c == '/')
            c = '_';
    dir_ = fs::temp_directory_path() / ("picture-menu-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
}

void HostTest::TearDown()
{
    fs::remove_all(dir_);
}

Result HostTest::run(const std::string &args, const std::string &input) const
{
    write_file(dir_ / "input", input);
    return run_command(wrapper_ + " " + HOST_PROGRAM + " " + args + " < " +
                       (dir_ / "input").string() + " 2>&1");
}

Result HostTest::run_apart(const std::string &args, const std::string &input, std::string *errors,
                           const std::string &redirect) const
{
    write_file(dir_ / "input", input);
    fs::path error_file = dir_.parent_path() / (dir_.filename().string() + ".errors");
    Result r =
        run_command(wrapper_ + " " + HOST_PROGRAM + " " + args + " < " + (dir_ / "input").string() +
                    " 2>" + error_file.string() + " " + redirect);
    *errors = read_file(error_file);
    fs::remove(error_file);
    return r;
}

std::size_t HostTest::entries() const
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
}

}  // namespace host_test
