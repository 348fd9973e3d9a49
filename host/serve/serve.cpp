// picture-menu serve: the HTTP server. Loopback by default; requests for
// another host name or writes from another site are refused, and the page's
// files come from a fixed list in their own directory.
#include "serve.h"

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <httplib.h>

#include "serve_internal.h"
#include "sim/control.h"
#include "words.h"

namespace host {
namespace {

using serve::Reply;

// Requests carry a few words of JSON; anything bigger is not from the page.
constexpr std::size_t kMaxBody = std::size_t{16} * 1024;
// Workers for the requests, beside those the event streams may hold.
constexpr std::size_t kRequestWorkers = 16;
// Connections waiting to be accepted: a burst of a few hundred is answered.
constexpr int kListenQueue = 512;

struct StaticFile {
    const char *path;
    const char *file;
    const char *type;
};

const StaticFile kStaticFiles[] = {
    {"/", "index.html", "text/html; charset=utf-8"},
    {"/style.css", "style.css", "text/css; charset=utf-8"},
    {"/api.js", "api.js", "text/javascript; charset=utf-8"},
    {"/picture.js", "picture.js", "text/javascript; charset=utf-8"},
    {"/plots.js", "plots.js", "text/javascript; charset=utf-8"},
    {"/menu.js", "menu.js", "text/javascript; charset=utf-8"},
    {"/menu_view.js", "menu_view.js", "text/javascript; charset=utf-8"},
    {"/side.js", "side.js", "text/javascript; charset=utf-8"},
    {"/main.js", "main.js", "text/javascript; charset=utf-8"},
};

std::string read_file(const std::string &path, bool *found)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    *found = static_cast<bool>(in);
    return text.str();
}

void reply(httplib::Response &res, const Reply &r)
{
    res.status = r.http;
    if (r.id)
        res.set_header("X-Request-Id", std::to_string(r.id));
    res.set_content(r.body, "application/json");
}

void add_static_routes(httplib::Server &server, const std::string &web_dir)
{
    for (const StaticFile &f : kStaticFiles) {
        std::string path = web_dir + "/" + f.file;
        const char *type = f.type;
        server.Get(f.path, [path, type](const httplib::Request &, httplib::Response &res) {
            bool found = false;
            std::string text = read_file(path, &found);
            if (!found)
                return reply(res, serve::error_reply(404, "", "missing page file: " + path));
            res.set_header("Content-Security-Policy",
                           "default-src 'self'; img-src 'self' data:; style-src 'self'");
            res.set_content(text, type);
        });
    }
}

void add_api_routes(httplib::Server &server, serve::Api &api, serve::EventHub &events)
{
    auto get = [&api](const httplib::Request &req, httplib::Response &res) {
        serve::Params query;
        for (const auto &[name, value] : req.params)
            query[name] = value;
        reply(res, api.get(req.path, query, req.get_header_value("X-Page")));
    };
    // However the body is framed (a length or chunks), no more than the limit is read.
    auto post = [&api](const httplib::Request &req, httplib::Response &res,
                       const httplib::ContentReader &read) {
        std::string body;
        bool too_large =
            std::strtoull(req.get_header_value("Content-Length").c_str(), nullptr, 10) > kMaxBody;
        bool whole = !too_large && read([&body, &too_large](const char *data, std::size_t n) {
            too_large = body.size() + n > kMaxBody;
            if (!too_large)
                body.append(data, n);
            return !too_large;
        });
        if (too_large)
            return reply(res, serve::error_reply(413, "", "the body is too large"));
        if (!whole)
            return reply(res, serve::error_reply(400, "", "the body was cut short"));
        reply(res, api.post(req.path, body, req.get_header_value("X-Page")));
    };
    server.Get("/api/panel", [&api](const httplib::Request &, httplib::Response &res) {
        reply(res, api.panel_reply());
    });
    server.Get("/api/vocabulary", [&api](const httplib::Request &, httplib::Response &res) {
        reply(res, api.vocabulary());
    });
    server.Get("/api/events", [&events, &api](const httplib::Request &req, httplib::Response &res) {
        if (!events.open_stream()) {
            res.set_header("Retry-After", "5");
            return reply(res, serve::error_reply(503, "", "too many event streams; try again"));
        }
        // The page's previews end with its last stream.
        std::string page = req.get_param_value("page");
        if (!page.empty())
            api.stream_opened(page);
        unsigned long long seen = events.latest();
        bool greeted = false;
        res.set_chunked_content_provider(
            "text/event-stream",
            [&events, seen, greeted](std::size_t, httplib::DataSink &sink) mutable {
                std::string text;
                if (!greeted) {
                    greeted = true;
                    text = "retry: 1000\n: ready\n\n";
                } else if (!events.wait(&seen, &text)) {
                    sink.done();
                    return true;
                }
                return sink.write(text.data(), text.size());
            },
            [&events, &api, page](bool) {
                events.close_stream();
                if (!page.empty())
                    api.stream_closed(page);
            });
    });
    server.Get(R"(/api/[a-z-]+)", get);
    server.Post(R"(/api/[a-z-]+)", post);
}

// Stops the server on SIGINT or SIGTERM, which the other threads block, or
// on SIGUSR1 from the server's own thread when it stopped by itself.
void watch_signals(httplib::Server &server, serve::EventHub &events, sigset_t signals,
                   const std::atomic<bool> &finished)
{
    int signal = 0;
    sigwait(&signals, &signal);
    events.close();
    // A stop before the server started listening would be lost: wait for it
    // to start (a moment at most), unless it already ended on its own.
    while (!server.is_running() && !finished)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server.stop();
}

void set_up(httplib::Server &server, const serve::Access &access)
{
    server.new_task_queue = [] {
        return new httplib::ThreadPool(kRequestWorkers + serve::kMaxStreams);
    };
    server.set_payload_max_length(kMaxBody);
    // A connection is closed after its answer: an idle one kept open would
    // hold a worker that other requests wait for.
    server.set_keep_alive_max_count(1);
    server.set_default_headers({{"Cache-Control", "no-store"},
                                {"X-Content-Type-Options", "nosniff"},
                                {"X-Frame-Options", "DENY"}});
    server.set_pre_routing_handler([&access](const httplib::Request &req, httplib::Response &res) {
        std::string refused = access.refusal(req);
        if (refused.empty()) {
            access.admit(req, res);
            return httplib::Server::HandlerResponse::Unhandled;
        }
        reply(res, serve::error_reply(403, "", refused));
        return httplib::Server::HandlerResponse::Handled;
    });
    server.set_error_handler([](const httplib::Request &req, httplib::Response &res) {
        if (!res.body.empty())
            return;
        std::string what = res.status == 413 ? "the body is too large"
                           : res.status == 404
                               ? "no such route: " + req.method + " " + shown(req.path)
                               : "bad request";
        reply(res, serve::error_reply(res.status, "", what));
    });
}

// Binds the address, with a listen queue longer than the library's.
int bind(httplib::Server &server, const serve::Listen &listen)
{
    // Without the library's SO_REUSEPORT: a second server on a busy port
    // must fail, not share it.
    int socket = -1;
    server.set_socket_options([&socket](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        socket = sock;
    });
    int port = listen.port == 0
                   ? server.bind_to_any_port(listen.bind)
                   : (server.bind_to_port(listen.bind, listen.port) ? listen.port : -1);
    // Listening again on a listening socket only changes its queue.
    if (port > 0 && ::listen(socket, kListenQueue) != 0)
        return -1;
    return port;
}

}  // namespace

int run_serve(const ProviderHost &provider, const std::vector<std::string> &args,
              const ServeOptions &options)
{
    serve::Listen listen;
    try {
        listen = serve::parse_listen(args);
    } catch (const BadInput &e) {
        std::fprintf(stderr, "picture-menu: %s\n", e.what());
        return 2;
    }
    // Log lines are captured for the event stream, and echoed with --log.
    sim::set_log_mode(options.echo_log ? sim::LogMode::CaptureAndEcho : sim::LogMode::Capture);

    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    httplib::Server server;
    serve::EventHub events;
    serve::Api api(provider, options.state, events);
    int port = bind(server, listen);
    if (port <= 0) {
        std::fprintf(stderr, "picture-menu: serve: cannot listen on %s:%d\n", listen.host.c_str(),
                     listen.port);
        return 3;
    }
    serve::Access access(listen, port);
    set_up(server, access);
    add_static_routes(server, options.web_dir);
    add_api_routes(server, api, events);

    std::atomic<bool> finished{false};
    std::thread watcher(watch_signals, std::ref(server), std::ref(events), signals,
                        std::cref(finished));
    std::string url = "http://" + listen.host + ":" + std::to_string(port) + "/";
    if (!listen.token.empty()) {
        std::fprintf(stderr,
                     "picture-menu: serve: %s is reachable from the network; anyone with the "
                     "URL below can change the TV\n",
                     listen.host.c_str());
        url += "?token=" + listen.token;
    }
    std::printf("picture-menu: serving %s\n", url.c_str());
    std::fflush(stdout);
    bool served = server.listen_after_bind();
    finished = true;
    // Wakes the watcher when the server stopped on its own.
    pthread_kill(watcher.native_handle(), SIGUSR1);
    watcher.join();
    return served ? 0 : 3;
}

}  // namespace host
