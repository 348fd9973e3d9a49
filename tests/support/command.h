// A shell command line run to its end, for the tests that look at programs
// and libraries from outside.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace test_support {

struct Result {
    std::string output;  // what the command wrote to standard output
    int exit = -1;       // -1 when it could not run or was killed by a signal
};

inline Result run_command(const std::string &command)
{
    Result r;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        r.output.append(buffer, n);
    int status = pclose(pipe);
    r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace test_support
