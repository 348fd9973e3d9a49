// Running picture-menu serve as a user does: the built program on a free
// loopback port, its URL read from what it prints.
#pragma once

#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"

namespace serve_test {

namespace fs = std::filesystem;
using nlohmann::json;

inline const std::string kTone = "menu/picture/picture-options/color-tone";
inline const std::string kFilm = "menu/picture/picture-options/film-mode";

// The program with `args`, its standard output read until it names its URL;
// its standard error is kept in a file.
class Server {
public:
    explicit Server(const std::vector<std::string> &args)
        : errors_(fs::temp_directory_path() /
                  ("serve-errors-" + std::to_string(getpid()) + "-" + std::to_string(++count_)))
    {
        int out[2];
        if (pipe(out) != 0)
            throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            if (FILE *e = std::fopen(errors_.c_str(), "w"))
                dup2(fileno(e), STDERR_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char *> argv{const_cast<char *>(HOST_PROGRAM)};
            for (const std::string &a : args)
                argv.push_back(const_cast<char *>(a.c_str()));
            argv.push_back(nullptr);
            execv(HOST_PROGRAM, argv.data());
            _exit(127);
        }
        close(out[1]);
        output_ = fdopen(out[0], "r");
        char line[256] = "";
        if (std::fgets(line, sizeof line, output_))
            take_url(line);
    }
    ~Server()
    {
        if (pid_ > 0 && exit_ < 0)
            stop();
        if (output_)
            std::fclose(output_);
        fs::remove(errors_);
    }
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    // SIGTERM, then the exit status.
    int stop()
    {
        kill(pid_, SIGTERM);
        return wait_exit();
    }
    // A server that should have ended and still runs after a minute is
    // killed: the test fails instead of hanging.
    int wait_exit()
    {
        int status = 0;
        for (int tenths = 0; waitpid(pid_, &status, WNOHANG) == 0; ++tenths) {
            if (tenths == 600)
                kill(pid_, SIGKILL);
            usleep(100 * 1000);
        }
        exit_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return exit_;
    }
    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    // Without the trailing slash and the token.
    const std::string &url() const { return url_; }
    const std::string &token() const { return token_; }
    httplib::Client client() const { return httplib::Client("127.0.0.1", port_); }
    std::string errors() const
    {
        std::ifstream in(errors_);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    // "picture-menu: serving http://ADDR:PORT/[?token=T]"
    void take_url(const std::string &line)
    {
        std::size_t at = line.find("http://");
        if (at == std::string::npos)
            return;
        std::string url = line.substr(at, line.find_last_not_of('\n') + 1 - at);
        std::size_t query = url.find("/?token=");
        if (query != std::string::npos)
            token_ = url.substr(query + 8);
        url_ = url.substr(0, url.find('/', 7));
        port_ = std::stoi(url_.substr(url_.rfind(':') + 1));
    }

    inline static int count_ = 0;
    fs::path errors_;
    pid_t pid_ = -1;
    FILE *output_ = nullptr;
    std::string url_, token_;
    int port_ = 0;
    int exit_ = -1;
};

}  // namespace serve_test
