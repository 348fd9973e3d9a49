// picture-menu serve on a bad day: another writer of its state file, many
// event streams, oversized bodies, bursts of connections, an open address.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "serve_fixture.h"

namespace {

using namespace serve_test;

// A raw connection, for what the client library would not send.
class Connection {
public:
    explicit Connection(int port) : fd_(socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<uint16_t>(port));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval limit{30, 0};  // a hang fails the test, it does not stop the suite
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        connected_ = connect(fd_, reinterpret_cast<sockaddr *>(&to), sizeof to) == 0;
    }
    ~Connection() { close(fd_); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool send(const std::string &text) const
    {
        for (std::size_t done = 0; connected_ && done < text.size();) {
            ssize_t n = ::send(fd_, text.data() + done, text.size() - done, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return connected_;
    }
    // The answer's head and what came with it, up to the blank line at least.
    std::string head() const
    {
        std::string text;
        char buffer[4096];
        while (text.find("\r\n\r\n") == std::string::npos) {
            ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }
    int status() const
    {
        std::string h = head();
        return h.rfind("HTTP/1.1 ", 0) == 0 ? std::stoi(h.substr(9, 3)) : 0;
    }

private:
    int fd_;
    bool connected_ = false;
};

// The status each connection is answered with, read at once, 0 for none.
std::map<int, int> statuses(const std::vector<std::unique_ptr<Connection>> &connections)
{
    std::mutex m;
    std::map<int, int> count;
    std::vector<std::thread> readers;
    for (const auto &c : connections)
        readers.emplace_back([&, connection = c.get()] {
            int status = connection->status();
            std::lock_guard<std::mutex> lock(m);
            ++count[status];
        });
    for (std::thread &t : readers)
        t.join();
    return count;
}

std::string request(const std::string &line, int port, const std::string &more = "")
{
    return line + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n" + more + "\r\n";
}

// Exit status and both outputs of a command line.
std::pair<int, std::string> run(const std::string &args)
{
    auto r = test_support::run_command(std::string(HOST_PROGRAM) + " " + args + " 2>&1");
    return {r.exit, r.output};
}

std::string read_text(const fs::path &path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The server holds its state file for as long as it serves, across its own
// saves: a command-line run and a second server are refused by name, and
// nothing either side wrote is lost.
TEST(ServeState, OtherWritersOfAServedFileAreRefusedAndNothingIsLost)
{
    fs::path state = fs::temp_directory_path() / ("served-" + std::to_string(getpid()));
    fs::remove(state);
    std::string at = "--wait 0 --state " + state.string();
    auto set = [](httplib::Client &http, const char *key, int value) {
        auto r =
            http.Post("/api/set", json{{"key", key}, {"value", value}}.dump(), "application/json");
        return r && r->status == 200;
    };
    {
        Server server({"--state", state.string(), "serve", "--listen", "127.0.0.1:0"});
        httplib::Client http = server.client();
        ASSERT_TRUE(set(http, kFilm.c_str(), 2));  // the first save replaces the file
        const std::string holder = "in use by process " + std::to_string(server.pid());

        auto [exit, output] = run(at + " set menu/picture/advanced-settings/gamma 2");
        EXPECT_EQ(exit, 2);
        EXPECT_NE(output.find(holder), std::string::npos) << output;
        Server second(
            {"--wait", "0", "--state", state.string(), "serve", "--listen", "127.0.0.1:0"});
        EXPECT_EQ(second.wait_exit(), 2);
        EXPECT_NE(second.errors().find(holder), std::string::npos) << second.errors();

        ASSERT_TRUE(set(http, "menu/picture/advanced-settings/flesh-tone", 3));
        EXPECT_EQ(server.stop(), 0);
    }
    EXPECT_EQ(run(at + " set menu/picture/advanced-settings/gamma 2").first, 0);
    std::string saved = read_text(state);
    for (const char *line : {"film_mode 2", "flesh_tone 3", "gamma 2"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
    fs::remove(state);
}

class ServeLimits : public ::testing::Test {
protected:
    Server server_{{"serve", "--listen", "127.0.0.1:0"}};
    int port_ = server_.port();
};

// Streams beyond the bound are refused at once with 503, so requests always
// find a worker.
TEST_F(ServeLimits, AHundredEventStreamsLeaveTheApiAnswering)
{
    std::vector<std::unique_ptr<Connection>> streams;
    for (int i = 0; i < 100; ++i) {
        streams.push_back(std::make_unique<Connection>(port_));
        ASSERT_TRUE(streams.back()->send(request("GET /api/events", port_)));
    }
    std::map<int, int> answers = statuses(streams);
    EXPECT_GT(answers[200], 0);
    EXPECT_EQ(answers[200] + answers[503], 100) << "200: " << answers[200];

    httplib::Client http = server_.client();
    http.set_read_timeout(30, 0);
    auto r = http.Get("/api/get?key=" + kFilm);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200);
}

// A body is held to the limit however it is framed; one within it is taken.
TEST_F(ServeLimits, ChunkedBodiesAreHeldToTheLimit)
{
    auto chunked = [this](const std::string &value) {
        std::string body = R"({"line":"vconf-str db/big )" + value + R"("})";
        std::string text = request("POST /api/sim", port_,
                                   "Content-Type: application/json\r\n"
                                   "Transfer-Encoding: chunked\r\n");
        for (std::size_t at = 0; at < body.size(); at += 4096) {
            std::string piece = body.substr(at, 4096);
            char size[16];
            std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
            text += size + piece + "\r\n";
        }
        Connection c(port_);
        c.send(text + "0\r\n\r\n");
        return c.status();
    };
    EXPECT_EQ(chunked(std::string(std::size_t{1} << 20, 'x')), 413);
    auto panel = server_.client().Get("/api/panel");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->body.find("db/big"), std::string::npos);
    EXPECT_EQ(chunked("small"), 200);
}

TEST_F(ServeLimits, ABurstOfTwoHundredConnectionsIsAnswered)
{
    std::vector<std::unique_ptr<Connection>> burst;
    for (int i = 0; i < 200; ++i)
        burst.push_back(std::make_unique<Connection>(port_));
    for (auto &c : burst)
        ASSERT_TRUE(c->send(request("GET /api/get?key=" + kFilm, port_)));
    EXPECT_EQ(statuses(burst), (std::map<int, int>{{200, 200}}));
}

// Off loopback the API needs an explicit option, and then the token printed
// in the URL on every request: in the query, as the page's cookie or as a
// bearer.
TEST(ServeOpen, AnAddressOffLoopbackNeedsAllowRemoteAndThenTheToken)
{
    Server closed({"serve", "--listen", "0.0.0.0:0"});
    EXPECT_EQ(closed.wait_exit(), 2);
    EXPECT_NE(closed.errors().find("--allow-remote"), std::string::npos) << closed.errors();

    Server open({"serve", "--allow-remote", "--listen", "0.0.0.0:0"});
    ASSERT_TRUE(std::regex_match(open.token(), std::regex("[0-9a-f]{32}"))) << open.token();
    EXPECT_NE(open.errors().find("reachable from the network"), std::string::npos);
    httplib::Client http = open.client();
    const std::string cookie = "picture-menu-token=" + open.token();
    const std::string origin = "http://127.0.0.1:" + std::to_string(open.port());
    struct Case {
        const char *name;
        std::string path;
        httplib::Headers headers;
        int status;
    };
    const Case cases[] = {
        {"none", "/api/panel", {}, 403},
        {"wrong", "/api/panel?token=" + std::string(32, '0'), {}, 403},
        {"query", "/api/panel?token=" + open.token(), {}, 200},
        {"cookie", "/api/panel", {{"Cookie", "a=b; " + cookie}}, 200},
        {"bearer", "/api/panel", {{"Authorization", "Bearer " + open.token()}}, 200},
        {"any host", "/api/panel", {{"Cookie", cookie}, {"Host", "tv-lab:1"}}, 200},
        {"write", "/api/sim", {{"Cookie", cookie}, {"Origin", origin}}, 200},
        {"foreign write", "/api/sim", {{"Cookie", cookie}, {"Origin", "http://evil.example"}}, 403},
        {"write without", "/api/sim", {{"Origin", origin}}, 403},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto r = c.path == "/api/sim"
                     ? http.Post(c.path, c.headers, R"({"line":"reset"})", "application/json")
                     : http.Get(c.path, c.headers);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, c.status) << r->body;
    }
    auto page = http.Get("/?token=" + open.token());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->get_header_value("Set-Cookie"), cookie + "; Path=/; HttpOnly; SameSite=Strict");

    Server loopback({"serve", "--allow-remote", "--listen", "127.0.0.1:0"});
    EXPECT_EQ(loopback.token(), "") << "loopback keeps its Host check and needs no token";
}

}  // namespace
