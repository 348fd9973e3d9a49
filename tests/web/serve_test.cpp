// picture-menu serve end to end: the built program on a free loopback port,
// driven over HTTP as the page and other tools drive it.
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "serve_fixture.h"

namespace {

using namespace serve_test;

std::string run_json(const std::string &words)
{
    return test_support::run_command(std::string(HOST_PROGRAM) + " --json " + words).output;
}
class ServeTest : public ::testing::Test {
protected:
    Server server_{{"serve", "--listen", "127.0.0.1:0"}};
    httplib::Client http_ = server_.client();

    httplib::Result post(const std::string &path, const json &body)
    {
        return http_.Post(path, body.dump(), "application/json");
    }
};

// Every command route answers exactly what the same command prints with --json.
TEST_F(ServeTest, EveryCommandRouteAnswersAsTheCommandLineDoes)
{
    struct Case {
        const char *method, *path;
        json params;
        std::string words;
    };
    const std::string size = "menu/picture/picturesize/mode", channel = "menu/picture/pip/channel";
    const Case cases[] = {
        {"GET", "/api/sim", {}, "sim show"},  // before any read adds to the stand-in
        {"GET", "/api/menu", {}, "menu"},
        {"GET", "/api/keys", {}, "keys"},
        {"GET", "/api/get", {{"key", kTone}}, "get " + kTone},
        {"GET", "/api/list", {{"key", kTone}}, "list " + kTone},
        {"GET", "/api/label", {{"key", kTone}}, "label " + kTone},
        {"GET", "/api/help", {{"key", size}}, "help " + size},
        {"GET", "/api/string", {{"key", channel}}, "string " + channel},
        {"GET", "/api/info", {{"name", "provider/owner"}}, "info provider/owner"},
        {"POST", "/api/set", {{"key", kFilm}, {"value", 2}}, "set " + kFilm + " 2"},
        {"POST", "/api/preview", {{"key", kTone}, {"value", 3}}, "preview " + kTone + " 3"},
        {"POST", "/api/set", {{"key", kTone}, {"value", 9}}, "set " + kTone + " 9"},
        {"POST",
         "/api/set-string",
         {{"key", channel}, {"value", "Up"}},
         "set-string " + channel + " Up"},
        {"POST", "/api/key", {{"name", "XF86Info"}}, "key XF86Info"},
        {"POST", "/api/sim", {{"line", "picture-mode 0x20005"}}, "sim picture-mode 0x20005"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.path);
        httplib::Params query;
        for (const auto &[name, value] : c.params.items())
            query.emplace(name, value.is_string() ? value.get<std::string>() : "");
        httplib::Result r = std::string(c.method) == "GET"
                                ? http_.Get(c.path, query, httplib::Headers{})
                                : post(c.path, c.params);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 200);
        EXPECT_EQ(r->get_header_value("Content-Type"), "application/json");
        EXPECT_EQ(json::parse(r->body), json::parse(run_json(c.words)));
    }
}

TEST_F(ServeTest, PanelVocabularyAndPageFilesAreServed)
{
    auto panel = http_.Get("/api/panel");
    ASSERT_TRUE(panel);
    json values = json::parse(panel->body);
    EXPECT_EQ(values["avoc"]["color_tone_mode"], 1);
    EXPECT_EQ(values["tv"]["picture-size"], 0);

    ASSERT_TRUE(post("/api/set", {{"key", "menu/picture/picturesize/mode"}, {"value", 3}}));
    EXPECT_EQ(json::parse(http_.Get("/api/panel")->body)["tv"]["picture-size"], 3);

    auto vocabulary = http_.Get("/api/vocabulary");
    ASSERT_TRUE(vocabulary);
    json v = json::parse(vocabulary->body);
    EXPECT_NE(std::find(v["functions"].begin(), v["functions"].end(), "avoc_get_picture_mode"),
              v["functions"].end());

    std::size_t total = 0;
    for (const char *path : {"/", "/style.css", "/api.js", "/picture.js", "/plots.js", "/menu.js",
                             "/menu_view.js", "/side.js", "/main.js"}) {
        SCOPED_TRACE(path);
        auto r = http_.Get(path);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 200);
        EXPECT_FALSE(r->body.empty());
        total += r->body.size();
    }
    EXPECT_LT(total, std::size_t{300} * 1024) << "the page's own files stay small";
}

TEST_F(ServeTest, BadRequestsAreRefusedWithTheReason)
{
    struct Case {
        const char *path;
        std::string body;
        int status;
        const char *reason;
    };
    const Case cases[] = {
        {"/api/set", "{\"key\":", 400, "bad JSON"},
        {"/api/set", "[1,2]", 400, "not a JSON object"},
        {"/api/set", "{\"key\":\"" + kTone + "\"}", 400, "missing value"},
        {"/api/set", "{\"key\":\"" + kTone + "\",\"value\":1.5}", 400, "expected a number"},
        {"/api/set", "{\"key\":\"" + kTone + "\",\"value\":\"x\"}", 400, "not a number"},
        {"/api/set", "{\"key\":\"" + kTone + "\",\"value\":99999999999}", 400, "set:"},
        {"/api/set", "{\"key\":\"" + kTone + "\",\"value\":1,\"x\":1}", 400, "unknown field: x"},
        {"/api/set", "{\"key\":\"menu/picture/nope\",\"value\":1}", 404, "unknown key"},
        {"/api/sim", "{\"line\":\"force nosuch 1\"}", 400, "not a platform function"},
        {"/api/sim", "{\"line\":\"avoc \\\"open\"}", 400, "quote"},
        {"/api/nope", "{}", 404, "no such route"},
        {"/api/set", std::string(std::size_t{64} * 1024, ' '), 413, "too large"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path + (" " + c.body.substr(0, 60)));
        auto r = http_.Post(c.path, c.body, "application/json");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, c.status);
        json error = json::parse(r->body);
        EXPECT_NE(error["error"].get<std::string>().find(c.reason), std::string::npos) << r->body;
        EXPECT_EQ(error["exit"], 2);  // the command line's bad input
    }
    auto r = http_.Get("/api/get?key=menu/picture/nope");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 404);
    // Nothing the refused requests held reached the TV.
    EXPECT_EQ(json::parse(http_.Get("/api/panel")->body)["avoc"]["color_tone_mode"], 1);
}

TEST_F(ServeTest, ForeignHostsAndOriginsAreRefused)
{
    std::string port = ":" + std::to_string(server_.port());
    struct Case {
        const char *method;
        std::string host, origin;
        int status;
    };
    const Case cases[] = {
        {"GET", "127.0.0.1" + port, "", 200},
        {"GET", "localhost" + port, "", 200},
        {"GET", "attacker.example" + port, "", 403},
        {"GET", "127.0.0.1:1", "", 403},
        {"GET", "", "", 403},
        {"POST", "127.0.0.1" + port, "http://127.0.0.1" + port, 200},
        {"POST", "127.0.0.1" + port, "http://localhost" + port, 200},
        {"POST", "127.0.0.1" + port, "http://attacker.example", 403},
        {"POST", "127.0.0.1" + port, "null", 403},
        {"POST", "127.0.0.1" + port, "https://127.0.0.1" + port, 403},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.method) + " Host=" + c.host + " Origin=" + c.origin);
        httplib::Headers headers{{"Host", c.host}};
        if (!c.origin.empty())
            headers.emplace("Origin", c.origin);
        auto r = std::string(c.method) == "GET"
                     ? http_.Get("/api/get?key=" + kTone, headers)
                     : http_.Post("/api/set", headers, "{\"key\":\"" + kTone + "\",\"value\":4}",
                                  "application/json");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, c.status);
    }
    // Only the two allowed writes reached the TV, and only the page's files are served.
    EXPECT_EQ(json::parse(http_.Get("/api/panel")->body)["avoc"]["color_tone_mode"], 4);
    for (const char *path : {"/../CMakeLists.txt", "/%2e%2e/serve.cpp", "/index.html/..",
                             "/CMakeLists.txt", "/web/index.html"}) {
        auto r = http_.Get(path);
        ASSERT_TRUE(r);
        EXPECT_TRUE(r->status == 404 || r->status == 400) << path << " " << r->status;
    }
}

// Four clients at once, each writing its own setting and reading it back:
// requests run one at a time, so every read sees that client's last write.
TEST_F(ServeTest, FourClientsOfTwoHundredRequestsEachStayConsistent)
{
    struct Client {
        const char *key;
        int choices;
    };
    const Client clients[] = {
        {"menu/picture/picture-options/color-tone", 5},
        {"menu/picture/picture-options/film-mode", 3},
        {"menu/picture/advanced-settings/black-tone", 4},
        {"menu/picture/picture-options/smart-led", 6},
    };
    std::vector<std::thread> threads;
    std::vector<int> failures(std::size(clients), 0);
    for (std::size_t i = 0; i < std::size(clients); ++i)
        threads.emplace_back([&, i] {
            httplib::Client http = server_.client();
            const Client &c = clients[i];
            for (int n = 0; n < 100; ++n) {
                int value = n % c.choices;
                auto set = http.Post("/api/set", json{{"key", c.key}, {"value", value}}.dump(),
                                     "application/json");
                auto get = http.Get("/api/get?key=" + std::string(c.key));
                if (!set || !get || set->status != 200 || get->status != 200 ||
                    json::parse(set->body)["status"] != 0 ||
                    json::parse(get->body)["value"] != value)
                    ++failures[i];
            }
        });
    for (std::thread &t : threads)
        t.join();
    EXPECT_EQ(failures, std::vector<int>(std::size(clients), 0));
}

// The event stream: a listener sees each request's platform calls and log
// lines, and the new live values. The server prints its URL and stops
// cleanly on SIGTERM, ending the stream too.
TEST_F(ServeTest, EventStreamCarriesEachRequestAndTheNewValues)
{
    ASSERT_GT(server_.port(), 0);
    EXPECT_EQ(server_.url(), "http://127.0.0.1:" + std::to_string(server_.port()));
    std::mutex m;
    std::condition_variable seen;
    std::string stream;
    bool open = false, done = false;
    httplib::Client listener = server_.client();
    std::thread reader([&] {
        listener.Get("/api/events", [&](const char *data, std::size_t n) {
            std::lock_guard<std::mutex> lock(m);
            stream.append(data, n);
            open = true;
            seen.notify_all();
            return !done;
        });
    });
    auto wait_for = [&](const std::string &text) {
        std::unique_lock<std::mutex> lock(m);
        seen.wait(lock, [&] { return stream.find(text) != std::string::npos; });
    };
    wait_for(": ready");
    ASSERT_TRUE(post("/api/set", {{"key", kFilm}, {"value", 2}}));
    wait_for("event: panel");
    {
        std::lock_guard<std::mutex> lock(m);
        done = true;
        EXPECT_NE(stream.find("event: request"), std::string::npos);
        EXPECT_NE(stream.find("avoc_set_film_mode(0, 2, 1)"), std::string::npos);
        EXPECT_NE(stream.find("\"film_mode\":2"), std::string::npos);
        EXPECT_NE(stream.find("Picture Menu set key"), std::string::npos);
    }
    EXPECT_EQ(server_.stop(), 0);
    reader.join();
}

TEST(ServeState, ChangesAreSavedAfterEachRequestAndReadsLeaveTheFile)
{
    fs::path state = fs::temp_directory_path() / ("serve-state-" + std::to_string(getpid()));
    fs::remove(state);
    Server server({"--state", state.string(), "serve", "--listen", "127.0.0.1:0"});
    httplib::Client http = server.client();
    ASSERT_TRUE(
        http.Post("/api/set", json{{"key", kFilm}, {"value", 2}}.dump(), "application/json"));
    std::ifstream in(state);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("sim avoc film_mode 2"), std::string::npos) << text.str();
    auto before = fs::last_write_time(state);
    ASSERT_TRUE(http.Get("/api/menu"));
    EXPECT_EQ(fs::last_write_time(state), before);
    EXPECT_EQ(server.stop(), 0);
    fs::remove(state);
}

TEST(ServeArguments, BadListenAddressesAreBadInputAndABusyPortCannotRun)
{
    Server first({"serve", "--listen", "127.0.0.1:0"});
    struct Case {
        std::vector<std::string> args;
        int exit;
    };
    const Case cases[] = {
        {{"serve", "--listen"}, 2},
        {{"serve", "--listen", "127.0.0.1"}, 2},
        {{"serve", "--listen", "127.0.0.1:70000"}, 2},
        {{"serve", "--listen", "127.0.0.1:x"}, 2},
        {{"serve", "extra"}, 2},
        {{"serve", "--listen", "127.0.0.1:" + std::to_string(first.port())}, 3},
    };
    for (const Case &c : cases) {
        Server s(c.args);
        EXPECT_EQ(s.wait_exit(), c.exit) << c.args.back();
    }
}

}  // namespace
